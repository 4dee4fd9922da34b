#include "shell/msgdlg_win.h"

#include <memory>

#include "base/dcguards_win.h"
#include "base/handles_win.h"
#include "base/strings.h"
#include "settings/font_win.h"
#include "shell/application_win.h"
#include "shell/button_win.h"
#include "shell/label_win.h"
#include "shell/msgdlglayout.h"

namespace {

struct ButtonKind {
    const char* name;
    StrId caption;
    int modalResult;
};

constexpr ButtonKind kButtonKinds[kMsgDlgButtonKinds] = {
    {"Yes", StrId::SMsgDlgYes, 6},         {"No", StrId::SMsgDlgNo, 7},
    {"OK", StrId::SMsgDlgOK, 1},           {"Cancel", StrId::SMsgDlgCancel, 2},
    {"Abort", StrId::SMsgDlgAbort, 3},     {"Retry", StrId::SMsgDlgRetry, 4},
    {"Ignore", StrId::SMsgDlgIgnore, 5},   {"All", StrId::SMsgDlgAll, 8},
    {"NoToAll", StrId::SMsgDlgNoToAll, 9}, {"YesToAll", StrId::SMsgDlgYesToAll, 10},
    {"Help", StrId::SMsgDlgHelp, 0},
};

constexpr StrId kTypeCaptions[] = {StrId::SMsgDlgWarning, StrId::SMsgDlgError, StrId::SMsgDlgInformation,
                                   StrId::SMsgDlgConfirm};

// The average character width and the height of the 52 letters in the dialog's font.
constexpr char kUnitLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

void TakeLogFont(TFont& font, const LOGFONTA& logFont) {
    font.SetName(logFont.lfFaceName);
    font.SetHeight(logFont.lfHeight);
    TFontStyles style = 0;
    if (logFont.lfWeight >= FW_BOLD)
        style |= fsBold;
    if (logFont.lfItalic)
        style |= fsItalic;
    if (logFont.lfUnderline)
        style |= fsUnderline;
    if (logFont.lfStrikeOut)
        style |= fsStrikeOut;
    font.SetStyle(style);
    font.SetCharset(logFont.lfCharSet);
    const int pitch = logFont.lfPitchAndFamily & 3;
    font.SetPitch(pitch == VARIABLE_PITCH ? fpVariable : pitch == FIXED_PITCH ? fpFixed : fpDefault);
}

// The system's message font; the form keeps its own when the system does not answer.
void UseMessageFont(TFont& font) {
    NONCLIENTMETRICSA metrics{};
    constexpr UINT kSize = 340;  // the record without the padded border width, known to every version
    metrics.cbSize = kSize;
    if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, kSize, &metrics, 0))
        TakeLogFont(font, metrics.lfMessageFont);
}

// Screen-centred, on the primary screen; but when the active window (the menu) lies on another
// monitor than that place, centred on the active window's monitor instead.
void PlaceScreenCentred(TForm& form) {
    form.Position = poScreenCenter;
    HWND active = GetActiveWindow();
    if (!active)
        return;
    const int width = form.Width(), height = form.Height();
    const POINT p = ScreenCenteredPosition(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), width, height);
    const RECT place{p.x, p.y, p.x + width, p.y + height};
    HMONITOR own = MonitorFromWindow(active, MONITOR_DEFAULTTONEAREST);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (MonitorFromRect(&place, MONITOR_DEFAULTTONEAREST) == own || !GetMonitorInfoA(own, &info))
        return;
    const RECT& m = info.rcMonitor;
    form.Position = poDesigned;
    form.SetBounds(m.left + (m.right - m.left - width) / 2, m.top + (m.bottom - m.top - height) / 2, width, height);
}

}  // namespace

std::array<int, kMsgDlgButtonKinds>& MessageDialogButtonWidths() {
    static std::array<int, kMsgDlgButtonKinds> widths{};
    return widths;
}

TMessageForm::TMessageForm(TComponent* owner) : TForm(owner) {
    BorderStyle = bsDialog;
    BorderIcons = biSystemMenu;
    // A starting size that holds the frame and caption, so that the client size can be set exactly.
    SetBounds(0, 0, 320, 240);
}

TMessageForm::~TMessageForm() {
    SetAccessibleElements(nullptr);
}

void TMessageForm::CreateParams(TCreateParams& params) {
    TForm::CreateParams(params);
    params.ClassStyle = CS_DBLCLKS | CS_SAVEBITS | CS_BYTEALIGNWINDOW;
}

TMessageForm* CreateMessageDialog(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons) {
    auto form = std::make_unique<TMessageForm>(Application);
    UseMessageFont(form->Font());

    const WindowDC screen(nullptr);
    const ScopedSelect font(screen.get(), FontHandle(form->Font()));
    SIZE letters{0, 0};
    GetTextExtentPoint32A(screen.get(), kUnitLetters, 52, &letters);
    const MessageDialogMetrics metrics = MessageDialogMetricsFor(letters.cx / 52, letters.cy);

    int buttonWidth = metrics.buttonWidth;
    int buttonCount = 0;
    auto& widths = MessageDialogButtonWidths();
    for (int kind = 0; kind < kMsgDlgButtonKinds; ++kind) {
        if (!(buttons & MsgDlgButton(static_cast<TMsgDlgBtn>(kind))))
            continue;
        ++buttonCount;
        if (widths[kind] == 0) {
            const std::string caption = LoadStr(kButtonKinds[kind].caption);
            RECT r{0, 0, 0, 0};
            DrawTextA(screen.get(), caption.c_str(), -1, &r, DT_CALCRECT | DT_SINGLELINE | DT_LEFT);
            widths[kind] = r.right - r.left + 8;
        }
        buttonWidth = std::max(buttonWidth, widths[kind]);
    }

    // Lines wrap at half the primary screen's width; a single longer word keeps its width. The
    // terminating zero is measured with the text.
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN), screenHeight = GetSystemMetrics(SM_CYSCREEN);
    RECT textRect{0, 0, screenWidth / 2, 0};
    DrawTextA(screen.get(), text.c_str(), static_cast<int>(text.size()) + 1, &textRect,
              DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS);

    const bool hasIcon = type != mtCustom;
    const MessageDialogLayout layout =
        LayoutMessageDialog(metrics, textRect.right, textRect.bottom, hasIcon, buttonCount, buttonWidth);
    form->SetClientWidth(layout.clientWidth);
    form->SetClientHeight(layout.clientHeight);
    form->SetBounds(screenWidth / 2 - form->Width() / 2, screenHeight / 2 - form->Height() / 2, form->Width(),
                    form->Height());
    form->SetCaption(hasIcon ? LoadStr(kTypeCaptions[type]) : Application ? Application->Title() : std::string());

    auto* label = new TLabel(form.get());
    label->Name = "Message";
    label->WordWrap = true;
    label->SetCaption(text);
    label->SetBounds(layout.message.left, layout.message.top, layout.message.width, layout.message.height);
    label->SetParent(form.get());
    form->Message = label;
    form->texts_.SetLabels({label});
    form->SetAccessibleElements(&form->texts_);

    const TMsgDlgBtn defaultKind = (buttons & MsgDlgButton(mbOK))    ? mbOK
                                   : (buttons & MsgDlgButton(mbYes)) ? mbYes
                                                                     : mbRetry;
    const TMsgDlgBtn cancelKind = (buttons & MsgDlgButton(mbCancel)) ? mbCancel
                                  : (buttons & MsgDlgButton(mbNo))   ? mbNo
                                                                     : mbOK;
    int x = layout.firstButton.left;
    for (int kind = 0; kind < kMsgDlgButtonKinds; ++kind) {
        if (!(buttons & MsgDlgButton(static_cast<TMsgDlgBtn>(kind))))
            continue;
        auto* button = new TButton(form.get());
        button->Name = kButtonKinds[kind].name;
        button->SetCaption(LoadStr(kButtonKinds[kind].caption));
        button->ModalResult = kButtonKinds[kind].modalResult;
        button->SetDefault(kind == defaultKind);
        button->Cancel = kind == cancelKind;
        button->SetBounds(x, layout.firstButton.top, layout.firstButton.width, layout.firstButton.height);
        button->SetParent(form.get());
        form->buttons_[kind] = button;
        if (kind == defaultKind)
            form->ActiveControl = button;
        x += layout.buttonStep;
    }
    return form.release();
}

int ShowMessage(const std::string& text) {
    std::unique_ptr<TMessageForm> form(CreateMessageDialog(text, mtCustom, MsgDlgButton(mbOK)));
    form->HelpContext = 0;
    form->HelpFile.clear();
    PlaceScreenCentred(*form);
    return form->ShowModal();
}
