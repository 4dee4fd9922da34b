#include "base/strings.h"

std::string LoadStr(StrId id) {
    switch (id) {
#define STR(name, num, text) \
    case StrId::name:        \
        return text;
#include "base/strings.def"
#undef STR
    }
    return {};
}
