#include "app/launch_win.h"

#include <windows.h>

#include <shellapi.h>

#include "base/strings.h"
#include "base/syserror_win.h"
#include "menu/proginfo.h"
#include "settings/filenames.h"
#include "shell/application_win.h"
#include "shell/lazyimports_win.h"
#include "shell/msgdlg_win.h"

namespace {
// ShellExecute's own result codes as the system error they stand for.
DWORD SystemErrorOfShellResult(int result) {
    switch (result) {
        case 0:
            return ERROR_NOT_ENOUGH_MEMORY;
        case SE_ERR_SHARE:
            return ERROR_SHARING_VIOLATION;
        case SE_ERR_ASSOCINCOMPLETE:
        case SE_ERR_NOASSOC:
            return ERROR_NO_ASSOCIATION;
        case SE_ERR_DDETIMEOUT:
        case SE_ERR_DDEFAIL:
        case SE_ERR_DDEBUSY:
            return ERROR_DDE_FAIL;
        case SE_ERR_DLLNOTFOUND:
            return ERROR_DLL_NOT_FOUND;
        default:
            return static_cast<DWORD>(result);  // file or path not found, access denied, bad format...
    }
}
}  // namespace

std::string LaunchFolder(const std::string& fullPath, const std::string& workingPath) {
    return workingPath.empty() ? FileDirPart(fullPath) : workingPath;
}

std::string ShellFailureReason(int shellResult) {
    return SysErrorMessage(SystemErrorOfShellResult(shellResult));
}

void RunProgram(const std::string& path, const std::string& commandLine, const std::string& workingPath) {
    const std::string file = FullPathName(path);
    const std::string folder = LaunchFolder(file, workingPath);
    SetLastError(0);
    const auto result = reinterpret_cast<INT_PTR>(
        lazy::ShellExecuteA(nullptr, "open", file.c_str(), commandLine.c_str(), folder.c_str(), SW_SHOWNORMAL));
    if (result > 32)
        return;
    // The user turned down a prompt of the shell's own (elevation, a program chooser): they have seen
    // it, a second box would only repeat their answer.
    if (GetLastError() == ERROR_CANCELLED)
        throw EAbort("");
    const int code = static_cast<int>(result);
    throw ELaunchError(FmtLoadStr(StrId::SLaunchFailed, file.c_str(), ShellFailureReason(code).c_str()));
}

bool LaunchEntry(const TProgInfo& entry) {
    // A click queued before the quit message (the second half of a double-click) starts nothing.
    if (Application->TerminateRequested())
        return false;
    if (!entry.PreRunMessage.empty()) {
        ShowMessage(entry.PreRunMessage);
        if (Application->TerminateRequested())
            return false;
    }
    try {
        RunProgram(entry.ExePath, entry.ExeCommandLine, entry.ExeWorkingPath);
    } catch (...) {
        Application->HandleException(nullptr);
        return false;
    }
    if (!entry.AfterRunMessage.empty())
        ShowMessage(entry.AfterRunMessage);
    if (entry.TerminateAfterStart)
        Application->Terminate();
    return true;
}
