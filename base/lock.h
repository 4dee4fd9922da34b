#pragma once
// A lock for data that more than one thread could reach, with lock() and unlock() for
// std::lock_guard. On Windows it is the system's critical section: std::mutex there is the POSIX
// thread library's mutex and brings in the C++ library's system_error with it.

#include <memory>

class TLock {
public:
    TLock();
    ~TLock();
    TLock(const TLock&) = delete;
    TLock& operator=(const TLock&) = delete;

    void lock();
    void unlock();

private:
    struct State;
    std::unique_ptr<State> state_;
};
