#include <windows.h>

#include "base/dcguards_win.h"
#include "base/handles_win.h"
#include "base/icoformat.h"
#include "settings/font_win.h"
#include "tools/lintplatform.h"

bool SetCurrentFolder(const std::string& folder) {
    return SetCurrentDirectoryA(folder.c_str()) != 0;
}

std::optional<TTextExtent> MeasureCaption(const std::string& caption, const TFont& font) {
    WindowDC screen(nullptr);
    if (!screen)
        return std::nullopt;
    ScopedSelect select(screen.get(), FontHandle(font));
    // As the button measures: one line, tabs expanded, "&" marking the accelerator.
    RECT box{0, 0, 0, 0};
    DrawTextExA(screen.get(), const_cast<char*>(caption.c_str()), static_cast<int>(caption.size()), &box,
                DT_CALCRECT | DT_EXPANDTABS, nullptr);
    return TTextExtent{box.right - box.left, box.bottom - box.top};
}

TIconTarget IconTarget() {
    TIconTarget target;
    target.width = GetSystemMetrics(SM_CXICON);
    target.height = GetSystemMetrics(SM_CYICON);
    WindowDC screen(nullptr);
    if (screen)
        target.screenColors = ScreenColors(GetDeviceCaps(screen.get(), PLANES), GetDeviceCaps(screen.get(), BITSPIXEL));
    return target;
}

std::string ChecksSkippedOnHost() {
    return {};
}
