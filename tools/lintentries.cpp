#include "tools/lintentries.h"

#include <algorithm>
#include <vector>

#include "base/strings.h"
#include "menu/pathkind.h"
#include "menu/regmacro.h"
#include "settings/accelerator.h"
#include "settings/filenames.h"
#include "settings/fonttext.h"

namespace {

struct Button {
    const TProgInfo* entry;
    std::string section;
    size_t header;
};

// The caption box is the text's size plus 2 for the sunken-shadow effect plus 2; the button draws
// it in its content rectangle, the button less one pixel on each side.
constexpr int kCaptionExtra = 2 + 2;
constexpr int kFrame = 1;

std::string Place(const TProgInfo& entry) {
    return FormatText("(%d, %d, %d x %d)", static_cast<int>(entry.X), static_cast<int>(entry.Y),
                      static_cast<int>(entry.Width), static_cast<int>(entry.Height));
}

void LintTarget(const Button& button, TRxIniFile& ini, const TMenuLines& lines, TLintReport& report) {
    const TProgInfo& entry = *button.entry;
    if (IsEntryRunnable(entry))
        return;
    const size_t line = lines.LineOf(button.section, "ExePath");
    const std::string written = ini.ReadString(button.section, "ExePath", "");
    if (written.empty()) {
        report.Warn(line, "[" + button.section + "] has no ExePath: its button will be grey");
        return;
    }
    const std::string problem =
        KindOfPath(entry.ExePath) == PathKind::Folder ? "is a folder, not a file" : "does not exist";
    if (!IsRegistryMacro(written)) {
        report.Warn(line,
                    "ExePath " + entry.ExePath + " " + problem + " from the disc's root: the button will be grey");
        return;
    }
    const TRegistryMacro macro = ParseRegistryMacro(written);
    report.Warn(line, "ExePath is a registry macro (" + macro.RootToken + "\\" + macro.KeyPath + ", value " +
                          macro.ValueName + "); on this machine it resolves to '" + entry.ExePath + "'" +
                          (entry.ExePath == macro.Fallback ? " (its fallback)" : "") + ", which " + problem +
                          " from the disc's root: the button will be grey here; the registry differs " +
                          "on other machines");
}

bool Overlap(const TProgInfo& a, const TProgInfo& b) {
    return int64_t{a.X} < int64_t{b.X} + b.Width && int64_t{b.X} < int64_t{a.X} + a.Width &&
           int64_t{a.Y} < int64_t{b.Y} + b.Height && int64_t{b.Y} < int64_t{a.Y} + a.Height;
}

void LintPlace(const Button& button, const std::optional<TTextExtent>& background, TLintReport& report) {
    const TProgInfo& entry = *button.entry;
    if (entry.Width <= 0 || entry.Height <= 0) {
        report.Warn(button.header, "the button of [" + button.section + "] " + Place(entry) +
                                       " has zero size: it cannot be seen or clicked");
        return;
    }
    if (!background || background->width == 0 || background->height == 0)
        return;
    const int64_t right = int64_t{entry.X} + entry.Width, bottom = int64_t{entry.Y} + entry.Height;
    const std::string size = FormatText("%d x %d", background->width, background->height);
    if (right <= 0 || bottom <= 0 || entry.X >= background->width || entry.Y >= background->height) {
        report.Warn(button.header, "the button of [" + button.section + "] " + Place(entry) +
                                       " lies outside the background (" + size + "): it cannot be seen");
    } else if (entry.X < 0 || entry.Y < 0 || right > background->width || bottom > background->height) {
        report.Warn(button.header, "the button of [" + button.section + "] " + Place(entry) +
                                       " reaches outside the background (" + size + "): it is cut off there");
    }
}

void LintCaption(const Button& button, const TMenuLines& lines, TLintReport& report) {
    const TProgInfo& entry = *button.entry;
    if (entry.ButtonText.empty() || entry.Width <= 0 || entry.Height <= 0)
        return;
    const std::optional<TTextExtent> text = MeasureCaption(entry.ButtonText, entry.Font);
    if (!text)
        return;
    const int boxWidth = text->width + kCaptionExtra, boxHeight = text->height + kCaptionExtra;
    const int roomWidth = entry.Width - 2 * kFrame, roomHeight = entry.Height - 2 * kFrame;
    if (boxWidth <= roomWidth && boxHeight <= roomHeight)
        return;
    report.Warn(lines.LineOf(button.section, "ButtonText"),
                FormatText("the caption '%s' needs %d x %d pixels in its font (%s), the button has room for %d x %d: "
                           "it is cut off",
                           entry.ButtonText.c_str(), boxWidth, boxHeight, FontToString(entry.Font).c_str(), roomWidth,
                           roomHeight));
}

}  // namespace

void LintEntries(const TVornelInfo& menu,
                 TRxIniFile& ini,
                 const TMenuLines& lines,
                 const std::optional<TTextExtent>& background,
                 TLintReport& report) {
    // Entries without a section are reported with ProgCount; nothing more is to be said of them.
    std::vector<Button> buttons;
    for (size_t i = 0; i < menu.Entries().size(); ++i) {
        const std::string section = "Prog_" + DecimalText(static_cast<int32_t>(i + 1));
        if (const size_t header = lines.HeaderOf(section))
            buttons.push_back({menu.Entries()[i].get(), section, header});
    }
    for (size_t i = 0; i < buttons.size(); ++i) {
        const Button& button = buttons[i];
        LintTarget(button, ini, lines, report);
        LintPlace(button, background, report);
        LintCaption(button, lines, report);
        const TProgInfo& entry = *button.entry;
        const bool visible = entry.Width > 0 && entry.Height > 0;
        for (size_t k = 0; k < i && visible; ++k) {
            const TProgInfo& below = *buttons[k].entry;
            if (below.Width > 0 && below.Height > 0 && Overlap(below, entry)) {
                report.Warn(button.header,
                            FormatText("the button of [%s] overlaps the one of [%s] (line %zu) and lies on "
                                       "top of it",
                                       button.section.c_str(), buttons[k].section.c_str(), buttons[k].header));
                break;  // one is enough to show the button's place is wrong
            }
        }
        // The key the menu's buttons answer to, judged as the button judges it.
        const char key = AcceleratorKey(entry.ButtonText);
        for (size_t k = 0; k < i && key; ++k) {
            if (AcceleratorKey(buttons[k].entry->ButtonText) == key) {
                report.Warn(lines.LineOf(button.section, "ButtonText"),
                            FormatText("the accelerator key %c of [%s] is also the one of [%s] (line %zu): the key "
                                       "starts only one of them",
                                       key, button.section.c_str(), buttons[k].section.c_str(),
                                       lines.LineOf(buttons[k].section, "ButtonText")));
                break;
            }
        }
    }
}
