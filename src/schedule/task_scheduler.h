#pragma once
// The Task Scheduler of this computer, through its COM interface, for the
// current user: the tasks of the program's folder by name. Every failure is
// an Error whose message says what went wrong in the user's words.
#include "schedule/com.h"

#include <taskschd.h>

#include <optional>
#include <string>
#include <string_view>

namespace brevant {

class TaskScheduler {
public:
    // Connects to the service; throws when it is not running or refuses.
    TaskScheduler();

    // The XML text of the program's task of that name; nothing when there is none.
    std::optional<std::wstring> TaskXmlOf(std::wstring_view name) const;

    // Registers the task, or replaces the one of that name, to run with the
    // interactive user's token: no password is asked. The folder is made on
    // first use.
    void Register(std::wstring_view name, std::wstring_view xml);

    // Removes the task of that name; false when there was none.
    bool Remove(std::wstring_view name);

private:
    // The program's folder; nothing when it does not exist yet.
    ComPtr<ITaskFolder> Folder() const;

    ComApartment apartment_;
    ComPtr<ITaskService> service_;
};

// The account whose log-on starts a task, as DOMAIN\user.
std::wstring CurrentUserId();

}  // namespace brevant
