#pragma once
// The menu model as a JSON report (UTF-8): every field the menu builds its window from, each
// entry with its font, colours as their text form, and whether its button would be enabled.

#include <string>

#include "menu/menuinfo.h"

std::string MenuModelJson(const TVornelInfo& menu);
