#include <gtest/gtest.h>

#include <objbase.h>

#include <stdexcept>

#include "shell/application_win.h"
#include "shell/form_win.h"

namespace {

TEST(ApplicationWindow, IsAHiddenPopupOfClassTApplicationAtTheScreenCentre) {
    TApplication application;
    HWND window = application.Handle();
    ASSERT_NE(window, nullptr);
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    EXPECT_STREQ(name, "TApplication");
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)), 0x84CA0000u);
    // The system adds the window-edge flag to captioned windows by itself; nothing else is set.
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(window, GWL_EXSTYLE)) & ~static_cast<DWORD>(WS_EX_WINDOWEDGE), 0u);
    EXPECT_EQ(GetWindow(window, GW_OWNER), nullptr);
    EXPECT_FALSE(IsWindowVisible(window));
    RECT rect;
    GetWindowRect(window, &rect);
    EXPECT_EQ(rect.left, GetSystemMetrics(SM_CXSCREEN) / 2);
    EXPECT_EQ(rect.top, GetSystemMetrics(SM_CYSCREEN) / 2);
}

TEST(ApplicationWindow, ClassHasNoStyleCursorOrBrush) {
    TApplication application;
    WNDCLASSA cls{};
    ASSERT_TRUE(GetClassInfoA(GetModuleHandleA(nullptr), "TApplication", &cls));
    EXPECT_EQ(cls.style, 0u);
    EXPECT_EQ(cls.hCursor, nullptr);
    EXPECT_EQ(cls.hbrBackground, nullptr);
}

TEST(ApplicationWindow, ShowsTheApplicationIconAsBigAndClassIcon) {
    TApplication application;
    // The test program has no "MAINICON": the system's default application icon stands in.
    EXPECT_TRUE(application.Icon().Empty());
    HICON expected = LoadIcon(nullptr, IDI_APPLICATION);
    EXPECT_EQ(application.IconHandle(), expected);
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(application.Handle(), WM_GETICON, ICON_BIG, 0)), expected);
    EXPECT_EQ(reinterpret_cast<HICON>(GetClassLongPtrA(application.Handle(), GCLP_HICON)), expected);
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(application.Handle(), WM_QUERYDRAGICON, 0, 0)), expected);
}

TEST(ApplicationWindow, SystemMenuHasNoMaximizeSizeOrMove) {
    TApplication application;
    HMENU menu = GetSystemMenu(application.Handle(), FALSE);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(GetMenuState(menu, SC_MAXIMIZE, MF_BYCOMMAND), static_cast<UINT>(-1));
    EXPECT_EQ(GetMenuState(menu, SC_SIZE, MF_BYCOMMAND), static_cast<UINT>(-1));
    EXPECT_EQ(GetMenuState(menu, SC_MOVE, MF_BYCOMMAND), static_cast<UINT>(-1));
    EXPECT_NE(GetMenuState(menu, SC_MINIMIZE, MF_BYCOMMAND), static_cast<UINT>(-1));
    EXPECT_NE(GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND), static_cast<UINT>(-1));
}

TEST(ApplicationObject, IsReachableWhileItExists) {
    {
        TApplication application;
        EXPECT_EQ(Application, &application);
    }
    EXPECT_EQ(Application, nullptr);
}

TEST(ApplicationObject, InitialisesComAsASingleThreadedApartmentUntilItEnds) {
    {
        TApplication application;
        application.Initialize();
        // The thread is in a single-threaded apartment now: the multi-threaded one is refused.
        const HRESULT other = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        EXPECT_EQ(other, RPC_E_CHANGED_MODE);
        if (SUCCEEDED(other))
            CoUninitialize();
    }
    const HRESULT after = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    EXPECT_TRUE(SUCCEEDED(after));
    if (SUCCEEDED(after))
        CoUninitialize();
}

bool QuitPosted(WPARAM* code = nullptr) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            if (code)
                *code = msg.wParam;
            return true;
        }
        DispatchMessageA(&msg);
    }
    return false;
}

TEST(Terminate, PostsTheQuitMessageWithCodeZeroAndReturns) {
    TApplication application;
    application.Terminate();
    EXPECT_FALSE(application.Terminated());
    WPARAM code = 99;
    EXPECT_TRUE(QuitPosted(&code));
    EXPECT_EQ(code, 0u);
}

TEST(CreateForm, MakesTheFirstFormTheMainFormWithItsWindow) {
    TApplication application;
    TForm* first = nullptr;
    TForm* second = nullptr;
    application.CreateForm(first);
    application.CreateForm(second);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(application.MainForm(), first);
    EXPECT_TRUE(first->HandleAllocated());
    EXPECT_FALSE(second->HandleAllocated());
    EXPECT_EQ(first->Owner(), &application);
    EXPECT_EQ(second->Owner(), &application);
}

class FailingForm : public TForm {
public:
    explicit FailingForm(TComponent* owner) : TForm(owner) {
        HandleNeeded();
        throw EFOpenError("Cannot open file x");
    }
};

TEST(CreateForm, LeavesTheReferenceEmptyAndPassesAConstructorsException) {
    TApplication application;
    FailingForm* form = reinterpret_cast<FailingForm*>(1);
    EXPECT_THROW(application.CreateForm(form), EFOpenError);
    EXPECT_EQ(form, nullptr);
    EXPECT_EQ(application.MainForm(), nullptr);
    EXPECT_EQ(application.ComponentCount(), 0);
}

TEST(Run, ShowsTheMainFormAndEndsWithTheQuitMessage) {
    TApplication application;
    TForm* form = nullptr;
    application.CreateForm(form);
    form->Position = poScreenCenter;
    application.CmdShow = SW_SHOWNORMAL;
    application.Terminate();
    application.Run();
    EXPECT_TRUE(application.Terminated());
    EXPECT_FALSE(application.Running());
    EXPECT_TRUE(IsWindowVisible(form->Handle()));
    // While a form shows, the application window shows too (0 x 0, only its taskbar button).
    EXPECT_TRUE(IsWindowVisible(application.Handle()));
}

TEST(Run, ReturnsAtOnceWithoutAMainForm) {
    TApplication application;
    application.Run();
    EXPECT_FALSE(application.Running());
    EXPECT_FALSE(application.Terminated());
}

TEST(Run, MinimisesTheApplicationWhenStartedMinimised) {
    TApplication application;
    TForm* form = nullptr;
    application.CreateForm(form);
    application.CmdShow = SW_SHOWMINNOACTIVE;
    application.Terminate();
    application.Run();
    EXPECT_TRUE(IsIconic(application.Handle()));
    EXPECT_FALSE(form->Visible());
    EXPECT_FALSE(IsWindowVisible(form->Handle()));

    // A click on the taskbar button restores the application and shows the main form.
    SendMessageA(application.Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_FALSE(IsIconic(application.Handle()));
    EXPECT_TRUE(form->Visible());
    EXPECT_TRUE(IsWindowVisible(form->Handle()));
    EXPECT_EQ(form->WindowState(), wsNormal);
}

TEST(MainForm, MinimiseBoxMinimisesTheApplication) {
    TApplication application;
    TForm* form = nullptr;
    application.CreateForm(form);
    form->Show();
    SendMessageA(form->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(IsIconic(application.Handle()));
    EXPECT_FALSE(IsIconic(form->Handle()));
    SendMessageA(application.Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_FALSE(IsIconic(application.Handle()));
    EXPECT_TRUE(IsWindowVisible(form->Handle()));
    RECT rect;
    GetWindowRect(application.Handle(), &rect);
    EXPECT_EQ(rect.left, GetSystemMetrics(SM_CXSCREEN) / 2);
    EXPECT_EQ(rect.top, GetSystemMetrics(SM_CYSCREEN) / 2);
}

TEST(MainForm, ClosingItTerminatesAndLeavesItOnScreen) {
    TApplication application;
    TForm* form = nullptr;
    application.CreateForm(form);
    form->Show();
    SendMessageA(form->Handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(QuitPosted());
    EXPECT_TRUE(IsWindow(form->Handle()));
    EXPECT_TRUE(IsWindowVisible(form->Handle()));
}

TEST(MainForm, ClosingTheApplicationWindowClosesTheMainForm) {
    TApplication application;
    TForm* form = nullptr;
    application.CreateForm(form);
    SendMessageA(application.Handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(QuitPosted());
    EXPECT_TRUE(IsWindow(application.Handle()));
}

TEST(OtherForms, AreHiddenWhenClosed) {
    TApplication application;
    TForm* main = nullptr;
    TForm* other = nullptr;
    application.CreateForm(main);
    application.CreateForm(other);
    other->Show();
    SendMessageA(other->Handle(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(other->Visible());
    EXPECT_FALSE(IsWindowVisible(other->Handle()));
    EXPECT_FALSE(QuitPosted());
}

TEST(EndSession, SetsTheTerminateFlagWhenWindowsReallyEnds) {
    TApplication application;
    SendMessageA(application.Handle(), WM_ENDSESSION, FALSE, 0);
    EXPECT_FALSE(application.Terminated());
    SendMessageA(application.Handle(), WM_ENDSESSION, TRUE, 0);
    EXPECT_TRUE(application.Terminated());
}

}  // namespace
