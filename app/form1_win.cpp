#include "app/form1_win.h"

#include "app/launch_win.h"
#include "settings/filenames.h"

TForm1::TForm1(TComponent* owner) : TForm(owner) {
    CreateDesign();
    ProgramDir = NormalDir(FileDirPart(ProgramFileName()));
    MenuInfo = std::make_unique<TVornelInfo>(ProgramDir + "menu.ini");
    BuildMenu();
}

TForm1::~TForm1() {
    BeginDestroying();
    // The buttons go with the window; the keyboard forgets them and readers are told before.
    keyboard_.SetButtons({});
    SetAccessibleElements(nullptr);
    RunPanel->SetAccessibleElements(nullptr);
}

void TForm1::CreateDesign() {
    // The window: fixed single border, system menu and minimise box, centred when shown.
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
    SetClientSize(320, 240);

    // The children are loaded together: none of them draws or reacts to the others' values until
    // all of them are complete.
    RunPanel = new TLMDBackPanel(this);
    btnTemplate = new TLMDSpeedButton(this);
    ImgList = new TLMDBitmapList(this);
    RunPanel->BeginLoading();
    btnTemplate->BeginLoading();
    ImgList->BeginLoading();

    RunPanel->SetParent(this);
    RunPanel->SetBounds(0, 0, 320, 240);
    RunPanel->SetAlign(alClient);
    RunPanel->Bevel().SetMode(bmCustom);
    RunPanel->Bevel().SetStandardStyle(lsSingleLowered);

    btnTemplate->SetParent(RunPanel);
    btnTemplate->SetBounds(7, 6, 233, 24);
    btnTemplate->SetStyle(ubsExplorer);
    btnTemplate->SetEnterColor(clLime);
    btnTemplate->SetEnterColorChange(true);
    TFont& font = btnTemplate->Font();
    font.SetName("Times New Roman");
    font.SetHeight(-19);
    font.SetColor(clYellow);
    font.SetCharset(RUSSIAN_CHARSET);
    font.SetStyle(fsBold);
    btnTemplate->SetParentFont(false);
    btnTemplate->FontFX().SetStyle(tdSunkenShadow);
    btnTemplate->FontFX().SetLightColor(clBlack);
    btnTemplate->FontFX().SetShadowColor(clBlack);
    btnTemplate->OnClick = [this](TComponent* sender) { btnTemplateClick(sender); };

    ImgList->DefaultCompressed = true;
    // The list is declared after the panel: the panel finds it once everything is loaded.
    RunPanel->SetImageList(ImgList);

    RunPanel->Loaded();
    btnTemplate->Loaded();
    ImgList->Loaded();
}

void TForm1::WndProc(TMessage& message) {
    if (keyboard_.HandleMessage(message))
        return;
    TForm::WndProc(message);
    keyboard_.AfterMessage(message);
}

void TForm1::btnTemplateClick(TComponent* sender) {
    // The unconfigured template (a menu without entries) has no entry and launches nothing.
    if (!sender)
        return;
    if (const TProgInfo* entry = MenuInfo->GetEntry(sender->Tag))
        LaunchEntry(*entry);
}
