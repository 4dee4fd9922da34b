#include "shell/timers_win.h"

#include "base/exceptions.h"
#include "base/strings.h"
#include "shell/windowproc_win.h"

namespace {
constexpr char kTimerWindowClass[] = "TTimerWindow";
}  // namespace

TTimerPool& Timers() {
    static TTimerPool pool;
    return pool;
}

TTimerPool::~TTimerPool() {
    if (!window_)
        return;
    for (const auto& [handle, handler] : handlers_)
        KillTimer(window_.get(), handle);
}

HWND TTimerPool::Window() {
    if (window_)
        return window_.get();
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA cls{};
    cls.lpfnWndProc = &TTimerPool::WindowProc;
    cls.hInstance = instance;
    cls.lpszClassName = kTimerWindowClass;
    RegisterWindowClass(cls);
    // A message-only window: never visible, never among the thread's top-level windows.
    window_.reset(CreateWindowExA(0, kTimerWindowClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, this));
    if (!window_)
        throw EOutOfResources(LoadStr(StrId::SOutOfTimers));
    return window_.get();
}

TTimerHandle TTimerPool::FreeHandle() const {
    // Hand out handles round-robin so that a stopped timer's late message finds no new owner.
    if (handlers_.size() >= capacity_)
        return 0;
    TTimerHandle candidate = next_;
    for (unsigned tries = 0; tries < capacity_; ++tries) {
        if (candidate == 0 || candidate > capacity_)
            candidate = 1;
        if (handlers_.find(candidate) == handlers_.end())
            return candidate;
        ++candidate;
    }
    return 0;
}

void TTimerPool::Start(TTimerHandle& slot, UINT period, std::function<void()> handler) {
    if (slot != 0 && handlers_.count(slot))
        return;
    HWND window = Window();
    const TTimerHandle handle = FreeHandle();
    if (handle == 0 || SetTimer(window, handle, period, nullptr) == 0)
        throw EOutOfResources(LoadStr(StrId::SOutOfTimers));
    handlers_[handle] = std::move(handler);
    next_ = static_cast<TTimerHandle>(handle + 1);
    slot = handle;
}

void TTimerPool::Stop(TTimerHandle& slot) {
    if (slot == 0)
        return;
    if (handlers_.erase(slot) && window_)
        KillTimer(window_.get(), slot);
    slot = 0;
}

void TTimerPool::Fire(TTimerHandle handle) {
    const auto found = handlers_.find(handle);
    if (found == handlers_.end())
        return;
    const std::function<void()> handler = found->second;  // the handler may stop its own timer
    if (handler)
        handler();
}

LRESULT CALLBACK TTimerPool::WindowProc(HWND window, UINT msg, WPARAM wparam, LPARAM lparam) {
    return OwnedWindowProc<TTimerPool>(
        window, msg, wparam, lparam, [](TTimerPool& pool, HWND window, TMessage& message) {
            if (message.Msg != WM_TIMER) {
                message.Result = DefWindowProcA(window, message.Msg, message.WParam, message.LParam);
                return;
            }
            try {
                pool.Fire(static_cast<TTimerHandle>(message.WParam));
            } catch (...) {
                ReportWindowProcException(nullptr);
            }
        });
}
