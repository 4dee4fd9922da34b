#pragma once
// The dialog-key step of the message loop: Enter and Esc pressed on one of the program's windows go
// to the form that window lies on (CM_DIALOGKEY), where its default or cancel button takes them,
// unless the focused window wants those keys itself. Only a fresh press counts: the auto-repeat of a
// key, or a key held since before a modal form appeared (the Enter that opened it, say), closes
// nothing unread.

#include <windows.h>

// True when the message was a dialog key that a control of the form took (or a repeat, ignored); it
// is then not dispatched. Key-ups of Enter and Esc pass on.
bool HandleDialogKey(const MSG& msg);
