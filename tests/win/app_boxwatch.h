#pragma once
// Test helper: a thread that watches for the system's message boxes (dialog class "#32770") of this
// process, records their caption and text and the enabled state of a chosen window while they are up,
// and closes each with OK.

#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

struct SeenBox {
    std::string caption;
    std::string text;
    bool watchedWindowEnabled = true;
    HWND owner = nullptr;
};

class BoxWatcher {
public:
    explicit BoxWatcher(HWND watched = nullptr) : watched_(watched), thread_([this] { Watch(); }) {}
    ~BoxWatcher() {
        stop_ = true;
        thread_.join();
    }
    std::vector<SeenBox> Boxes() {
        std::lock_guard<std::mutex> lock(mutex_);
        return boxes_;
    }

private:
    struct Search {
        DWORD process;
        HWND found;
    };
    static BOOL CALLBACK FindBox(HWND window, LPARAM data) {
        auto* search = reinterpret_cast<Search*>(data);
        char name[16] = {};
        GetClassNameA(window, name, sizeof name);
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        if (process == search->process && std::string(name) == "#32770" && IsWindowVisible(window)) {
            search->found = window;
            return FALSE;
        }
        return TRUE;
    }
    void Watch() {
        while (!stop_) {
            Search search{GetCurrentProcessId(), nullptr};
            EnumWindows(&FindBox, reinterpret_cast<LPARAM>(&search));
            if (search.found) {
                SeenBox box;
                char text[1024] = {};
                GetWindowTextA(search.found, text, sizeof text);
                box.caption = text;
                GetDlgItemTextA(search.found, 0xFFFF, text, sizeof text);
                box.text = text;
                box.owner = GetWindow(search.found, GW_OWNER);
                if (watched_)
                    box.watchedWindowEnabled = IsWindowEnabled(watched_) != FALSE;
                {
                    std::lock_guard<std::mutex> lock(mutex_);
                    boxes_.push_back(box);
                }
                SendMessageA(search.found, WM_COMMAND, IDOK, 0);
                // Wait until it has gone before looking for the next one.
                for (int i = 0; i < 200 && IsWindow(search.found) && IsWindowVisible(search.found); ++i)
                    Sleep(5);
            }
            Sleep(10);
        }
    }

    HWND watched_;
    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    std::vector<SeenBox> boxes_;
    std::thread thread_;
};
