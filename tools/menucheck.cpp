// menucheck PATH: prints, as JSON on standard output, the menu model exactly as the menu builds it
// from PATH (a menu.ini, or the folder holding it), registry macros resolved. Relative targets are
// tested for existence against the current folder, as the menu does.
// Exit codes: 0 report printed; 2 no usable PATH; 1 any other failure.

#include <cstdio>
#include <exception>
#include <string>

#include "tools/consoleout.h"
#include "menu/menuinfo.h"
#include "tools/menujson.h"
#include "menu/pathkind.h"
#include "settings/filenames.h"

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

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2 || argv[1][0] == '\0') {
        std::fprintf(stderr, "usage: menucheck PATH\n  PATH: a menu.ini, or the folder that holds it\n");
        return kUsageError;
    }
    const std::string definition = DefinitionFile(argv[1]);
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
        const TVornelInfo menu(fileName);
        if (!WriteStandardOutput(MenuModelJson(menu))) {
            std::fprintf(stderr, "menucheck: cannot write the report\n");
            return 1;
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "menucheck: %s\n", error.what());
        return 1;
    }
    return 0;
}
