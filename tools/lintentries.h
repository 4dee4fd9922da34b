#pragma once
// Findings about the entries' buttons: targets that do not exist from the disc's root (grey
// buttons), zero sizes, places outside the background, overlaps, shared accelerator keys, and (where
// the platform's fonts are at hand) captions larger than their buttons.

#include <optional>

#include "menu/menuinfo.h"
#include "settings/inifile.h"
#include "tools/lintplatform.h"
#include "tools/lintreport.h"
#include "tools/menulines.h"

// `background`: the background's size, when it loads. The current folder must be the disc's root.
void LintEntries(const TVornelInfo& menu,
                 TRxIniFile& ini,
                 const TMenuLines& lines,
                 const std::optional<TTextExtent>& background,
                 TLintReport& report);
