#pragma once
// menucheck --lint: what is wrong with a menu definition, judged by the menu's own readers, so that
// the verdict is what the menu will do on the user's machine.

#include <string>

#include "tools/lintreport.h"

// Checks the definition with the full name `fileName`. Relative targets are looked up from the
// current folder, which should be the disc's root (the definition's folder).
TLintReport LintMenu(const std::string& fileName);
