#pragma once
#include <windows.h>
#include <commdlg.h>

#include <string>

namespace brevant::widgets {

// The platform's Explorer-style open or save dialog. It lives as long as its
// owner and offers the full path chosen last time as its file name.
class FileDialog {
public:
    struct Params {
        bool save = false;
        const wchar_t* title = L"";
        const wchar_t* filter = L"";  // "Description|*.ext", one or more pairs
        const wchar_t* defaultExtension = L"";
        const wchar_t* initialFileName = L"";
        DWORD options = OFN_HIDEREADONLY;
    };
    explicit FileDialog(const Params& params);

    // Runs the dialog modally; true when the user confirmed a name.
    bool Execute(HWND owner);

    const std::wstring& FileName() const { return fileName_; }
    const Params& Settings() const { return params_; }
    DWORD Options() const { return OFN_EXPLORER | params_.options; }

private:
    Params params_;
    std::wstring fileName_;
};

// "a|b|c|d" as the platform wants it: "a\0b\0c\0d\0\0".
std::wstring ToFilterList(const std::wstring& filter);

}  // namespace brevant::widgets
