// Building the menu window from the menu model, once, at the end of the window's construction.
#include "app/form1_win.h"

#include "shell/application_win.h"

void TForm1::BuildMenu() {
    // The background: the list's first item, which the panel paints. The client area takes the
    // bitmap's size before the list holds it, so that the panel builds its background buffer once,
    // at the final size (added first, the buffer was built at the design size and twice more as
    // the width and then the height grew). Width and height change in one resize, so that the
    // window and the panel aligned in it are resized once.
    auto* item = new TLMDBitmapListItem(ImgList);
    item->Bitmap().LoadFromFile(MenuInfo->BackgroundPath());
    SetClientSize(item->Bitmap().Width(), item->Bitmap().Height());
    ImgList->Add(item);
    Application->SetTitle(MenuInfo->AppTaskName());
    SetCaption(MenuInfo->AppName());
    if (!MenuInfo->IconPath().empty()) {
        Application->Icon().LoadFromFile(MenuInfo->IconPath());
        Icon().Assign(Application->Icon());
    }
    std::vector<TLMDSpeedButton*> buttons;
    for (int i = 0; i < MenuInfo->ProgCount(); ++i)
        if (const TProgInfo* entry = MenuInfo->GetEntry(i)) {
            buttons.push_back(ButtonFor(i));
            Configure(*buttons.back(), *entry, i);
        }
    keyboard_.SetButtons(buttons);
    accessibility_.SetButtons(std::move(buttons), &keyboard_);
    SetAccessibleElements(&accessibility_);
    RunPanel->SetAccessibleElements(&accessibility_);
}

TLMDSpeedButton* TForm1::ButtonFor(int index) {
    if (index == 0)
        return btnTemplate;
    auto* button = new TLMDSpeedButton(btnTemplate);
    button->SetParent(btnTemplate->Parent());
    button->SetEnterColorChange(btnTemplate->EnterColorChange());
    button->SetFontFX(btnTemplate->FontFX());
    button->SetStyle(btnTemplate->Style());
    button->OnClick = btnTemplate->OnClick;
    return button;
}

void TForm1::Configure(TLMDSpeedButton& button, const TProgInfo& entry, int index) {
    // One move, not four: each repaints the button's old and new places on the panel.
    button.SetBounds(entry.X, entry.Y, entry.Width, entry.Height);
    button.SetCaption(entry.ButtonText);
    button.SetFont(entry.Font);
    button.SetEnterColor(entry.HighlightColor);
    button.FontFX().SetColor(0, entry.TopContourColor);
    button.FontFX().SetColor(1, entry.BottomContourColor);
    button.Tag = index;
    button.SetEnabled(IsEntryRunnable(index));
}

bool TForm1::IsEntryRunnable(int index) const {
    const TProgInfo* entry = MenuInfo->GetEntry(index);
    return entry && ::IsEntryRunnable(*entry);
}
