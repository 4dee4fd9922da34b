#include "app/form1_win.h"

#include "app/backgroundpaint_win.h"
#include "settings/filenames.h"
#include "shell/application_win.h"

TForm1::TForm1(TComponent* owner) : TForm(owner) {
    // The window's design: fixed single border, system menu and minimise box, centred when shown.
    BorderStyle = bsSingle;
    BorderIcons = biSystemMenu | biMinimize;
    Position = poScreenCenter;
    ShowHint = true;
    SetColor(clBtnFace);
    Font().SetName("MS Sans Serif");
    Font().SetHeight(-11);
    Font().SetColor(clWindowText);
    Font().SetCharset(DEFAULT_CHARSET);
    Font().SetStyle(0);
    SetClientWidth(320);
    SetClientHeight(240);

    ProgramDir = NormalDir(FileDirPart(ProgramFileName()));
    MenuInfo = std::make_unique<TVornelInfo>(ProgramDir + "menu.ini");
    BuildMenu();
}

TForm1::~TForm1() {
    BeginDestroying();
}

void TForm1::BuildMenu() {
    background_.LoadFromFile(MenuInfo->BackgroundPath());
    background_.OnChange = [this] { Invalidate(); };
    SetClientWidth(background_.Width());
    SetClientHeight(background_.Height());
    Application->SetTitle(MenuInfo->AppTaskName());
    SetCaption(MenuInfo->AppName());
    if (!MenuInfo->IconPath().empty()) {
        Application->Icon().LoadFromFile(MenuInfo->IconPath());
        Icon().Assign(Application->Icon());
    }
}

void TForm1::WMEraseBkgnd(TMessage& message) {
    if (background_.Empty()) {
        TForm::WMEraseBkgnd(message);
        return;
    }
    message.Result = 1;
}

void TForm1::Paint() {
    PaintBackground(Canvas(), background_);
}
