// The menu driven by the real keyboard, from outside the running menu.exe: the focus order of Tab,
// Shift+Tab, the arrows, Home and End, read through the menu's accessible object as a screen reader
// reads it; Enter and Space pressing the focused entry; a held key pressing once; the focus cue on
// the screen, hidden until the first key; and the focus back on its button after a message.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "tests/common/msaa_win.h"
#include "tests/process/accessible_reader_win.h"
#include "tests/process/launch_disc_win.h"
#include "tests/process/menu_process_win.h"

namespace {

std::string Button(int n, int x, int y, const std::string& caption, const std::string& keys) {
    return "[Prog_" + std::to_string(n) + "]\r\nX=" + std::to_string(x) + "\r\nY=" + std::to_string(y) +
           "\r\nWidth=130\r\nHeight=28\r\nButtonText=" + caption + "\r\n" + keys;
}

std::string Launches(const std::string& parameters) {
    return "ExePath=bin\\recorder.exe\r\nExeCommandLine=" + parameters + "\r\nTerminateAfterStart=0\r\n";
}

// Two columns:   1 Install   2 Extras
//                3 Missing   5 Manual      (3 is disabled: its target does not exist)
//                6 Readme                  (4 has no size: the definition gives it no place)
const std::string kGrid =
    Button(1, 20, 30, "&Install", Launches("/first")) + Button(2, 170, 30, "Extras", Launches("/second")) +
    Button(3, 20, 70, "Missing", "ExePath=missing.exe\r\n") + "[Prog_4]\r\nButtonText=Hidden\r\n" +
    Launches("/fourth") + Button(5, 170, 70, "Manual", Launches("/fifth")) +
    Button(6, 20, 110, "Readme", Launches("/sixth"));

// The grid's buttons in client coordinates, by child id (1-based); 3 and 4 are never focused.
const RECT kPlaces[] = {{}, {20, 30, 150, 58},  {170, 30, 300, 58}, {20, 70, 150, 98},
                        {}, {170, 70, 300, 98}, {20, 110, 150, 138}};

// The menu of a launch disc running with the mouse parked away from it.
struct KeyboardMenu {
    KeyboardMenu(const std::string& entries, int count) : disc(entries, count) {
        SetCursorPos(0, 0);
        menu = std::make_unique<MenuProcess>(disc.PathOf("menu.exe"), disc.Path());
        window = menu->WaitForMenuWindow();
        if (window)
            origin = Describe(window).clientOrigin;
    }
    ~KeyboardMenu() {
        for (WORD key : {VK_RETURN, VK_SPACE, VK_SHIFT})
            KeyUp(key);
        if (window)
            PostMessageA(window, WM_CLOSE, 0, 0);
    }
    POINT At(int x, int y) const { return POINT{origin.x + x, origin.y + y}; }
    ScreenShot Shot() const { return ScreenShot(RECT{origin.x, origin.y, origin.x + 320, origin.y + 240}); }
    // Pixels of the line where a button's focus cue runs (2 pixels inside its top edge) that differ
    // from the background.
    int CueMarks(const ScreenShot& shot, const RECT& place) const {
        const RECT line{origin.x + place.left + 2, origin.y + place.top + 2, origin.x + place.right - 2,
                        origin.y + place.top + 3};
        return (line.right - line.left) - shot.Count(line, kLaunchDiscBackground);
    }
    // The child ids whose focus-cue line shows marks.
    std::vector<long> Cues(const ScreenShot& shot) const {
        std::vector<long> cues;
        for (long id = 1; id <= 6; ++id)
            if (!IsRectEmpty(&kPlaces[id]) && CueMarks(shot, kPlaces[id]) > 0)
                cues.push_back(id);
        return cues;
    }
    // Waits up to two seconds for the screen to show the cue on exactly these buttons.
    std::vector<long> WaitForCues(const std::vector<long>& expected) const {
        std::vector<long> cues;
        for (int i = 0; i < 40 && (cues = Cues(Shot())) != expected; ++i)
            Sleep(50);
        return cues;
    }

    LaunchDisc disc;
    std::unique_ptr<MenuProcess> menu;
    HWND window = nullptr;
    POINT origin{};
};

// Waits up to two seconds until the reader's focus is `expected`; the last focus read.
long WaitForFocus(const AccessibleReader& reader, long expected) {
    long focus = -1;
    for (int i = 0; i < 40 && (focus = reader.Focus()) != expected; ++i)
        Sleep(50);
    return focus;
}

// The window that has the keyboard focus in the menu's GUI thread.
HWND FocusOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndFocus;
}

TEST(MenuKeyboard, TabShiftTabArrowsHomeAndEndMoveTheFocusOverEnabledButtonsWithASize) {
    SKIP_WITHOUT_ACCESSIBLE_OBJECTS();
    ComScope com;
    KeyboardMenu run(kGrid, 6);
    ASSERT_NE(run.window, nullptr);
    AccessibleReader reader(run.window);
    ASSERT_TRUE(reader.Valid());
    ASSERT_EQ(WaitForFocus(reader, CHILDID_SELF), CHILDID_SELF);  // the window, no button yet

    const struct {
        WORD key;
        bool shifted;
        long focus;
    } steps[] = {
        {VK_TAB, false, 1},  {VK_TAB, false, 2},   {VK_TAB, false, 5},  {VK_TAB, false, 6},
        {VK_TAB, false, 1},  // round to the first
        {VK_TAB, true, 6},   {VK_TAB, true, 5},    {VK_TAB, true, 2},   {VK_TAB, true, 1},
        {VK_DOWN, false, 6},  // over the disabled one
        {VK_UP, false, 1},   {VK_RIGHT, false, 2}, {VK_DOWN, false, 5}, {VK_LEFT, false, 1},
        {VK_END, false, 6},  {VK_RIGHT, false, 5}, {VK_UP, false, 2},   {VK_HOME, false, 1},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(testing::Message() << "key " << step.key << (step.shifted ? " with Shift" : "") << " to "
                                        << step.focus);
        TapKey(step.key, step.shifted);
        ASSERT_EQ(WaitForFocus(reader, step.focus), step.focus);
        for (long id = 1; id <= 6; ++id) {
            const long state = reader.State(id);
            EXPECT_EQ((state & STATE_SYSTEM_FOCUSED) != 0, id == step.focus) << id;
            EXPECT_EQ((state & STATE_SYSTEM_FOCUSABLE) != 0, id != 3 && id != 4) << id;
        }
    }
    // Nothing lies that way: the focus stays.
    for (WORD key : {VK_UP, VK_LEFT}) {
        TapKey(key);
        Sleep(300);
        EXPECT_EQ(reader.Focus(), 1) << key;
    }
    EXPECT_EQ(FocusOf(run.window), run.window);  // the menu window keeps the focus for its buttons
    EXPECT_FALSE(run.disc.Recorded());           // moving presses nothing
}

// What a screen reader hears on Tab: the focus event, followed to its object, names the button.
struct FocusEvents {
    FocusEvents() {
        Current() = this;
        hook = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_FOCUS, nullptr, &FocusEvents::OnEvent, 0, 0,
                               WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS);
    }
    ~FocusEvents() {
        UnhookWinEvent(hook);
        Current() = nullptr;
    }
    // Waits up to five seconds for a focus event on a child of the window; what the reader reads
    // there: name, role and state. The name is empty when none came.
    struct Heard {
        std::string name;
        long role = 0, state = 0;
    };
    Heard Next(HWND window) {
        for (int i = 0; i < 100; ++i) {
            MSG msg;
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageA(&msg);
            while (!events.empty()) {
                const Event e = events.front();
                events.erase(events.begin());
                if (e.window != window || e.objectId != OBJID_CLIENT || e.childId <= 0)
                    continue;
                long child = -1;
                const AccessibleReader reader = AccessibleReader::FromEvent(e.window, e.objectId, e.childId, &child);
                if (reader.Valid())
                    return Heard{reader.Name(child), reader.Role(child), reader.State(child)};
            }
            Sleep(50);
        }
        return {};
    }

private:
    struct Event {
        HWND window;
        long objectId, childId;
    };
    static FocusEvents*& Current() {
        static FocusEvents* current = nullptr;
        return current;
    }
    static void CALLBACK OnEvent(HWINEVENTHOOK, DWORD, HWND window, LONG objectId, LONG childId, DWORD, DWORD) {
        if (Current())
            Current()->events.push_back(Event{window, objectId, childId});
    }
    HWINEVENTHOOK hook = nullptr;
    std::vector<Event> events;
};

TEST(MenuKeyboard, AScreenReaderHearsTheButtonThatTabReaches) {
    SKIP_WITHOUT_ACCESSIBLE_OBJECTS();
    ComScope com;
    KeyboardMenu run(kGrid, 6);
    ASSERT_NE(run.window, nullptr);
    FocusEvents events;
    const struct {
        WORD key;
        bool shifted;
        const char* name;
    } steps[] = {
        {VK_TAB, false, "Install"}, {VK_TAB, false, "Extras"}, {VK_TAB, true, "Install"}, {VK_END, false, "Readme"}};
    for (const auto& step : steps) {
        TapKey(step.key, step.shifted);
        const FocusEvents::Heard heard = events.Next(run.window);
        EXPECT_EQ(heard.name, step.name);
        EXPECT_EQ(heard.role, ROLE_SYSTEM_PUSHBUTTON) << step.name;
        EXPECT_EQ(heard.state, STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_FOCUSED) << step.name;
    }
}

TEST(MenuKeyboard, EnterLaunchesTheFocusedEntryWithItsParametersAndFolder) {
    KeyboardMenu run(kGrid, 6);
    ASSERT_NE(run.window, nullptr);
    TapKey(VK_RETURN);  // nothing is focused yet
    Sleep(500);
    EXPECT_FALSE(run.disc.Recorded());
    TapKey(VK_TAB);
    TapKey(VK_RETURN);
    std::string record = run.disc.Record(1);
    EXPECT_NE(record.find("recorder.exe\" /first\r\nfolder: " + run.disc.PathOf("bin") + "\r\n"), std::string::npos)
        << record;
    TapKey(VK_RIGHT);
    TapKey(VK_RETURN);
    record = run.disc.Record(2);
    EXPECT_NE(record.find("recorder.exe\" /second\r\n"), std::string::npos) << record;
    EXPECT_EQ(run.menu->WaitForExit(300), static_cast<DWORD>(STILL_ACTIVE));
}

// Waits until the process shows a message dialog and presses its OK with the real Enter key.
bool ConfirmWithEnter(const MenuProcess& menu) {
    const HWND dialog = menu.WaitForWindow("TMessageForm", 15000);
    if (!dialog)
        return false;
    TapKey(VK_RETURN);
    for (int i = 0; i < 250 && IsWindowVisible(dialog); ++i)
        Sleep(20);
    return !IsWindowVisible(dialog);
}

TEST(MenuKeyboard, SpaceShowsTheMessageLaunchesShowsTheSecondMessageAndCloses) {
    KeyboardMenu run(Entry(1,
                           "ExePath=bin\\recorder.exe\r\nExeCommandLine=/space\r\nPreRunMessage=Insert disc 2.\r\n"
                           "AfterRunMessage=Setup is running.\r\n"),
                     1);
    ASSERT_NE(run.window, nullptr);
    TapKey(VK_TAB);
    KeyDown(VK_SPACE);
    EXPECT_EQ(run.menu->WaitForWindow("TMessageForm", 500), nullptr);  // Space presses on release
    KeyUp(VK_SPACE);
    ASSERT_NE(run.menu->WaitForWindow("TMessageForm", 15000), nullptr);
    // The pressed look while the message is up: the sunken frame, shadow at the top.
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    const COLORREF shadowRgb = RGB(GetBValue(shadow), GetGValue(shadow), GetRValue(shadow));
    const RECT topEdge{run.At(11, 10).x, run.At(11, 10).y, run.At(109, 11).x, run.At(109, 11).y};
    int sunken = 0;
    for (int i = 0; i < 40 && (sunken = run.Shot().Count(topEdge, shadowRgb)) != 98; ++i)
        Sleep(50);
    EXPECT_EQ(sunken, 98);
    Sleep(300);
    EXPECT_FALSE(run.disc.Recorded());
    ASSERT_TRUE(ConfirmWithEnter(*run.menu));
    EXPECT_NE(run.disc.Record(1).find("/space"), std::string::npos);
    ASSERT_TRUE(ConfirmWithEnter(*run.menu));
    EXPECT_EQ(run.menu->WaitForExit(), 0u);
}

TEST(MenuKeyboard, AHeldEnterPressesOnceAndTheFocusComesBackToItsButton) {
    SKIP_WITHOUT_ACCESSIBLE_OBJECTS();
    ComScope com;
    KeyboardMenu run(
        Entry(1, "ExePath=bin\\recorder.exe\r\nPreRunMessage=Read me first.\r\nTerminateAfterStart=0\r\n") +
            Entry(2, "ExePath=bin\\recorder.exe\r\nTerminateAfterStart=0\r\n"),
        2);
    ASSERT_NE(run.window, nullptr);
    AccessibleReader reader(run.window);
    ASSERT_TRUE(reader.Valid());
    TapKey(VK_TAB);
    ASSERT_EQ(WaitForFocus(reader, 1), 1);
    KeyDown(VK_RETURN);
    const HWND dialog = run.menu->WaitForWindow("TMessageForm", 15000);
    ASSERT_NE(dialog, nullptr);
    for (int i = 0; i < 8; ++i, Sleep(60))
        KeyDown(VK_RETURN);  // the keyboard's repeats of the held key
    KeyUp(VK_RETURN);
    Sleep(300);
    EXPECT_TRUE(IsWindowVisible(dialog));  // the message stays until a fresh press
    EXPECT_FALSE(run.disc.Recorded());
    // Tab in the message does no harm: the focus stays on its OK button, which Enter then presses.
    const HWND ok = FocusOf(dialog);
    ASSERT_NE(ok, nullptr);
    TapKey(VK_TAB);
    TapKey(VK_TAB, true);
    Sleep(200);
    EXPECT_EQ(FocusOf(dialog), ok);
    EXPECT_TRUE(IsWindowVisible(dialog));
    ASSERT_TRUE(ConfirmWithEnter(*run.menu));
    EXPECT_FALSE(run.disc.Record(1).empty());
    EXPECT_EQ(run.menu->WaitForWindow("TMessageForm", 1000), nullptr);
    EXPECT_EQ(run.disc.Record(2, 500), "");  // launched once
    // The focus is back on the pressed button: the reader finds it there and Tab goes on from it.
    EXPECT_EQ(WaitForFocus(reader, 1), 1);
    EXPECT_EQ(FocusOf(run.window), run.window);
    EXPECT_EQ(GetForegroundWindow(), run.window);
    TapKey(VK_TAB);
    EXPECT_EQ(WaitForFocus(reader, 2), 2);

    // Enter held from the message that it closes: its repeats on the menu press nothing.
    TapKey(VK_TAB, true);
    ASSERT_EQ(WaitForFocus(reader, 1), 1);
    TapKey(VK_RETURN);
    const HWND again = run.menu->WaitForWindow("TMessageForm", 15000);
    ASSERT_NE(again, nullptr);
    KeyDown(VK_RETURN);
    ASSERT_FALSE(run.disc.Record(2).empty());
    for (int i = 0; i < 8; ++i, Sleep(60))
        KeyDown(VK_RETURN);
    KeyUp(VK_RETURN);
    EXPECT_EQ(run.menu->WaitForWindow("TMessageForm", 1000), nullptr);
    EXPECT_EQ(run.disc.Record(3, 500), "");
}

TEST(MenuKeyboard, TheFocusCueShowsFromTheFirstKeyBesideTheHoverLook) {
    KeyboardMenu run(kGrid, 6);
    ASSERT_NE(run.window, nullptr);
    Sleep(300);
    EXPECT_EQ(run.Cues(run.Shot()), std::vector<long>{});
    TapKey(VK_TAB);
    EXPECT_EQ(run.WaitForCues({1}), std::vector<long>{1});
    // A dotted line: every other pixel of it is marked.
    const int marks = run.CueMarks(run.Shot(), kPlaces[1]);
    EXPECT_GE(marks, 55);
    EXPECT_LE(marks, 70);
    TapKey(VK_TAB);
    EXPECT_EQ(run.WaitForCues({2}), std::vector<long>{2});

    // The mouse over another button: its hover frame there, the cue stays here.
    const COLORREF highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF highlightRgb = RGB(GetBValue(highlight), GetGValue(highlight), GetRValue(highlight));
    const auto hoverFrame = [&](const ScreenShot& shot, const RECT& place) {
        const POINT a = run.At(place.left + 1, place.top), b = run.At(place.right - 1, place.top + 1);
        return shot.Count(RECT{a.x, a.y, b.x, b.y}, highlightRgb) == place.right - place.left - 2;
    };
    MoveCursorTo(run.At(60, 44));
    bool hovered = false;
    for (int i = 0; i < 40 && !(hovered = hoverFrame(run.Shot(), kPlaces[1])); ++i)
        Sleep(50);
    EXPECT_TRUE(hovered);
    EXPECT_EQ(run.Cues(run.Shot()), std::vector<long>{2});
    // Over the focused one: both on it.
    MoveCursorTo(run.At(230, 44));
    for (int i = 0; i < 40 && !(hovered = hoverFrame(run.Shot(), kPlaces[2])); ++i)
        Sleep(50);
    EXPECT_TRUE(hovered);
    EXPECT_FALSE(hoverFrame(run.Shot(), kPlaces[1]));
    EXPECT_EQ(run.Cues(run.Shot()), std::vector<long>{2});
    MoveCursorTo(POINT{0, 0});
}

TEST(MenuKeyboard, TheMouseLeavesTheFocusWhereItIs) {
    KeyboardMenu run(kGrid, 6);
    ASSERT_NE(run.window, nullptr);
    const auto click = [&](POINT at) {
        MoveCursorTo(at);
        Sleep(300);
        PressLeftButton();
        ReleaseLeftButton();
        MoveCursorTo(POINT{0, 0});
    };
    click(run.At(230, 44));  // entry 2
    ASSERT_FALSE(run.disc.Record(1).empty());
    Sleep(300);
    EXPECT_EQ(run.Cues(run.Shot()), std::vector<long>{});  // not one pixel of a cue with the mouse alone
    TapKey(VK_TAB);
    EXPECT_EQ(run.WaitForCues({1}), std::vector<long>{1});  // the first key starts at the first button
    click(run.At(230, 84));                                 // entry 5
    ASSERT_FALSE(run.disc.Record(2).empty());
    Sleep(300);
    EXPECT_EQ(run.Cues(run.Shot()), std::vector<long>{1});
}

// The system's "always show keyboard cues" setting for the scope of the object; a program reads it
// when it starts.
class KeyboardCuesSetting {
public:
    explicit KeyboardCuesSetting(bool shown) {
        SystemParametersInfoA(SPI_GETKEYBOARDCUES, 0, &saved_, 0);
        Set(shown);
    }
    ~KeyboardCuesSetting() { Set(saved_ != FALSE); }

private:
    static void Set(bool shown) {
        SystemParametersInfoA(SPI_SETKEYBOARDCUES, 0, reinterpret_cast<void*>(static_cast<INT_PTR>(shown)),
                              SPIF_UPDATEINIFILE | SPIF_SENDCHANGE);
    }
    BOOL saved_ = FALSE;
};

LRESULT UiState(HWND window) {
    return SendMessageA(window, WM_QUERYUISTATE, 0, 0);
}

TEST(MenuKeyboard, FocusCuesAreHiddenUntilTheFirstKeyUnlessTheSystemAlwaysShowsThem) {
    {
        SCOPED_TRACE("cues hidden until the keyboard is used");
        KeyboardCuesSetting setting(false);
        KeyboardMenu run(kGrid, 6);
        ASSERT_NE(run.window, nullptr);
        EXPECT_EQ(UiState(run.window), UISF_HIDEFOCUS);  // accelerators are always underlined
        TapKey(VK_TAB);
        EXPECT_EQ(run.WaitForCues({1}), std::vector<long>{1});
        EXPECT_EQ(UiState(run.window), 0);
        // Another program (or the system) hides the cues again: gone until the next key.
        SendMessageA(run.window, WM_CHANGEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS), 0);
        EXPECT_EQ(UiState(run.window), UISF_HIDEFOCUS);
        EXPECT_EQ(run.WaitForCues({}), std::vector<long>{});
        TapKey(VK_TAB);
        EXPECT_EQ(run.WaitForCues({2}), std::vector<long>{2});
    }
    {
        SCOPED_TRACE("cues always shown");
        KeyboardCuesSetting setting(true);
        KeyboardMenu run(kGrid, 6);
        ASSERT_NE(run.window, nullptr);
        EXPECT_EQ(UiState(run.window), 0);
        Sleep(300);
        EXPECT_EQ(run.Cues(run.Shot()), std::vector<long>{});  // no button has the focus yet
    }
}

}  // namespace

namespace {

// A screen reader walking the message dialog from another process: the dialog's object, then
// AccessibleChildren down the tree, finds the text as static text and the OK button as a push button
// named "OK" whose default action is "Press".
TEST(MessageDialogFromOutside, ReadsAsStaticTextAndAnOkPushButtonWalkingTheTree) {
    SKIP_WITHOUT_ACCESSIBLE_OBJECTS();
    ComScope com;
    KeyboardMenu run(Entry(1, "ExePath=bin\\recorder.exe\r\nPreRunMessage=Insert disc 2.\r\nTerminateAfterStart=0\r\n"),
                     1);
    ASSERT_NE(run.window, nullptr);
    TapKey(VK_TAB);
    TapKey(VK_RETURN);
    const HWND dialog = run.menu->WaitForWindow("TMessageForm", 15000);
    ASSERT_NE(dialog, nullptr);
    AccessibleReader reader(dialog);
    ASSERT_TRUE(reader.Valid());
    const long count = reader.ChildCount();
    ASSERT_EQ(count, 2);
    std::vector<VARIANT> children(static_cast<size_t>(count));
    long got = 0;
    ASSERT_EQ(AccessibleChildren(reader.Object(), 0, count, children.data(), &got), S_OK);
    ASSERT_EQ(got, 2);
    ASSERT_EQ(children[0].vt, VT_I4);
    EXPECT_EQ(reader.Name(children[0].lVal), "Insert disc 2.");
    EXPECT_EQ(reader.Role(children[0].lVal), ROLE_SYSTEM_STATICTEXT);
    ASSERT_EQ(children[1].vt, VT_DISPATCH);
    IAccessible* object = nullptr;
    ASSERT_EQ(children[1].pdispVal->QueryInterface(IID_IAccessible, reinterpret_cast<void**>(&object)), S_OK);
    VariantClear(&children[1]);
    const AccessibleReader button = AccessibleReader::Adopt(object);
    EXPECT_EQ(button.Name(CHILDID_SELF), "OK");
    EXPECT_EQ(button.Role(CHILDID_SELF), ROLE_SYSTEM_PUSHBUTTON);
    EXPECT_EQ(button.DefaultAction(CHILDID_SELF), "Press");
    EXPECT_NE(button.State(CHILDID_SELF) & STATE_SYSTEM_FOCUSED, 0);
    // Pressing it there closes the message and the launch goes on.
    EXPECT_EQ(button.DoDefaultAction(CHILDID_SELF), S_OK);
    EXPECT_FALSE(run.disc.Record(1).empty());
}

}  // namespace
