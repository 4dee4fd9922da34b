// The eight thread functions that the C++ exception runtime and the GCC unwinder call: the locks
// around the unwinder's list of registered code and the exception allocator's emergency pool,
// one-time initialisation, and the thread-local key under which each thread's exception state
// lives. The POSIX thread library that the compiler's runtime was built against would otherwise be
// linked for these alone, with its thread creation, condition variables and read-write locks (31 KB
// of the program). They are built on the system's own primitives and are right for any number of
// threads, although the program throws on its one thread only. Linked as an object of the program,
// so its definitions come before the libraries the runtime is searched in.
#include <windows.h>

#include <pthread.h>
#include <cerrno>
#include <cstdlib>

// Run by the C run-time start-up code's thread-exit handler on a TLS slot's value, when a thread ends
// with the value set (the destructor of a POSIX thread-local key). Returns 0, or -1 when out of memory.
extern "C" int ___w64_mingwthr_add_key_dtor(DWORD key, void (*destructor)(void*));

namespace {

// A mutex is one pointer-sized word: the address of its critical section, or 0 or the static
// initialiser's -1 while none is made yet.
bool Made(pthread_mutex_t word) {
    return word != 0 && word != PTHREAD_MUTEX_INITIALIZER;
}

CRITICAL_SECTION* NewSection() {
    auto* section = static_cast<CRITICAL_SECTION*>(std::malloc(sizeof(CRITICAL_SECTION)));
    if (section)
        InitializeCriticalSection(section);
    return section;
}

void FreeSection(CRITICAL_SECTION* section) {
    DeleteCriticalSection(section);
    std::free(section);
}

// The mutex's critical section, made on first use when none was made yet; the first thread to store
// its own wins. Null when out of memory.
CRITICAL_SECTION* Section(pthread_mutex_t* mutex) {
    auto* word = reinterpret_cast<void* volatile*>(mutex);
    void* const seen = InterlockedCompareExchangePointer(word, nullptr, nullptr);
    if (Made(reinterpret_cast<pthread_mutex_t>(seen)))
        return static_cast<CRITICAL_SECTION*>(seen);
    CRITICAL_SECTION* made = NewSection();
    if (!made)
        return nullptr;
    void* const before = InterlockedCompareExchangePointer(word, made, seen);
    if (before == seen)
        return made;
    FreeSection(made);
    return static_cast<CRITICAL_SECTION*>(before);
}

}  // namespace

extern "C" {

int pthread_mutex_init(pthread_mutex_t* mutex, const pthread_mutexattr_t*) {
    CRITICAL_SECTION* made = NewSection();
    *mutex = made ? reinterpret_cast<pthread_mutex_t>(made) : PTHREAD_MUTEX_INITIALIZER;
    return made ? 0 : ENOMEM;
}

int pthread_mutex_destroy(pthread_mutex_t* mutex) {
    if (Made(*mutex))
        FreeSection(reinterpret_cast<CRITICAL_SECTION*>(*mutex));
    // Used again after all (by a destructor at exit), it makes a new section.
    *mutex = PTHREAD_MUTEX_INITIALIZER;
    return 0;
}

int pthread_mutex_lock(pthread_mutex_t* mutex) {
    CRITICAL_SECTION* section = Section(mutex);
    if (!section)
        return ENOMEM;
    EnterCriticalSection(section);
    return 0;
}

int pthread_mutex_unlock(pthread_mutex_t* mutex) {
    if (!Made(*mutex))
        return EPERM;
    LeaveCriticalSection(reinterpret_cast<CRITICAL_SECTION*>(*mutex));
    return 0;
}

// The flag goes from 0 (not run) to 1 (running) to 2 (done); a thread that finds it running waits
// for the one that runs it.
int pthread_once(pthread_once_t* once, void (*run)(void)) {
    enum : LONG { NotRun, Running, Done };
    if (InterlockedCompareExchange(once, Running, NotRun) == NotRun) {
        run();
        InterlockedExchange(once, Done);
        return 0;
    }
    while (InterlockedCompareExchange(once, Done, Done) != Done)
        Sleep(1);
    return 0;
}

int pthread_key_create(pthread_key_t* key, void (*destructor)(void*)) {
    const DWORD slot = TlsAlloc();
    if (slot == TLS_OUT_OF_INDEXES)
        return EAGAIN;
    if (destructor && ___w64_mingwthr_add_key_dtor(slot, destructor) != 0) {
        TlsFree(slot);
        return ENOMEM;
    }
    *key = slot;
    return 0;
}

// The runtime asks for the exception state inside catch blocks: the thread's last-error code stays
// as it was, as code there may still read it.
void* pthread_getspecific(pthread_key_t key) {
    const DWORD error = GetLastError();
    void* value = TlsGetValue(key);
    SetLastError(error);
    return value;
}

int pthread_setspecific(pthread_key_t key, const void* value) {
    return TlsSetValue(key, const_cast<void*>(value)) ? 0 : EINVAL;
}

}  // extern "C"
