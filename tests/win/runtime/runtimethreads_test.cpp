// The program's own thread functions for the exception runtime (app/runtimethreads_win.cpp), linked
// here as into the program: on several system threads at once, exceptions are thrown and caught,
// one-time initialisation runs once, statically initialised mutexes exclude each other, and a
// thread-local key's destructor runs when its thread ends. These threads are the system's own, and
// the program does without GoogleTest: the thread library's thread creation and condition variables
// would bring the library's own definitions of the same functions.
#include <pthread.h>

#include <cstdio>
#include <functional>
#include <mutex>
#include <stdexcept>
#include <string>
#include <vector>

#include "base/handles_win.h"

namespace {

constexpr int kThreads = 8;

struct Start {
    const std::function<void(int)>* body;
    int index;
    HANDLE go;
};

DWORD WINAPI RunOne(void* parameter) {
    const Start& start = *static_cast<const Start*>(parameter);
    WaitForSingleObject(start.go, INFINITE);
    (*start.body)(start.index);
    return 0;
}

// Runs body(index) on kThreads threads that start together, and waits until all of them ended.
void OnThreads(const std::function<void(int)>& body) {
    const UniqueFile go(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    std::vector<Start> starts;
    for (int i = 0; i < kThreads; ++i)
        starts.push_back({&body, i, go.get()});
    std::vector<UniqueFile> threads;
    for (Start& start : starts) {
        threads.emplace_back(CreateThread(nullptr, 0, RunOne, &start, 0, nullptr));
    }
    SetEvent(go.get());
    for (const UniqueFile& thread : threads)
        WaitForSingleObject(thread.get(), INFINITE);
}

// Each check returns what went wrong, or nothing.
using Failure = std::string;

Failure EachThreadCatchesItsOwnExceptions() {
    volatile LONG wrong = 0;
    OnThreads([&](int index) {
        for (int round = 0; round < 200; ++round) {
            const std::string mine = std::to_string(index) + "/" + std::to_string(round);
            try {
                try {
                    throw std::runtime_error(mine);
                } catch (const std::exception&) {
                    // The exception being handled is this thread's, while the others throw theirs.
                    if (std::uncaught_exceptions() != 0)
                        InterlockedIncrement(&wrong);
                    throw;
                }
            } catch (const std::runtime_error& error) {
                if (error.what() != mine)
                    InterlockedIncrement(&wrong);
            }
        }
    });
    return wrong == 0 ? "" : std::to_string(wrong) + " exceptions caught wrongly";
}

Failure TheLastErrorCodeReachesTheCatchBlock() {
    SetLastError(ERROR_FILE_NOT_FOUND);
    try {
        throw std::runtime_error("with the code set");
    } catch (const std::exception&) {
        const DWORD code = GetLastError();
        return code == ERROR_FILE_NOT_FOUND ? "" : "the code is " + std::to_string(code);
    }
}

Failure OnceRunsOnceAndTheOthersWaitForIt() {
    static volatile LONG runs = 0;
    static pthread_once_t once = PTHREAD_ONCE_INIT;
    volatile LONG early = 0;
    OnThreads([&](int) {
        pthread_once(&once, [] {
            Sleep(50);
            InterlockedIncrement(&runs);
        });
        if (runs != 1)
            InterlockedIncrement(&early);
    });
    if (runs != 1)
        return "ran " + std::to_string(runs) + " times";
    return early == 0 ? "" : std::to_string(early) + " threads went on before it ran";
}

Failure AStaticallyInitialisedMutexExcludes() {
    static std::mutex mutex;
    long count = 0;
    OnThreads([&](int) {
        for (int i = 0; i < 500; ++i) {
            const std::lock_guard<std::mutex> hold(mutex);
            // The other threads run between the read and the write, unless the lock keeps them out.
            const long seen = count;
            Sleep(0);
            count = seen + 1;
        }
    });
    return count == kThreads * 500L ? "" : "counted " + std::to_string(count);
}

Failure AKeysDestructorRunsWhenItsThreadEnds() {
    static std::vector<int> destroyed(kThreads, 0);
    static pthread_key_t key;
    if (pthread_key_create(&key, [](void* value) { ++destroyed[*static_cast<int*>(value)]; }) != 0)
        return "no key";
    std::vector<int> indexes(kThreads);
    OnThreads([&](int index) {
        indexes[index] = index;
        pthread_setspecific(key, &indexes[index]);
        if (pthread_getspecific(key) != &indexes[index])
            indexes[index] = -1;
    });
    for (int i = 0; i < kThreads; ++i) {
        if (indexes[i] != i)
            return "thread " + std::to_string(i) + " read another value";
        if (destroyed[i] != 1)
            return "thread " + std::to_string(i) + "'s value destroyed " + std::to_string(destroyed[i]) + " times";
    }
    return "";
}

}  // namespace

// The first check throws the process's first exceptions, on all threads at once.
int main() {
    const struct {
        const char* name;
        Failure (*check)();
    } checks[] = {
        {"EachThreadCatchesItsOwnExceptions", EachThreadCatchesItsOwnExceptions},
        {"TheLastErrorCodeReachesTheCatchBlock", TheLastErrorCodeReachesTheCatchBlock},
        {"OnceRunsOnceAndTheOthersWaitForIt", OnceRunsOnceAndTheOthersWaitForIt},
        {"AStaticallyInitialisedMutexExcludes", AStaticallyInitialisedMutexExcludes},
        {"AKeysDestructorRunsWhenItsThreadEnds", AKeysDestructorRunsWhenItsThreadEnds},
    };
    int failed = 0;
    for (const auto& c : checks) {
        const Failure failure = c.check();
        std::printf("%s %s%s%s\n", failure.empty() ? "[ OK ]" : "[FAIL]", c.name, failure.empty() ? "" : ": ",
                    failure.c_str());
        failed += !failure.empty();
    }
    return failed;
}
