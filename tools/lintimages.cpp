#include "tools/lintimages.h"

#include <cstdlib>

#include "base/bmpformat.h"
#include "base/exceptions.h"
#include "base/filestream.h"
#include "base/icoformat.h"
#include "base/memorystream.h"
#include "base/reporttext.h"
#include "base/strings.h"
#include "settings/filenames.h"

namespace {

// Opens the file as the menu does; the message names the file as the menu names it.
TFileStream OpenAsTheMenu(const std::string& name) {
    try {
        return TFileStream(HostPath(name));
    } catch (const EFOpenError&) {
        throw EFOpenError(FmtLoadStr(StrId::SFOpenError, name.c_str()));
    }
}

// The background's size as the bitmap reads it (0 x 0 for an empty file); raises what loading raises.
TTextExtent ReadBackgroundFile(const std::string& name) {
    TFileStream file = OpenAsTheMenu(name);
    if (file.Size() == 0)
        return {};
    const TBitmapLayout layout = ReadBitmapLayout(file);
    return {layout.header.width, std::abs(layout.header.height)};
}

// Reads the icon as the application object does when it is set: the header, then the image chosen
// for the system's icon size, laid out for the system. Raises what that raises.
void ReadIconFile(const std::string& name) {
    TFileStream file = OpenAsTheMenu(name);
    TMemoryStream data;
    data.AppendRest(file);
    if (ReadIconHeader(data).type != 1)
        return;  // type 0: the system's default application icon
    const std::vector<TIconEntry> entries = ReadIconDirectory(data);
    const TIconTarget target = IconTarget();
    ReadIconImage(data.Bytes(), entries[ChooseIconImage(entries, target.width, target.height, target.screenColors)]);
}

// A drive, a UNC name or a leading backslash: the author meant a place of its own.
bool LooksAbsolute(const std::string& value) {
    return (!value.empty() && (value.front() == '\\' || value.front() == '/')) ||
           (value.size() >= 2 && value[1] == ':');
}

void LintAbsolute(TRxIniFile& ini, const char* key, const std::string& path, size_t line, TLintReport& report) {
    const std::string value = ini.ReadString("Main", key, "");
    if (LooksAbsolute(value))
        report.Warn(line, std::string(key) + "=" + value +
                              " is absolute, but the menu appends it to its own folder: " + "it loads " + path);
}

// The exception's text as the menu's error box shows it.
std::string BoxText(const std::exception& error) {
    return WithReportPeriod(error.what());
}

}  // namespace

std::optional<TTextExtent> LintImages(const TVornelInfo& menu,
                                      TRxIniFile& ini,
                                      const TMenuLines& lines,
                                      TLintReport& report) {
    std::optional<TTextExtent> background;
    const size_t backgroundLine = lines.LineOf("Main", "Background");
    LintAbsolute(ini, "Background", menu.BackgroundPath(), backgroundLine, report);
    try {
        background = ReadBackgroundFile(menu.BackgroundPath());
        if (background->width == 0 || background->height == 0)
            report.Warn(backgroundLine, "the background " + menu.BackgroundPath() +
                                            " is empty: the menu window has no room for its buttons");
    } catch (const std::exception& error) {
        report.Error(backgroundLine, "the background cannot be loaded: " + BoxText(error));
    }
    if (!menu.IconPath().empty()) {
        const size_t iconLine = lines.LineOf("Main", "Icon");
        LintAbsolute(ini, "Icon", menu.IconPath(), iconLine, report);
        try {
            ReadIconFile(menu.IconPath());
        } catch (const std::exception& error) {
            report.Error(iconLine, "the icon cannot be loaded: " + BoxText(error));
        }
    }
    return background;
}
