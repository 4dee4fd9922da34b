#pragma once
// Findings about values the menu reads as numbers, yes/no, colours and fonts: a value that is
// malformed (or empty) falls back to a default, and some fonts are read differently than they look.
// Every verdict comes from the menu's own readers, read once more with different defaults.

#include "menu/menuinfo.h"
#include "settings/inifile.h"
#include "tools/lintreport.h"
#include "tools/menulines.h"

void LintValues(const TVornelInfo& menu, TRxIniFile& ini, const TMenuLines& lines, TLintReport& report);
