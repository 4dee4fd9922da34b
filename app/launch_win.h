#pragma once
// Launching a menu entry: its pre-run message, its target opened through the shell with the entry's
// command line and working folder, its after-run message, and the end of the menu when the entry asks
// for it. A target the shell cannot open is reported once, and the menu stays open.

#include <string>

#include "base/exceptions.h"

class TProgInfo;

// The shell could not open a target; the message names its full path and the system's reason.
class ELaunchError : public Exception {
    using Exception::Exception;
};

// The folder a target starts in: the working folder as given (not expanded) when there is one, else
// the target's own folder with its trailing backslash.
std::string LaunchFolder(const std::string& fullPath, const std::string& workingPath);

// The system's text for a failed ShellExecute result (32 or less).
std::string ShellFailureReason(int shellResult);

// Opens the target (made full against the current folder) with the "open" verb, the command line
// character for character and the folder above. Raises ELaunchError when the shell cannot open it and
// EAbort (reported by nobody) when the user cancelled a prompt the shell showed itself.
void RunProgram(const std::string& path, const std::string& commandLine, const std::string& workingPath);

// What a click on the entry's button does. Nothing happens once the program is ending; a quit that
// arrives while the pre-run message is up skips the launch; a failed launch is reported and shows no
// after-run message and does not end the program. Answers whether the target was started.
bool LaunchEntry(const TProgInfo& entry);
