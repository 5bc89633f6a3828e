// The command-line run, for batch files and scheduled tasks: the config file
// named after "/c" is loaded and its message shown with no user action.
#include "app/application.h"
#include "dialogs/message_dialog.h"
#include "main/config_path.h"
#include "main/main.h"
#include "widgets/callback_boundary.h"
#include "widgets/handles.h"

namespace brevant {

namespace {

using FileHandle = widgets::UniqueHandle<HANDLE, CloseHandle>;

// A file on a disk, not a folder, a device or a wildcard pattern.
bool IsExistingFile(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return false;
    FileHandle file(CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, 0, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        file.release();
        // A file held or guarded by another is there, and the loader will say
        // what it finds. Other failures come from names the platform takes
        // for devices (CON, PRN, LPT1 in any folder).
        return error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED;
    }
    return GetFileType(file.get()) == FILE_TYPE_DISK;
}

void ShowErrorAndEnd(const std::string& text)
{
    // Shown, like the message itself, with nothing else of the program on the screen.
    ShowMessageDialog(text, MessageKind::Error, DialogButton::OK, 0, DialogLayer::AboveOthers);
    RequestTermination();
}

}  // namespace

void TfrmMain::StartFromCommandLine(const std::string& argument)
{
    if (!HasConfigSwitch(argument)) {
        ShowErrorAndEnd("Illegal command line format. Format MUST be in the format of "
                        "<program name> /c<config file name>");
        return;
    }
    ConfigFileName = ConfigPathFromArgument(argument, commandLineArgument(0),
                                            [](unsigned char byte) { return IsDBCSLeadByte(byte) != FALSE; });
    if (const auto tooLong = PathTooLongMessage(ConfigFileName)) {
        ShowErrorAndEnd(*tooLong);
        return;
    }
    if (!IsExistingFile(ConfigFileName)) {
        ShowErrorAndEnd("File " + ConfigFileName + " does not exist.");
        return;
    }
    SetWindowPos(Handle(), nullptr, 0, 0, 1, 1, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RunFromCommandLine = true;
    // A file that cannot be read to its end leaves nothing to wait for: the
    // error is shown and the process ends rather than linger unseen.
    try {
        LoadConfigFile(true);
    } catch (...) {
        widgets::ReportError(std::current_exception());
        RequestTermination();
    }
}

}  // namespace brevant
