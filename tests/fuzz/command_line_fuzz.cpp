// The command-line splitter: arguments are kept whole and never hold a quote;
// a line without quotes splits at every byte from 1 to 32; pairs of quotes
// and quoted runs change nothing but what they enclose.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "app/command_line.h"
#include "fuzz_check.h"

namespace brevant {
namespace {

constexpr int kIndexes = 6;  // arguments 0 to 5

std::vector<std::wstring> Arguments(std::wstring_view line)
{
    std::vector<std::wstring> arguments;
    for (int index = 0; index < kIndexes; ++index)
        arguments.push_back(CommandLineArgumentOf(line, index));
    return arguments;
}

bool IsSeparator(wchar_t c) { return c != L'\0' && c <= L' '; }

// A line without quotes: runs of characters above 32, up to the first zero.
std::vector<std::wstring> WordsOf(std::wstring_view line)
{
    line = line.substr(0, line.find(L'\0'));
    std::vector<std::wstring> words;
    size_t at = 0;
    while (static_cast<int>(words.size()) < kIndexes) {
        while (at < line.size() && IsSeparator(line[at]))
            ++at;
        const auto wordEnd = std::find_if(line.begin() + static_cast<std::ptrdiff_t>(at), line.end(), IsSeparator);
        const auto end = static_cast<size_t>(wordEnd - line.begin());
        words.emplace_back(line.substr(at, end - at));
        at = end;
    }
    return words;
}

std::wstring Without(std::wstring text, wchar_t removed)
{
    std::erase(text, removed);
    return text;
}

}  // namespace
}  // namespace brevant

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace brevant;
    FuzzedDataProvider in(data, size);
    const size_t insertAt = in.ConsumeIntegral<uint16_t>();
    const std::wstring quoted = Without(Without(fuzz::TextOf(in.ConsumeRandomLengthString(400)), L'"'), L'\0');
    const std::wstring line = fuzz::TextOf(in.ConsumeRemainingBytesAsString());

    const std::vector<std::wstring> arguments = Arguments(line);
    for (const std::wstring& argument : arguments) {
        FUZZ_REQUIRE(argument.size() <= line.size());
        FUZZ_REQUIRE(argument.find(L'"') == std::wstring::npos);
        FUZZ_REQUIRE(argument.find(L'\0') == std::wstring::npos);
    }
    FUZZ_REQUIRE(CommandLineArgumentOf(line, -1).empty());

    if (line.find(L'"') != std::wstring::npos)
        return 0;
    FUZZ_REQUIRE(arguments == WordsOf(line));

    // A pair of quotes anywhere in the line changes no argument.
    std::wstring withPair = line;
    withPair.insert(std::min(insertAt, line.size()), L"\"\"");
    FUZZ_REQUIRE(Arguments(withPair) == arguments);

    // A quoted run is one argument, blanks and all; the words after it move
    // up by one.
    if (!quoted.empty()) {
        const std::vector<std::wstring> rest = Arguments(L"prog " + line);
        const std::vector<std::wstring> shifted = Arguments(L"prog \"" + quoted + L"\" " + line);
        FUZZ_REQUIRE(shifted[1] == quoted);
        FUZZ_REQUIRE(std::equal(shifted.begin() + 2, shifted.end(), rest.begin() + 1));
        // Touching an unquoted run, it joins it.
        const std::vector<std::wstring> joined = Arguments(L"prog x\"" + quoted + L"\"y");
        FUZZ_REQUIRE(joined[1] == L"x" + quoted + L"y");
    }
    return 0;
}
