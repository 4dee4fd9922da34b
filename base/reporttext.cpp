#include "base/reporttext.h"

std::string WithReportPeriod(const std::string& text) {
    if (!text.empty() && static_cast<unsigned char>(text.back()) > '.')
        return text + ".";
    return text;
}
