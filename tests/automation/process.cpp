#include "automation/process.h"

#include <system_error>
#include <utility>

namespace uia {
namespace {

// Backslashes are literal except in front of a quote, where each pair stands
// for one backslash and an odd one escapes the quote.
std::string Quote(const std::string& argument)
{
    if (!argument.empty() && argument.find_first_of(" \t\n\v\"") == std::string::npos)
        return argument;
    std::string quoted = "\"";
    size_t backslashes = 0;
    for (char c : argument) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == '"' ? 2 * backslashes + 1 : backslashes, '\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(2 * backslashes, '\\');  // they stand before the closing quote
    return quoted + '"';
}

}  // namespace

std::string QuoteArguments(const std::vector<std::string>& arguments)
{
    std::string line;
    for (const auto& argument : arguments) {
        if (!line.empty())
            line += ' ';
        line += Quote(argument);
    }
    return line;
}

Process::Process(const std::filesystem::path& program, std::string_view arguments,
                 const std::filesystem::path& workingDirectory, std::optional<WORD> showCommand)
{
    std::string commandLine = Quote(program.string());
    if (!arguments.empty())
        commandLine.append(" ").append(arguments);
    const std::string folder = workingDirectory.string();
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (showCommand) {
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = *showCommand;
    }
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(program.string().c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
            folder.empty() ? nullptr : folder.c_str(), &startup, &info))
        throw std::system_error(static_cast<int>(GetLastError()), std::system_category(),
                                "cannot start " + program.string());
    CloseHandle(info.hThread);
    handle_ = info.hProcess;
    id_ = info.dwProcessId;
}

Process::Process(Process&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)), id_(std::exchange(other.id_, 0))
{
}

Process::~Process()
{
    if (!handle_)
        return;
    Kill();
    CloseHandle(handle_);
}

bool Process::Running() const
{
    return WaitForSingleObject(handle_, 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> Process::WaitForExit(Duration timeout)
{
    if (!WaitUntil([&] { return !Running(); }, timeout)) {
        Kill();
        return std::nullopt;
    }
    DWORD code = 0;
    GetExitCodeProcess(handle_, &code);
    return code;
}

void Process::Kill()
{
    if (Running()) {
        TerminateProcess(handle_, 1);
        WaitForSingleObject(handle_, static_cast<DWORD>(kDefaultTimeout.count()));
    }
}

}  // namespace uia
