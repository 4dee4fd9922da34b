#pragma once
// Test helper: runs an action on each message dialog that opens, from inside its modal loop. A
// thread timer fires in the dialog's nested loop, finds the visible dialog window of this thread and
// runs the action once per dialog, so keys and commands arrive through the program's own message
// handling.

#include <windows.h>

#include <functional>
#include <string>

class OnMessageDialog {
public:
    explicit OnMessageDialog(std::function<void(HWND dialog)> action) {
        Current() = this;
        action_ = std::move(action);
        timer_ = SetTimer(nullptr, 0, 30, &OnMessageDialog::Tick);
    }
    ~OnMessageDialog() {
        KillTimer(nullptr, timer_);
        Current() = nullptr;
    }
    OnMessageDialog(const OnMessageDialog&) = delete;
    OnMessageDialog& operator=(const OnMessageDialog&) = delete;
    bool Ran() const { return count_ > 0; }
    int Count() const { return count_; }

private:
    static OnMessageDialog*& Current() {
        static OnMessageDialog* current = nullptr;
        return current;
    }
    static BOOL CALLBACK Find(HWND window, LPARAM found) {
        char name[32] = {};
        GetClassNameA(window, name, sizeof name);
        if (std::string(name) == "TMessageForm" && IsWindowVisible(window)) {
            *reinterpret_cast<HWND*>(found) = window;
            return FALSE;
        }
        return TRUE;
    }
    static VOID CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        OnMessageDialog* self = Current();
        if (!self)
            return;
        HWND dialog = nullptr;
        EnumThreadWindows(GetCurrentThreadId(), &Find, reinterpret_cast<LPARAM>(&dialog));
        if (!dialog || dialog == self->last_)
            return;
        self->last_ = dialog;
        ++self->count_;
        self->action_(dialog);
    }

    std::function<void(HWND)> action_;
    UINT_PTR timer_ = 0;
    HWND last_ = nullptr;
    int count_ = 0;
};

// Presses a key on the focused window of this thread, through the message queue.
inline void PressKey(WPARAM key) {
    PostMessageA(GetFocus(), WM_KEYDOWN, key, 1);
    PostMessageA(GetFocus(), WM_KEYUP, key, 0xC0000001);
}
