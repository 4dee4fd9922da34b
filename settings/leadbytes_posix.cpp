#include "settings/leadbytes.h"

namespace {
LeadByteTable& Table() {
    static LeadByteTable table{};
    return table;
}
}  // namespace

bool IsLeadByte(unsigned char byte) {
    return Table()[byte];
}

void SetLeadBytes(const LeadByteTable& table) {
    Table() = table;
}
