#include "shell/strings.h"

std::string LoadStr(StrId id) {
    switch (id) {
#define STR(name, num, text) \
    case StrId::name:        \
        return text;
#include "shell/strings.def"
#undef STR
    }
    return {};
}
