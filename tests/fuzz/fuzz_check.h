#pragma once
// A property that does not hold stops the run like a crash, so libFuzzer
// keeps the input that broke it.
#include "text/error.h"
#include "text/unicode_text.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace brevant::fuzz {

[[noreturn]] inline void PropertyFailed(const char* property, const char* file, int line)
{
    std::fprintf(stderr, "%s:%d: property does not hold: %s\n", file, line, property);
    std::abort();
}

inline bool MessageIs(const Error& error, std::wstring_view expected) { return error.Message() == expected; }

// The input as the program's text. Bytes that begin with 0xFF are UTF-16
// units, two bytes each, so any unit (a lone half of a pair included) can
// be reached; other bytes are UTF-8 where they are well-formed, so plain
// seeds read as written, and one character each (Latin-1) otherwise.
inline std::wstring TextOf(std::string_view bytes)
{
    std::wstring text;
    if (bytes.starts_with('\xFF')) {
        for (size_t i = 1; i + 1 < bytes.size(); i += 2)
            text += static_cast<wchar_t>(static_cast<unsigned char>(bytes[i]) |
                                         static_cast<unsigned char>(bytes[i + 1]) << 8);
        return text;
    }
    if (auto utf8 = Utf8ToText(bytes))
        return std::move(*utf8);
    for (const char byte : bytes)
        text += static_cast<wchar_t>(static_cast<unsigned char>(byte));
    return text;
}

}  // namespace brevant::fuzz

#define FUZZ_REQUIRE(property) \
    ((property) ? static_cast<void>(0) : ::brevant::fuzz::PropertyFailed(#property, __FILE__, __LINE__))
