#pragma once
// Registry path macros in ExePath and ExeWorkingPath:
//   $REG$<root>KEY PATH$KEY$VALUE NAME$DEF$FALLBACK$EXENAME$SUFFIX
// The root is the four characters after "$REG$" ("HKLM" for the machine, anything else for the
// current user). The resolution is the registry string value followed by the suffix when a file of
// that name exists, else the fallback (or that candidate when there is no fallback).

#include <string>

#include "menu/registry.h"

// The pieces of a macro text, cut at fixed positions; see ParseRegistryMacro.
struct TRegistryMacro {
    std::string RootToken;
    std::string KeyPath;
    std::string ValueName;
    std::string Fallback;
    std::string FileSuffix;
};

// True when the text contains "$REG$" (case-sensitive) anywhere.
bool IsRegistryMacro(const std::string& text);

// Cuts the pieces at their positions: the root token is characters 6-9, the key path runs from
// character 10 to the first "$KEY$"; the other pieces lie between the first "$KEY$", "$DEF$" and
// "$EXENAME$", a missing "$DEF$" or "$EXENAME$" standing just past the end of the text.
TRegistryMacro ParseRegistryMacro(const std::string& text);

// "HKLM" selects the machine's root; "HKCR" and every other token the current user's.
RegistryRoot RegistryRootOf(const std::string& token);

// The text unchanged when it is not a macro, else its resolution. Never raises: registry errors
// leave the fallback in place.
std::string ResolveRegistryMacro(const std::string& text, TRegistryReader& registry);
