// The config path of a "/c" argument, under a set of double-byte lead bytes
// picked by the input: the name after the switch always ends the path, and
// only the program's folder, ending in a separator, may stand in front of it.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <bitset>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "config/config_path.h"

namespace brevant {
namespace {

bool IsSeparator(char c) { return c == '\\' || c == ':'; }

// Up to and including the last separator; nothing when there is none.
std::string_view FolderPart(std::string_view path)
{
    const size_t last = path.find_last_of("\\:");
    return last == std::string_view::npos ? std::string_view{} : path.substr(0, last + 1);
}

}  // namespace
}  // namespace brevant

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace brevant;
    FuzzedDataProvider in(data, size);
    // Code pages take their lead bytes from 0x81 to 0xFE; any of 0x80 to 0xFF here.
    std::bitset<256> leadBytes;
    for (size_t byte = 0x80; byte < 0x100; ++byte)
        leadBytes[byte] = in.ConsumeBool();
    const std::string programPath = in.ConsumeRandomLengthString(300);
    const std::string argument = in.ConsumeRemainingBytesAsString();
    const auto isLeadByte = [&leadBytes](unsigned char byte) { return leadBytes[byte]; };
    const auto hasLeadByte = [&leadBytes](std::string_view text) {
        return std::ranges::any_of(text, [&leadBytes](char c) { return leadBytes[static_cast<unsigned char>(c)]; });
    };

    const size_t switchAt = argument.find("/c");
    FUZZ_REQUIRE(HasConfigSwitch(argument) == (switchAt != std::string::npos));
    FUZZ_REQUIRE(HasConfigSwitch(argument + "/c" + programPath));
    std::string withoutSlashes = argument;
    std::erase(withoutSlashes, '/');
    FUZZ_REQUIRE(!HasConfigSwitch(withoutSlashes));
    const std::string path = ConfigPathFromArgument(argument, programPath, isLeadByte);
    if (switchAt == std::string::npos)
        return 0;

    const std::string_view rest = std::string_view(argument).substr(switchAt + 2);
    FUZZ_REQUIRE(path.ends_with(rest));
    const std::string_view front = std::string_view(path).substr(0, path.size() - rest.size());
    FUZZ_REQUIRE(programPath.starts_with(front));
    FUZZ_REQUIRE(front.empty() || IsSeparator(front.back()));
    // A separator at the very start is never the second half of a character.
    if (!rest.empty() && IsSeparator(rest.front()))
        FUZZ_REQUIRE(front.empty());
    // Without lead bytes the folder parts are plain to see.
    if (!hasLeadByte(rest)) {
        if (!FolderPart(rest).empty())
            FUZZ_REQUIRE(path == rest);
        else if (!hasLeadByte(programPath))
            FUZZ_REQUIRE(front == FolderPart(programPath));
    }
    // Text before the switch does not count.
    FUZZ_REQUIRE(ConfigPathFromArgument("before /c" + std::string(rest), programPath, isLeadByte) == path);
    return 0;
}
