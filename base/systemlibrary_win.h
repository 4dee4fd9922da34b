#pragma once
// A library of the system that the program loads when it first calls one of its functions, instead
// of at start-up through the import table: the libraries that only some runs use (the screen-reader
// interface, the shell) then cost the other starts nothing. A call answers as a failed one when its
// library or function cannot be had.

#include <windows.h>

#include <utility>

class SystemLibrary {
public:
    // `fileName`: the library's file in the system folder, for instance "oleacc.dll".
    explicit SystemLibrary(const char* fileName) : fileName_(fileName) {}
    SystemLibrary(const SystemLibrary&) = delete;
    SystemLibrary& operator=(const SystemLibrary&) = delete;

    // The library's exported function, the library loaded at the first call. Null when the library
    // cannot be loaded (tried once) or does not export the function; the thread's last error then
    // says why, and is left as it was otherwise.
    FARPROC Find(const char* function);
    bool Loaded() const { return module_ != nullptr; }

private:
    const char* fileName_;
    bool tried_ = false;
    DWORD loadError_ = ERROR_SUCCESS;
    // Held until the process ends, as an imported library is: threads that a call started (the
    // shell's) may still run the library's code while the program's statics are destroyed.
    HMODULE module_ = nullptr;
};

// One function of a system library, found at its first call; `Signature` is the function's type
// (`decltype(::ShellExecuteA)`). A call answers `failure` while the function cannot be had.
template <typename Signature, typename Result>
class SystemFunction {
public:
    SystemFunction(SystemLibrary& library, const char* name, Result failure)
        : library_(library), name_(name), failure_(failure) {}

    template <typename... Args>
    Result operator()(Args&&... args) {
        if (!function_)
            function_ = reinterpret_cast<Signature*>(reinterpret_cast<void (*)()>(library_.Find(name_)));
        return function_ ? function_(std::forward<Args>(args)...) : failure_;
    }

private:
    SystemLibrary& library_;
    const char* name_;
    Result failure_;
    Signature* function_ = nullptr;
};
