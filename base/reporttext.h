#pragma once
// The text of the exception report, as its message box shows it.

#include <string>

// The text with a period appended when its last character compares greater than "." byte by byte,
// unsigned. In a double-byte code page the last character may be two bytes long; both its bytes are
// then above "." (lead bytes from $81, trail bytes from $40 in every such code page), so looking at
// the last byte alone gives the same answer.
std::string WithReportPeriod(const std::string& text);
