#pragma once
// Starting a program and collecting its exit code.
#include "automation/wait.h"

#include <windows.h>

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace uia {

// Joins arguments into a command-line tail that the usual Windows splitting
// rules (CommandLineToArgvW, the C runtime) turn back into the same arguments.
std::string QuoteArguments(const std::vector<std::string>& arguments);

// A started program. Its owner ends it: a program still running when the
// object dies is killed, so a failed test leaves nothing behind.
class Process {
public:
    // Starts `program` with `arguments`, the raw command-line tail after the
    // quoted program path (see QuoteArguments), in `workingDirectory` (empty:
    // the current one), with the show command a launcher may hand over (none:
    // the platform's default). Throws std::system_error if it cannot be started.
    explicit Process(const std::filesystem::path& program, std::string_view arguments = {},
                     const std::filesystem::path& workingDirectory = {},
                     std::optional<WORD> showCommand = std::nullopt);
    Process(const std::filesystem::path& program, std::wstring_view arguments,
            const std::filesystem::path& workingDirectory = {}, std::optional<WORD> showCommand = std::nullopt);
    ~Process();
    Process(Process&& other) noexcept;
    Process& operator=(Process&&) = delete;
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    DWORD Id() const { return id_; }
    HANDLE Handle() const { return handle_; }
    bool Running() const;

    // The exit code once the program has ended; if it is still running when
    // the timeout has passed, it is killed and the result is empty.
    std::optional<DWORD> WaitForExit(Duration timeout = kDefaultTimeout);

    void Kill();

private:
    HANDLE handle_ = nullptr;
    DWORD id_ = 0;
};

}  // namespace uia
