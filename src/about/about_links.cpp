// The two links of the About window and the hand pointer over them.
#include "about/about.h"
#include "about/about_text.h"
#include "resources/resource_ids.h"
#include "widgets/app_cursor.h"
#include "widgets/callback_boundary.h"
#include "widgets/system_function.h"

#include <shellapi.h>

#include <string>

namespace brevant {

namespace {

// The shell is loaded only when a link is first clicked.
HINSTANCE WINAPI ShellExecuteOnDemand(HWND owner, LPCWSTR verb, LPCWSTR file, LPCWSTR parameters,
                                      LPCWSTR folder, INT show)
{
    static const auto execute = widgets::SystemFunction<decltype(&ShellExecuteW)>("shell32.dll", "ShellExecuteW");
    return execute(owner, verb, file, parameters, folder, show);
}

HCURSOR HandPointer()
{
    return LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDC_HAND_POINTER));
}

// The result is not examined: without a mail program or a browser the shell
// may say so itself, the program says nothing.
void ShellOpen(const std::wstring& target)
{
    // The shell may take messages or show a box of its own meanwhile.
    widgets::NestedLoopScope scope;
    shellExecute(GetDesktopWindow(), L"open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace

ShellExecuteFunction shellExecute = &ShellExecuteOnDemand;

void TfrmAbout::BindEvents()
{
    onMouseMove = [this] { FormMouseMove(); };
    Label3.onClick = [this] { Label3Click(); };
    Label4.onClick = [this] { Label4Click(); };
    Label3.onMouseMove = [this] { Label3MouseMove(); };
    Label4.onMouseMove = [this] { Label3MouseMove(); };
}

void TfrmAbout::Label3Click() { ShellOpen(ContactTarget()); }

void TfrmAbout::Label4Click() { ShellOpen(WebSiteTarget()); }

void TfrmAbout::Label3MouseMove() { widgets::SetApplicationCursor(HandPointer()); }

void TfrmAbout::FormMouseMove() { widgets::SetApplicationCursor(nullptr); }

}  // namespace brevant
