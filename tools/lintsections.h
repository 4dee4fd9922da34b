#pragma once
// Findings about the definition's structure: sections and keys the menu never reads (misspelt,
// misplaced, repeated, numbered beyond ProgCount or with leading zeros) and entry sections that
// ProgCount asks for but the file lacks.

#include <cstdint>

#include "tools/lintreport.h"
#include "tools/menulines.h"
#include "tools/readlog.h"

// `reads`: what the menu read while building its model; `progCount`: the entries it read.
void LintSections(const TMenuLines& lines, const TReadLog& reads, int32_t progCount, TLintReport& report);
