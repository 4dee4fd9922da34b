#include "widgets/lookstamp.h"

uint64_t NextLookStamp() {
    static uint64_t last = 0;
    return ++last;
}
