// Two hooks of the C run-time's start-up code that the program has no use for, defined here so
// that the linker leaves out the run-time's versions and what they bring (3.5 KB of the program).
#include <cstdlib>

// Auto-imported data would need its references patched at start-up, through the section table and
// page protections; the program is linked with auto-import turned off (app/CMakeLists.txt), so a
// reference to data in a DLL without its import declaration fails the link instead, and there is
// nothing to patch. The list the linker made is checked all the same: a program with entries in it
// cannot run without them.
extern "C" char __RUNTIME_PSEUDO_RELOC_LIST__[], __RUNTIME_PSEUDO_RELOC_LIST_END__[];

extern "C" void _pei386_runtime_relocator() {
    if (+__RUNTIME_PSEUDO_RELOC_LIST__ != +__RUNTIME_PSEUDO_RELOC_LIST_END__)
        std::abort();
}

// The math library's error hook: the start-up code names it, but installs it only when a debugging
// switch is set, which this program never sets. The run-time's version prints to the standard
// error stream, which a windowed program does not have.
struct _exception;
extern "C" int _matherr(_exception*) {
    return 0;
}
