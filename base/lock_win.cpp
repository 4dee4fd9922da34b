#include "base/lock.h"

#include <windows.h>

struct TLock::State {
    CRITICAL_SECTION section;
};

TLock::TLock() : state_(std::make_unique<State>()) {
    InitializeCriticalSection(&state_->section);
}

TLock::~TLock() {
    DeleteCriticalSection(&state_->section);
}

void TLock::lock() {
    EnterCriticalSection(&state_->section);
}

void TLock::unlock() {
    LeaveCriticalSection(&state_->section);
}
