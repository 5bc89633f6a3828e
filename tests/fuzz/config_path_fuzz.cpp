// The config path of a "/c" argument in any script: the name after the switch
// always ends the path, and only the program's folder, ending in a separator,
// may stand in front of it. No character but a backslash or a colon
// separates, whatever it best-fits to in some code page.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "config/config_path.h"
#include "fuzz_check.h"

namespace brevant {
namespace {

bool IsSeparator(wchar_t c) { return c == L'\\' || c == L':'; }

// Up to and including the last separator; nothing when there is none.
std::wstring_view FolderPart(std::wstring_view path)
{
    const size_t last = path.find_last_of(L"\\:");
    return last == std::wstring_view::npos ? std::wstring_view{} : path.substr(0, last + 1);
}

}  // namespace
}  // namespace brevant

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace brevant;
    FuzzedDataProvider in(data, size);
    const std::wstring programPath = fuzz::TextOf(in.ConsumeRandomLengthString(300));
    const std::wstring argument = fuzz::TextOf(in.ConsumeRemainingBytesAsString());

    const size_t switchAt = argument.find(L"/c");
    FUZZ_REQUIRE(HasConfigSwitch(argument) == (switchAt != std::wstring::npos));
    FUZZ_REQUIRE(HasConfigSwitch(argument + L"/c" + programPath));
    std::wstring withoutSlashes = argument;
    std::erase(withoutSlashes, L'/');
    FUZZ_REQUIRE(!HasConfigSwitch(withoutSlashes));
    const std::wstring path = ConfigPathFromArgument(argument, programPath);
    if (switchAt == std::wstring::npos)
        return 0;

    const std::wstring_view rest = std::wstring_view(argument).substr(switchAt + 2);
    FUZZ_REQUIRE(path.ends_with(rest));
    const std::wstring_view front = std::wstring_view(path).substr(0, path.size() - rest.size());
    FUZZ_REQUIRE(programPath.starts_with(front));
    FUZZ_REQUIRE(front.empty() || IsSeparator(front.back()));
    if (!FolderPart(rest).empty())
        FUZZ_REQUIRE(path == rest);
    else
        FUZZ_REQUIRE(front == FolderPart(programPath));
    // Text before the switch does not count.
    FUZZ_REQUIRE(ConfigPathFromArgument(L"before /c" + std::wstring(rest), programPath) == path);
    return 0;
}
