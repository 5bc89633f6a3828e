// A config file's bytes, whatever they hold: decoded in some encoding, read
// key by key without a fault, and a key set in them reads back as set while
// every other key reads as before. Text encoded for a file decodes whole.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "config/config_values.h"
#include "config/file_encoding.h"
#include "config/ini_text.h"
#include "fuzz_check.h"

namespace brevant {
namespace {

// Latin-1 stands in for a single-byte code page.
const AnsiCodePage kLatin1{
    .decode =
        [](std::string_view bytes) {
            std::wstring text;
            for (const char byte : bytes)
                text += static_cast<wchar_t>(static_cast<unsigned char>(byte));
            return text;
        },
    .encode = [](std::wstring_view text) -> std::optional<std::string> {
        std::string bytes;
        for (const wchar_t c : text) {
            if (c > 0xFF)
                return std::nullopt;
            bytes += static_cast<char>(c);
        }
        return bytes;
    },
};

constexpr std::wstring_view kKeys[] = {L"Text", L"Type", L"Delay", L"Time", L"Buttons", L"text", L"Other"};

}  // namespace
}  // namespace brevant

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace brevant;
    FuzzedDataProvider in(data, size);
    const size_t keyIndex = in.ConsumeIntegralInRange<size_t>(0, std::size(kKeys) - 1);
    std::wstring value = fuzz::TextOf(in.ConsumeRandomLengthString(200));
    const std::string bytes = in.ConsumeRemainingBytesAsString();

    const std::wstring text = DecodeFile(bytes, kLatin1);
    FUZZ_REQUIRE(DecodeFile(EncodeFile(text, kLatin1), kLatin1) == text);

    IniText ini(text);
    std::optional<std::wstring> before[std::size(kKeys)];
    for (size_t i = 0; i < std::size(kKeys); ++i) {
        before[i] = ini.Find(L"Message1", kKeys[i]);
        if (before[i])
            FUZZ_REQUIRE(ProfileValue(*before[i]).size() <= LongestProfileValue);
    }
    const std::optional<std::wstring> elsewhere = ini.Find(L"Other", L"Text");

    // A value as the writer writes it: on one line, quoted where its ends
    // would be lost.
    std::erase_if(value, [](wchar_t c) { return c == L'\r' || c == L'\n' || c == L'\0'; });
    ini.Set(L"Message1", kKeys[keyIndex], QuotedForProfile(value));
    for (size_t i = 0; i < std::size(kKeys); ++i) {
        const bool same = kKeys[i] == kKeys[keyIndex] || (kKeys[i] == L"text" && kKeys[keyIndex] == L"Text") ||
                          (kKeys[i] == L"Text" && kKeys[keyIndex] == L"text");
        if (same)
            FUZZ_REQUIRE(ProfileValue(ini.Find(L"Message1", kKeys[i]).value_or(L"absent")) == value);
        else
            FUZZ_REQUIRE(ini.Find(L"Message1", kKeys[i]) == before[i]);
    }
    FUZZ_REQUIRE(ini.Find(L"Other", L"Text") == elsewhere);
    return 0;
}
