#include "tools/menujson.h"

#include "settings/color.h"
#include "settings/fonttext.h"
#include "tools/ansitext.h"
#include "tools/jsonwriter.h"

namespace {

void WriteText(TJsonWriter& json, std::string_view key, const std::string& text) {
    json.String(key, AnsiToUtf8(text));
}

void WriteFont(TJsonWriter& json, const TFont& font) {
    json.BeginObject("Font");
    WriteText(json, "Name", font.Name());
    json.Integer("Size", font.Size());
    json.Integer("Height", font.Height());
    json.String("Style", FontStylesToString(font.Style()));
    json.Integer("Pitch", font.Pitch());
    json.String("Color", ColorToText(font.Color()));
    json.Integer("Charset", font.Charset());
    json.EndObject();
}

void WriteEntry(TJsonWriter& json, const TProgInfo& entry) {
    json.BeginObject();
    json.Integer("X", entry.X);
    json.Integer("Y", entry.Y);
    json.Integer("Width", entry.Width);
    json.Integer("Height", entry.Height);
    WriteText(json, "ButtonText", entry.ButtonText);
    WriteFont(json, entry.Font);
    json.String("HighlightColor", ColorToText(entry.HighlightColor));
    json.String("TopContourColor", ColorToText(entry.TopContourColor));
    json.String("BottomContourColor", ColorToText(entry.BottomContourColor));
    WriteText(json, "ExePath", entry.ExePath);
    WriteText(json, "ExeCommandLine", entry.ExeCommandLine);
    WriteText(json, "ExeWorkingPath", entry.ExeWorkingPath);
    WriteText(json, "PreRunMessage", entry.PreRunMessage);
    WriteText(json, "AfterRunMessage", entry.AfterRunMessage);
    json.Boolean("TerminateAfterStart", entry.TerminateAfterStart);
    json.Boolean("Runnable", IsEntryRunnable(entry));
    json.EndObject();
}

}  // namespace

std::string MenuModelJson(const TVornelInfo& menu) {
    TJsonWriter json;
    json.BeginObject();
    WriteText(json, "AppName", menu.AppName());
    WriteText(json, "AppTaskName", menu.AppTaskName());
    WriteText(json, "BackgroundPath", menu.BackgroundPath());
    WriteText(json, "IconPath", menu.IconPath());
    json.Integer("ProgCount", menu.ProgCount());
    WriteText(json, "IniFileName", menu.IniFileName());
    WriteText(json, "IniDir", menu.IniDir());
    json.BeginArray("Entries");
    for (const auto& entry : menu.Entries())
        WriteEntry(json, *entry);
    json.EndArray();
    json.EndObject();
    return json.Text();
}
