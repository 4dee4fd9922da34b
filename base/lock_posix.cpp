#include "base/lock.h"

#include <mutex>

struct TLock::State {
    std::mutex mutex;
};

TLock::TLock() : state_(std::make_unique<State>()) {}

TLock::~TLock() = default;

void TLock::lock() {
    state_->mutex.lock();
}

void TLock::unlock() {
    state_->mutex.unlock();
}
