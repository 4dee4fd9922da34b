// The accessible client object of a window with self-drawn elements, read through the same calls a
// screen reader makes (AccessibleObjectFromWindow and the IAccessible methods) in this process.
#include <gtest/gtest.h>

#include <oleacc.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "shell/accessibleobject_win.h"
#include "shell/application_win.h"
#include "shell/button_win.h"
#include "shell/form_win.h"
#include "shell/msgdlg_win.h"
#include "tests/common/msaa_win.h"
#include "tests/win/widgets_probe.h"

namespace {

VARIANT Id(long id) {
    return ChildIdVariant(id);
}

std::string Text(BSTR text) {
    std::string out;
    for (const wchar_t* p = text; p && *p; ++p)
        out += static_cast<char>(*p);
    SysFreeString(text);
    return out;
}

class TestElements : public TAccessibleElements {
public:
    std::vector<TAccessibleElement> elements;
    std::vector<const TControl*> controls;
    std::vector<int> actions;
    bool failing = false;  // every element read raises

    int AccessibleCount() override { return static_cast<int>(elements.size()); }
    TAccessibleElement AccessibleElement(int index) override {
        if (failing)
            throw std::runtime_error("element unreadable");
        return elements.at(static_cast<size_t>(index));
    }
    int AccessibleIndexOf(const TControl* control) override {
        for (size_t i = 0; i < controls.size(); ++i)
            if (controls[i] == control)
                return static_cast<int>(i);
        return -1;
    }
    void DoAccessibleDefaultAction(int index) override { actions.push_back(index); }
};

class AccessibleWindow : public testing::Test {
protected:
    void SetUp() override {
        CoInitialize(nullptr);
        SKIP_WITHOUT_ACCESSIBLE_OBJECTS();
        form.SetBounds(100, 100, 400, 300);
        form.SetClientWidth(300);
        form.SetClientHeight(200);
        origin = form.ClientToScreen(POINT{0, 0});
        // Two overlapping buttons (the later one on top), a disabled one and one of zero size.
        Add("&Install", 10, 10, 100, 30, 0);
        Add("Read && print", 60, 20, 100, 30, STATE_SYSTEM_HOTTRACKED);
        Add("Gone", 10, 100, 100, 30, STATE_SYSTEM_UNAVAILABLE);
        Add("Hidden", 200, 20, 0, 0, STATE_SYSTEM_INVISIBLE);
        form.SetAccessibleElements(&elements);
        ASSERT_EQ(
            AccessibleObjectFromWindow(form.Handle(), OBJID_CLIENT, IID_IAccessible, reinterpret_cast<void**>(&acc)),
            S_OK);
    }
    void TearDown() override {
        if (acc)
            acc->Release();
        CoUninitialize();
    }
    void Add(const char* name, int x, int y, int w, int h, long state) {
        TAccessibleElement e;
        e.Name = name;
        e.State = state;
        e.DefaultAction = "Press";
        e.ScreenRect = RECT{origin.x + x, origin.y + y, origin.x + x + w, origin.y + y + h};
        elements.elements.push_back(e);
    }
    long HitAt(int x, int y) {
        VARIANT hit;
        EXPECT_EQ(acc->accHitTest(origin.x + x, origin.y + y, &hit), S_OK);
        EXPECT_EQ(hit.vt, VT_I4);
        return hit.lVal;
    }
    long Navigate(long direction, long from) {
        VARIANT to;
        const HRESULT hr = acc->accNavigate(direction, Id(from), &to);
        if (hr != S_OK)
            return -1;
        EXPECT_EQ(to.vt, VT_I4);
        return to.lVal;
    }
    void PumpMessages() {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
    }

    TApplication application;
    TForm form{&application};
    TestElements elements;
    POINT origin{};
    IAccessible* acc = nullptr;
};

TEST_F(AccessibleWindow, HitTestFindsTheTopmostShownElementOrTheWindow) {
    const struct {
        int x, y;
        long expected;
    } cases[] = {
        {15, 15, 1},              // the first alone
        {70, 25, 2},              // both: the later lies above
        {20, 110, 3},             // disabled elements are still found
        {200, 20, CHILDID_SELF},  // a zero-size element is not
        {290, 190, CHILDID_SELF},
    };
    for (const auto& c : cases)
        EXPECT_EQ(HitAt(c.x, c.y), c.expected) << c.x << "," << c.y;
    VARIANT outside;
    EXPECT_EQ(acc->accHitTest(origin.x - 5, origin.y + 5, &outside), S_FALSE);
    EXPECT_EQ(outside.vt, VT_EMPTY);
}

TEST_F(AccessibleWindow, NavigatesInOrderAndByPlace) {
    const struct {
        long direction, from, expected;  // -1: nothing there
    } cases[] = {
        {NAVDIR_FIRSTCHILD, CHILDID_SELF, 1},
        {NAVDIR_LASTCHILD, CHILDID_SELF, 4},
        {NAVDIR_NEXT, 1, 2},
        {NAVDIR_NEXT, 4, -1},
        {NAVDIR_PREVIOUS, 3, 2},
        {NAVDIR_PREVIOUS, 1, -1},
        {NAVDIR_DOWN, 1, 3},
        {NAVDIR_UP, 3, 2},  // the nearest above
        {NAVDIR_RIGHT, 1, -1},
        {NAVDIR_FIRSTCHILD, 1, -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Navigate(c.direction, c.from), c.expected) << c.direction << " from " << c.from;
    BSTR text = nullptr;
    for (long bad : {5L, -1L})
        EXPECT_EQ(acc->get_accName(Id(bad), &text), E_INVALIDARG) << bad;
    HWND window = nullptr;
    EXPECT_EQ(WindowFromAccessibleObject(acc, &window), S_OK);
    EXPECT_EQ(window, form.Handle());
}

TEST_F(AccessibleWindow, DefaultActionRunsFromTheQueueAfterTheCallReturns) {
    EXPECT_EQ(acc->accDoDefaultAction(Id(2)), S_OK);
    EXPECT_TRUE(elements.actions.empty());
    PumpMessages();
    EXPECT_EQ(elements.actions, std::vector<int>{1});
    // Disabled and invisible elements cannot be pressed.
    EXPECT_EQ(acc->accDoDefaultAction(Id(3)), DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(acc->accDoDefaultAction(Id(4)), DISP_E_MEMBERNOTFOUND);
    PumpMessages();
    EXPECT_EQ(elements.actions, std::vector<int>{1});
}

TEST_F(AccessibleWindow, AfterTheWindowIsGoneEveryCallAnswersDisconnectedAndTheLastReleaseFreesIt) {
    HWND window = form.Handle();
    SendMessageA(window, WM_GETOBJECT, 0, OBJID_CLIENT);  // a request whose answer nobody collects
    DestroyWindow(window);
    long count = 0;
    EXPECT_EQ(acc->get_accChildCount(&count), CO_E_OBJNOTCONNECTED);
    BSTR text = nullptr;
    EXPECT_EQ(acc->get_accName(Id(1), &text), CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(text, nullptr);
    VARIANT v;
    EXPECT_EQ(acc->accHitTest(origin.x + 15, origin.y + 15, &v), CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(acc->accDoDefaultAction(Id(1)), CO_E_OBJNOTCONNECTED);
    // Nothing else holds the object: neither the window nor the uncollected answer.
    EXPECT_EQ(acc->Release(), 0u);
    acc = nullptr;
}

TEST_F(AccessibleWindow, AnExceptionWhileAnsweringIsAFailureNotAnUnwindIntoTheCaller) {
    elements.failing = true;
    BSTR text = nullptr;
    EXPECT_EQ(acc->get_accName(Id(1), &text), E_FAIL);
    EXPECT_EQ(text, nullptr);
    long left = 1, top = 1, width = 1, height = 1;
    EXPECT_EQ(acc->accLocation(&left, &top, &width, &height, Id(2)), E_FAIL);
    VARIANT v;
    EXPECT_EQ(acc->accHitTest(origin.x + 15, origin.y + 15, &v), E_FAIL);
    EXPECT_EQ(acc->accNavigate(NAVDIR_DOWN, Id(1), &v), E_FAIL);
    EXPECT_EQ(acc->accDoDefaultAction(Id(1)), E_FAIL);
    // What does not read an element still answers.
    long count = 0;
    EXPECT_EQ(acc->get_accChildCount(&count), S_OK);
    EXPECT_EQ(count, 4);
    elements.failing = false;
    EXPECT_EQ(acc->get_accName(Id(1), &text), S_OK);
    SysFreeString(text);
}

// State change events reach a hook of this thread through its message queue.
std::vector<std::pair<HWND, LONG>> g_events;
void CALLBACK RecordEvent(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD, DWORD) {
    if (object == OBJID_CLIENT)
        g_events.emplace_back(window, child);
}

TEST_F(AccessibleWindow, EnablingOrDisablingAnElementsControlAnnouncesAStateChange) {
    auto* control = new ProbeControl(&form, RECT{10, 10, 110, 40});
    elements.controls = {nullptr, nullptr, control};
    auto* stranger = new ProbeControl(&form, RECT{0, 0, 5, 5});
    g_events.clear();
    HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_STATECHANGE, EVENT_OBJECT_STATECHANGE, nullptr, RecordEvent,
                                         GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    ASSERT_NE(hook, nullptr);
    control->SetEnabled(false);
    stranger->SetEnabled(false);  // not an element: no event
    control->SetEnabled(false);   // no change: no event
    for (int i = 0; i < 20 && g_events.empty(); ++i) {
        PumpMessages();
        Sleep(10);
    }
    PumpMessages();
    UnhookWinEvent(hook);
    ASSERT_EQ(g_events.size(), 1u);
    EXPECT_EQ(g_events[0].first, form.Handle());
    EXPECT_EQ(g_events[0].second, 3);
}

}  // namespace

namespace {

TEST(AccessibleControlElement, ShowsCaptionPlaceAndStatesOfAWindowlessControl) {
    TApplication application;
    TForm form(&application);
    form.SetClientWidth(200);
    form.SetClientHeight(100);
    const POINT origin = form.ClientToScreen(POINT{0, 0});
    const struct {
        RECT bounds;
        bool enabled, visible;
        long state;
    } cases[] = {
        {{10, 20, 60, 40}, true, true, 0},
        {{10, 20, 60, 40}, false, true, STATE_SYSTEM_UNAVAILABLE},
        {{10, 20, 60, 40}, true, false, STATE_SYSTEM_INVISIBLE},
        {{10, 20, 10, 40}, true, true, STATE_SYSTEM_INVISIBLE},  // zero width
        {{50, 20, 90, 20}, true, true, STATE_SYSTEM_INVISIBLE},  // zero height
        {{190, 90, 260, 120}, true, true, 0},                    // partly outside: still shown
        {{200, 20, 260, 40}, true, true, STATE_SYSTEM_OFFSCREEN},
    };
    for (const auto& c : cases) {
        ProbeControl control(&form, c.bounds);
        control.SetCaption("&Read && print");
        control.SetEnabled(c.enabled);
        control.SetVisible(c.visible);
        const TAccessibleElement e = AccessibleControlElement(control);
        EXPECT_EQ(e.Name, "Read & print");
        EXPECT_EQ(e.State, c.state) << c.bounds.left << "," << c.bounds.top;
        EXPECT_EQ(e.ScreenRect.left, origin.x + c.bounds.left);
        EXPECT_EQ(e.ScreenRect.bottom, origin.y + c.bounds.bottom);
    }
}

}  // namespace

namespace {

TEST(MessageDialogAccessibility, TextIsStaticTextThenTheButtonsAndTheObjectGoesWithTheDialog) {
    SKIP_WITHOUT_ACCESSIBLE_OBJECTS();
    CoInitialize(nullptr);
    {
        TApplication application;
        auto* dialog = CreateMessageDialog("Insert disc &2 && go on", mtCustom, MsgDlgButton(mbOK));
        IAccessible* acc = nullptr;
        ASSERT_EQ(
            AccessibleObjectFromWindow(dialog->Handle(), OBJID_CLIENT, IID_IAccessible, reinterpret_cast<void**>(&acc)),
            S_OK);
        long count = 0;
        EXPECT_EQ(acc->get_accChildCount(&count), S_OK);
        EXPECT_EQ(count, 2);
        BSTR text = nullptr;
        EXPECT_EQ(acc->get_accName(Id(1), &text), S_OK);
        EXPECT_EQ(Text(text), "Insert disc 2 & go on");
        VARIANT v;
        EXPECT_EQ(acc->get_accRole(Id(1), &v), S_OK);
        EXPECT_EQ(v.lVal, ROLE_SYSTEM_STATICTEXT);
        IDispatch* button = nullptr;
        ASSERT_EQ(acc->get_accChild(Id(2), &button), S_OK);
        HWND found = nullptr;
        EXPECT_EQ(WindowFromAccessibleObject(reinterpret_cast<IAccessible*>(button), &found), S_OK);
        EXPECT_EQ(found, dialog->Button(mbOK)->Handle());
        button->Release();
        delete dialog;
        EXPECT_EQ(acc->get_accName(Id(1), &text), CO_E_OBJNOTCONNECTED);
        EXPECT_EQ(acc->Release(), 0u);
    }
    CoUninitialize();
}

}  // namespace
