#include "widgets/file_dialog.h"

#include "widgets/callback_boundary.h"
#include "widgets/system_function.h"

#include <commdlg.h>

#include <algorithm>
#include <vector>

namespace brevant::widgets {

std::wstring ToFilterList(const std::wstring& filter)
{
    std::wstring list = filter;
    std::replace(list.begin(), list.end(), L'|', L'\0');
    list.append(2, L'\0');
    return list;
}

FileDialog::FileDialog(const Params& params) : params_(params), fileName_(params.initialFileName) {}

bool FileDialog::Execute(HWND owner)
{
    const std::wstring filters = ToFilterList(params_.filter);
    std::vector<wchar_t> name(32768, L'\0');
    fileName_.copy(name.data(), name.size() - 1);

    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filters.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = name.data();
    ofn.nMaxFile = static_cast<DWORD>(name.size());
    ofn.lpstrTitle = params_.title;
    ofn.lpstrDefExt = params_.defaultExtension;
    ofn.Flags = Options();

    using Run = decltype(&GetOpenFileNameW);
    static const Run runSave = SystemFunction<Run>("comdlg32.dll", "GetSaveFileNameW");
    static const Run runOpen = SystemFunction<Run>("comdlg32.dll", "GetOpenFileNameW");
    BOOL confirmed;
    {
        NestedLoopScope modal;
        confirmed = (params_.save ? runSave : runOpen)(&ofn);
    }
    if (confirmed)
        fileName_ = name.data();
    return confirmed != FALSE;
}

}  // namespace brevant::widgets
