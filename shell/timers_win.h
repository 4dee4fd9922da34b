#pragma once
// Periodic timers on the GUI thread. Each timer has a 16-bit handle (0 = none) that its user keeps in
// a slot; the timers run on one hidden window of the pool, and their handlers are called when its
// timer messages are dispatched. An exception from a handler is reported through the application.

#include <windows.h>

#include <cstdint>
#include <functional>
#include <map>

#include "base/handles_win.h"

using TTimerHandle = uint16_t;

class TTimerPool {
public:
    // A pool handing out at most `capacity` handles (1 to 65535).
    explicit TTimerPool(TTimerHandle capacity = 0xFFFF) : capacity_(capacity) {}
    ~TTimerPool();
    TTimerPool(const TTimerPool&) = delete;
    TTimerPool& operator=(const TTimerPool&) = delete;

    // Starts a timer calling handler every period milliseconds and stores its handle in slot. A slot
    // that already holds a timer is left as it is. Raises EOutOfResources "Not enough timers
    // available" when the system or the pool has no timer left.
    void Start(TTimerHandle& slot, UINT period, std::function<void()> handler);
    // Stops the slot's timer, forgets its handler and clears the slot; an empty slot is left alone.
    void Stop(TTimerHandle& slot);

    size_t Count() const { return handlers_.size(); }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT msg, WPARAM wparam, LPARAM lparam);
    HWND Window();
    void Fire(TTimerHandle handle);
    TTimerHandle FreeHandle() const;

    UniqueWindow window_;
    TTimerHandle capacity_;
    TTimerHandle next_ = 1;
    std::map<TTimerHandle, std::function<void()>> handlers_;
};

// The program's timer pool (created on first use, on the GUI thread).
TTimerPool& Timers();
