#pragma once
// Findings about the background bitmap and the icon: loading either as the menu does at start-up
// (a failure is an error: the menu shows the error box and ends), and absolute names, which the menu
// appends to its own folder.

#include <optional>

#include "menu/menuinfo.h"
#include "settings/inifile.h"
#include "tools/lintplatform.h"
#include "tools/lintreport.h"
#include "tools/menulines.h"

// The background's size when it loads.
std::optional<TTextExtent> LintImages(const TVornelInfo& menu,
                                      TRxIniFile& ini,
                                      const TMenuLines& lines,
                                      TLintReport& report);
