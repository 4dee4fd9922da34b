#pragma once
// Keys that were already down when a window took over the keyboard (a message dialog opened by a key
// press, the menu getting the focus back while the key is still held): their further key-downs are
// the keyboard's auto-repeat, not presses, until the key has been released. The repeat flag alone
// does not tell: Wine sends the first repeat after a change of focus without it.

#include <windows.h>

#include <bitset>
#include <initializer_list>

class THeldKeys {
public:
    // Notes which of the keys are down now, as the thread's key state says.
    void NoteHeld(std::initializer_list<int> keys) {
        held_.reset();
        for (int key : keys)
            held_[static_cast<size_t>(key & 0xFF)] = GetKeyState(key) < 0;
    }
    // A key-down that is no press: a repeat, or the key was held before and not released since.
    bool Repeat(WPARAM key, LPARAM flags) const {
        return (HIWORD(flags) & KF_REPEAT) != 0 || held_[static_cast<size_t>(key & 0xFF)];
    }
    void Released(WPARAM key) { held_[static_cast<size_t>(key & 0xFF)] = false; }

private:
    std::bitset<256> held_;
};
