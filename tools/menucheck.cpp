// menucheck PATH: prints, as JSON on standard output, the menu model exactly as the menu builds it
// from PATH (a menu.ini, or the folder holding it), registry macros resolved. Relative targets are
// tested for existence against the current folder, as the menu does.
// Exit codes: 0 report printed; 2 no usable PATH; 1 any other failure.
//
// menucheck --lint PATH: prints what is wrong with the menu, one "file:line: level: message" line
// per finding and a summary, with the disc's root (PATH's folder) as the current folder, as when
// the menu runs from the disc. Exit codes: 0 clean; 1 warnings only; 2 an error (the menu would not
// start) or no usable PATH.

#include <cstdio>
#include <exception>
#include <string>

#include "menu/menuinfo.h"
#include "menu/pathkind.h"
#include "settings/filenames.h"
#include "tools/ansitext.h"
#include "tools/consoleout.h"
#include "tools/lintplatform.h"
#include "tools/menujson.h"
#include "tools/menulint.h"

namespace {

constexpr int kUsageError = 2;

// The definition file that PATH names, or empty after reporting why there is none. PATH must
// exist; a folder without menu.ini is fine, the menu then runs on its defaults.
std::string DefinitionFile(const std::string& path) {
    switch (KindOfPath(path)) {
        case PathKind::Folder:
            return NormalDir(path) + "menu.ini";
        case PathKind::File:
            return path;
        case PathKind::UnreadableFile:
            std::fprintf(stderr, "menucheck: cannot read %s\n", path.c_str());
            return {};
        case PathKind::Missing:
            break;
    }
    std::fprintf(stderr, "menucheck: no such file or folder: %s\n", path.c_str());
    return {};
}

// Prints the findings about the definition `fileName`, named `shown` in the report.
int Lint(const std::string& shown, const std::string& fileName) {
    if (!SetCurrentFolder(FileDirPart(fileName))) {
        std::fprintf(stderr, "menucheck: cannot make %s the current folder\n", FileDirPart(fileName).c_str());
        return kUsageError;
    }
    const TLintReport report = LintMenu(fileName);
    if (!WriteStandardOutput(AnsiToUtf8(LintText(shown, report)))) {
        std::fprintf(stderr, "menucheck: cannot write the report\n");
        return kUsageError;
    }
    return LintExitCode(report);
}

}  // namespace

int main(int argc, char** argv) {
    const bool lint = argc == 3 && std::string(argv[1]) == "--lint";
    if ((argc != 2 && !lint) || argv[argc - 1][0] == '\0') {
        std::fprintf(stderr,
                     "usage: menucheck [--lint] PATH\n  PATH: a menu.ini, or the folder that holds it\n"
                     "  --lint: list what is wrong with the menu instead of printing its model\n");
        return kUsageError;
    }
    const std::string definition = DefinitionFile(argv[argc - 1]);
    if (definition.empty())
        return kUsageError;
    // The menu always names its definition by full path; a bare name would also make the platform's
    // profile functions look in the Windows folder instead of the current one.
    const std::string fileName = FullPathName(definition);
    if (fileName.empty()) {
        std::fprintf(stderr, "menucheck: cannot make a full path of %s\n", definition.c_str());
        return kUsageError;
    }
    try {
        if (lint)
            return Lint(HostPath(definition), fileName);
        const TVornelInfo menu(fileName);
        if (!WriteStandardOutput(MenuModelJson(menu))) {
            std::fprintf(stderr, "menucheck: cannot write the report\n");
            return 1;
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "menucheck: %s\n", error.what());
        return lint ? kUsageError : 1;
    }
    return 0;
}
