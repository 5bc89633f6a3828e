#include "schedule/task_scheduler.h"

#include "schedule/scheduler_error.h"
#include "schedule/task_definition.h"
#include "text/error.h"

#define SECURITY_WIN32
#include <security.h>

#include <string>

namespace brevant {

namespace {

[[noreturn]] void ThrowSchedulerError(HRESULT result, std::wstring_view action)
{
    wchar_t* text = nullptr;
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                   nullptr, static_cast<DWORD>(result), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    const std::wstring systemText = text ? text : L"";
    LocalFree(text);
    throw Error(SchedulerErrorMessage(static_cast<uint32_t>(result), action, systemText));
}

void Check(HRESULT result, std::wstring_view action)
{
    if (FAILED(result))
        ThrowSchedulerError(result, action);
}

bool IsNotFound(HRESULT result)
{
    return result == HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND) || result == HRESULT_FROM_WIN32(ERROR_PATH_NOT_FOUND);
}

const std::wstring kFolderPath = L"\\" + std::wstring(kTaskFolder);

}  // namespace

TaskScheduler::TaskScheduler()
{
    Check(Com().createInstance(CLSID_TaskScheduler, nullptr, CLSCTX_INPROC_SERVER, IID_ITaskService, service_.OutVoid()),
          L"be reached");
    const VARIANT none{};  // VT_EMPTY: this computer, the current user
    Check(service_->Connect(none, none, none, none), L"be reached");
}

ComPtr<ITaskFolder> TaskScheduler::Folder() const
{
    ComPtr<ITaskFolder> folder;
    const HRESULT result = service_->GetFolder(MakeBString(kFolderPath).get(), folder.Out());
    if (IsNotFound(result))
        return {};
    Check(result, L"open its folder");
    return folder;
}

std::optional<std::wstring> TaskScheduler::TaskXmlOf(std::wstring_view name) const
{
    const ComPtr<ITaskFolder> folder = Folder();
    if (!folder)
        return std::nullopt;
    ComPtr<IRegisteredTask> task;
    const HRESULT result = folder->GetTask(MakeBString(name).get(), task.Out());
    if (IsNotFound(result))
        return std::nullopt;
    Check(result, L"read the task");
    BSTR xml = nullptr;
    // A scheduler that cannot give the text back still has the task.
    if (FAILED(task->get_Xml(&xml)))
        return std::wstring();
    const BString owned(xml);
    return std::wstring(xml ? xml : L"", Com().stringLength(xml));
}

void TaskScheduler::Register(std::wstring_view name, std::wstring_view xml)
{
    ComPtr<ITaskFolder> folder = Folder();
    const VARIANT none{};
    if (!folder) {
        ComPtr<ITaskFolder> root;
        Check(service_->GetFolder(MakeBString(L"\\").get(), root.Out()), L"open its folder");
        Check(root->CreateFolder(MakeBString(kTaskFolder).get(), none, folder.Out()), L"make its folder");
    }
    ComPtr<IRegisteredTask> registered;
    Check(folder->RegisterTask(MakeBString(name).get(), MakeBString(xml).get(), TASK_CREATE_OR_UPDATE, none, none,
                               TASK_LOGON_INTERACTIVE_TOKEN, none, registered.Out()),
          L"register the task");
}

bool TaskScheduler::Remove(std::wstring_view name)
{
    const ComPtr<ITaskFolder> folder = Folder();
    if (!folder)
        return false;
    const HRESULT result = folder->DeleteTask(MakeBString(name).get(), 0);
    if (IsNotFound(result))
        return false;
    Check(result, L"remove the task");
    return true;
}

std::wstring CurrentUserId()
{
    // Asked when a task is made: the DLLs are loaded then, not at start-up.
    const auto userNameEx = widgets::SystemFunction<decltype(&GetUserNameExW)>("secur32.dll", "GetUserNameExW");
    const auto userName = widgets::SystemFunction<decltype(&GetUserNameW)>("advapi32.dll", "GetUserNameW");
    wchar_t name[512];
    ULONG size = ARRAYSIZE(name);
    if (userNameEx(NameSamCompatible, name, &size))
        return name;
    DWORD plainSize = ARRAYSIZE(name);
    return userName(name, &plainSize) ? name : L"";
}

}  // namespace brevant
