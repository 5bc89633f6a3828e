#include "automation/process.h"

#include "automation/wide.h"

#include <system_error>
#include <utility>

namespace uia {
namespace {

// Backslashes are literal except in front of a quote, where each pair stands
// for one backslash and an odd one escapes the quote.
template <typename Char>
std::basic_string<Char> Quote(const std::basic_string<Char>& argument)
{
    using Text = std::basic_string<Char>;
    constexpr Char kSpaces[] = {' ', '\t', '\n', '\v', '"', 0};
    if (!argument.empty() && argument.find_first_of(kSpaces) == Text::npos)
        return argument;
    Text quoted(1, Char('"'));
    size_t backslashes = 0;
    for (Char c : argument) {
        if (c == Char('\\')) {
            ++backslashes;
            continue;
        }
        quoted.append(c == Char('"') ? 2 * backslashes + 1 : backslashes, Char('\\'));
        backslashes = 0;
        quoted += c;
    }
    quoted.append(2 * backslashes, Char('\\'));  // they stand before the closing quote
    return quoted + Char('"');
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
    : Process(program, Widened(arguments), workingDirectory, showCommand)
{
}

Process::Process(const std::filesystem::path& program, std::wstring_view arguments,
                 const std::filesystem::path& workingDirectory, std::optional<WORD> showCommand)
{
    std::wstring commandLine = Quote(program.wstring());
    if (!arguments.empty())
        commandLine.append(L" ").append(arguments);
    const std::wstring folder = workingDirectory.wstring();
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (showCommand) {
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = *showCommand;
    }
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(program.wstring().c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
            folder.empty() ? nullptr : folder.c_str(), &startup, &info))
        throw std::system_error(static_cast<int>(GetLastError()), std::system_category(),
                                "cannot start " + Narrowed(program.wstring()));
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
