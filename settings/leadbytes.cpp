#include "settings/leadbytes.h"

LeadByteTable ShiftJisLeadBytes() {
    LeadByteTable table{};
    for (int b = 0x81; b <= 0x9F; ++b)
        table[b] = true;
    for (int b = 0xE0; b <= 0xFC; ++b)
        table[b] = true;
    return table;
}
