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

std::vector<std::string> Arguments(std::string_view line)
{
    std::vector<std::string> arguments;
    for (int index = 0; index < kIndexes; ++index)
        arguments.push_back(CommandLineArgumentOf(line, index));
    return arguments;
}

bool IsSeparator(char c) { return c != '\0' && static_cast<unsigned char>(c) <= ' '; }

// A line without quotes: runs of bytes above 32, up to the first zero byte.
std::vector<std::string> WordsOf(std::string_view line)
{
    line = line.substr(0, line.find('\0'));
    std::vector<std::string> words;
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

std::string Without(std::string text, char removed)
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
    const std::string quoted = Without(Without(in.ConsumeRandomLengthString(400), '"'), '\0');
    const std::string line = in.ConsumeRemainingBytesAsString();

    const std::vector<std::string> arguments = Arguments(line);
    for (const std::string& argument : arguments) {
        FUZZ_REQUIRE(argument.size() <= line.size());
        FUZZ_REQUIRE(argument.find('"') == std::string::npos);
        FUZZ_REQUIRE(argument.find('\0') == std::string::npos);
    }
    FUZZ_REQUIRE(CommandLineArgumentOf(line, -1).empty());

    if (line.find('"') != std::string::npos)
        return 0;
    FUZZ_REQUIRE(arguments == WordsOf(line));

    // A pair of quotes anywhere in the line changes no argument.
    std::string withPair = line;
    withPair.insert(std::min(insertAt, line.size()), "\"\"");
    FUZZ_REQUIRE(Arguments(withPair) == arguments);

    // A quoted run is one argument, blanks and all; the words after it move
    // up by one.
    if (!quoted.empty()) {
        const std::vector<std::string> rest = Arguments("prog " + line);
        const std::vector<std::string> shifted = Arguments("prog \"" + quoted + "\" " + line);
        FUZZ_REQUIRE(shifted[1] == quoted);
        FUZZ_REQUIRE(std::equal(shifted.begin() + 2, shifted.end(), rest.begin() + 1));
        // Touching an unquoted run, it joins it.
        const std::vector<std::string> joined = Arguments("prog x\"" + quoted + "\"y");
        FUZZ_REQUIRE(joined[1] == "x" + quoted + "y");
    }
    return 0;
}
