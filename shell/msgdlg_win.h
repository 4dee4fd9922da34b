#pragma once
// The message dialog: a small modal form of the program's own that shows a text, word-wrapped at half
// the screen's width in the system's message font, above a centred row of buttons. ShowMessage is
// the one-button form the menu uses; CreateMessageDialog builds any type and set of buttons.

#include <windows.h>

#include <array>
#include <cstdint>
#include <string>

#include "shell/form_win.h"
#include "shell/statictextelements_win.h"

class TButton;
class TLabel;

enum TMsgDlgType : uint8_t { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
// The button kinds, in the order the buttons are laid out from left to right.
enum TMsgDlgBtn : uint8_t {
    mbYes,
    mbNo,
    mbOK,
    mbCancel,
    mbAbort,
    mbRetry,
    mbIgnore,
    mbAll,
    mbNoToAll,
    mbYesToAll,
    mbHelp
};
constexpr int kMsgDlgButtonKinds = mbHelp + 1;
using TMsgDlgButtons = uint16_t;  // a set of TMsgDlgBtn bits
constexpr TMsgDlgButtons MsgDlgButton(TMsgDlgBtn kind) {
    return static_cast<TMsgDlgButtons>(1u << kind);
}

class TMessageForm : public TForm {
public:
    explicit TMessageForm(TComponent* owner);
    ~TMessageForm() override;
    const char* ClassName() const override { return "TMessageForm"; }

    TLabel* Message = nullptr;
    int HelpContext = 0;
    std::string HelpFile;
    // The button of a kind, or nullptr when the dialog has none.
    TButton* Button(TMsgDlgBtn kind) const { return buttons_[kind]; }

protected:
    void CreateParams(TCreateParams& params) override;

private:
    friend TMessageForm* CreateMessageDialog(const std::string&, TMsgDlgType, TMsgDlgButtons);
    std::array<TButton*, kMsgDlgButtonKinds> buttons_{};
    // The message label as static text for screen readers (it has no window that they could read).
    TStaticTextElements texts_;
};

// Builds the hidden dialog, owned by the application; the caller shows it and frees it.
TMessageForm* CreateMessageDialog(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons);

// Shows the text with an OK button, centred on the screen, captioned with the application title, and
// returns when it is closed: 1 for OK, Enter or Esc; 2 for the close box or when the program is ending.
int ShowMessage(const std::string& text);

// The caption widths measured so far, one per button kind (0 until a dialog with that kind was built);
// kept for the life of the process.
std::array<int, kMsgDlgButtonKinds>& MessageDialogButtonWidths();
