#include "settings/leadbytes.h"

namespace {
LeadByteTable& Table() {
    static LeadByteTable table{};
    return table;
}
bool anyLeadBytes = false;
}  // namespace

bool IsLeadByte(unsigned char byte) {
    return Table()[byte];
}

bool HasLeadBytes() {
    return anyLeadBytes;
}

void SetLeadBytes(const LeadByteTable& table) {
    Table() = table;
    anyLeadBytes = false;
    for (const bool lead : table)
        anyLeadBytes = anyLeadBytes || lead;
}
