// Runs under the regional settings that LC_ALL gives Wine; the build registers
// it once for each locale the program is tried with.
#include "text/locale_time_settings.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>

#include "text/clock_time_text.h"

namespace brevant {
namespace {

std::wstring LocaleItem(LCID locale, LCTYPE item)
{
    wchar_t text[256] = {};
    GetLocaleInfoW(locale, item, text, static_cast<int>(std::size(text)));
    return text;
}

// What the regional conventions of each tried locale say; Wine gives the C
// locale the US conventions.
struct KnownLocale {
    const char* unixName;
    LCID locale;
    wchar_t separator;
    const wchar_t* longPattern;
};

constexpr KnownLocale knownLocales[] = {
    {"en_US.UTF-8", 0x0409, L':', L"h:mm:ss AMPM"}, {"en_GB.UTF-8", 0x0809, L':', L"hh:mm:ss"},
    {"de_DE.UTF-8", 0x0407, L':', L"hh:mm:ss"},     {"fi_FI.UTF-8", 0x040B, L'.', L"h:mm:ss"},
    {"ko_KR.UTF-8", 0x0412, L':', L"AMPM h:mm:ss"}, {"C.UTF-8", 0x0409, L':', L"h:mm:ss AMPM"},
};

std::optional<KnownLocale> LocaleOfThisRun()
{
    // Wine's regional settings follow LC_ALL, or LANG where LC_ALL is empty.
    const char* unixName = std::getenv("LC_ALL");
    if (!unixName || !*unixName)
        unixName = std::getenv("LANG");
    for (const KnownLocale& known : knownLocales)
        if (unixName && std::string_view(unixName) == known.unixName)
            return known;
    return std::nullopt;
}

// The platform's spelling of one of the program's patterns.
std::wstring PlatformPattern(const LocaleTimeSettings& settings)
{
    const std::wstring& pattern = settings.LongTimePattern;
    const bool twelveHours = pattern.find(L"AMPM") != std::wstring::npos;
    std::wstring result;
    for (size_t at = 0; at < pattern.size();) {
        if (pattern.compare(at, 4, L"AMPM") == 0) {
            result += L"tt";
            at += 4;
        } else if (pattern[at] == L'h') {
            result += twelveHours ? L'h' : L'H';
            ++at;
        } else {
            result += pattern[at] == L':' ? settings.TimeSeparatorChar : pattern[at];
            ++at;
        }
    }
    return result;
}

class LocaleTimeSettingsTest : public testing::Test {
protected:
    void SetUp() override { LoadLocaleTimeSettings(); }
    void TearDown() override { SetLocaleTimeSettings({}); }

    const LocaleTimeSettings& settings = CurrentLocaleTimeSettings();
};

TEST_F(LocaleTimeSettingsTest, TakesTheLocaleTimeItems)
{
    const LCID locale = GetThreadLocale();
    EXPECT_EQ(std::wstring(1, settings.TimeSeparatorChar), LocaleItem(locale, LOCALE_STIME));
    EXPECT_EQ(settings.AmText, LocaleItem(locale, LOCALE_S1159));
    EXPECT_EQ(settings.PmText, LocaleItem(locale, LOCALE_S2359));
    EXPECT_EQ(PlatformPattern(settings), LocaleItem(locale, LOCALE_STIMEFORMAT));
}

TEST_F(LocaleTimeSettingsTest, FollowsTheRegionalConventions)
{
    const auto known = LocaleOfThisRun();
    if (!known)
        GTEST_SKIP() << L"not one of the tried locales";
    EXPECT_EQ(GetThreadLocale(), known->locale);
    EXPECT_EQ(settings.TimeSeparatorChar, known->separator);
    EXPECT_EQ(settings.LongTimePattern, known->longPattern);
}

// The locale's own format string is the same as the built pattern here (see
// TakesTheLocaleTimeItems), so the platform's formatting must agree.
TEST_F(LocaleTimeSettingsTest, TimeToTextAgreesWithThePlatformFormatting)
{
    const LCID locale = GetThreadLocale();
    const std::wstring pattern = PlatformPattern(settings);
    for (WORD minuteOfDay = 0; minuteOfDay < 24 * 60; ++minuteOfDay) {
        const SYSTEMTIME time{2024, 6, 0, 7, static_cast<WORD>(minuteOfDay / 60), static_cast<WORD>(minuteOfDay % 60),
                              static_cast<WORD>(minuteOfDay % 60 / 7), 999};
        wchar_t byLocale[256] = {}, byPattern[256] = {};
        ASSERT_GT(GetTimeFormatW(locale, 0, &time, nullptr, byLocale, static_cast<int>(std::size(byLocale))), 0);
        ASSERT_GT(GetTimeFormatW(locale, 0, &time, pattern.c_str(), byPattern, static_cast<int>(std::size(byPattern))), 0);
        const std::wstring text =
            TimeToText(ComposeTime(time.wHour, time.wMinute, time.wSecond, time.wMilliseconds), settings);
        ASSERT_EQ(text, byLocale);
        ASSERT_EQ(text, byPattern);
    }
}

TEST_F(LocaleTimeSettingsTest, TextToTimeReadsTheLocaleTextsInAnyLetterCase)
{
    for (int second = 0; second < 86400; second += 59) {
        const TimeValue time = ComposeTime(static_cast<uint16_t>(second / 3600), static_cast<uint16_t>(second / 60 % 60),
                                           static_cast<uint16_t>(second % 60), 0);
        std::wstring text = TimeToText(time);
        ASSERT_EQ(TextToTime(text), time) << text;
        CharLowerBuffW(text.data(), static_cast<DWORD>(text.size()));
        ASSERT_EQ(TextToTime(text), time) << text;
    }
}

// A settings change makes the thread take the user's locale again.
TEST_F(LocaleTimeSettingsTest, ReloadReturnsToTheUserLocale)
{
    const LCID user = GetUserDefaultLCID();
    const LCID other = user == 0x040B ? 0x0407 : 0x040B;
    ASSERT_TRUE(SetThreadLocale(other));
    LoadLocaleTimeSettings();
    EXPECT_EQ(std::wstring(1, settings.TimeSeparatorChar), LocaleItem(other, LOCALE_STIME));
    EXPECT_EQ(settings.AmText, LocaleItem(other, LOCALE_S1159));

    ReloadLocaleTimeSettingsForUserLocale();
    EXPECT_EQ(GetThreadLocale(), user);
    EXPECT_EQ(std::wstring(1, settings.TimeSeparatorChar), LocaleItem(user, LOCALE_STIME));
    EXPECT_EQ(settings.AmText, LocaleItem(user, LOCALE_S1159));
    EXPECT_EQ(PlatformPattern(settings), LocaleItem(user, LOCALE_STIMEFORMAT));
}

}  // namespace
}  // namespace brevant
