#pragma once
// A property that does not hold stops the run like a crash, so libFuzzer
// keeps the input that broke it.
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string_view>

namespace brevant::fuzz {

[[noreturn]] inline void PropertyFailed(const char* property, const char* file, int line)
{
    std::fprintf(stderr, "%s:%d: property does not hold: %s\n", file, line, property);
    std::abort();
}

// An error's message as what() gives it: up to its first zero byte.
inline bool MessageIs(const std::exception& error, std::string_view expected)
{
    return error.what() == expected.substr(0, expected.find('\0'));
}

}  // namespace brevant::fuzz

#define FUZZ_REQUIRE(property) \
    ((property) ? static_cast<void>(0) : ::brevant::fuzz::PropertyFailed(#property, __FILE__, __LINE__))
