#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "text/clock_time_text.h"
#include "text/locale_time_settings.h"

namespace brevant {
namespace {

constexpr int textItemCapacity = 256;
// Room for one character and the terminating zero, so a longer separator is
// refused by the platform and counts as absent.
constexpr int separatorCapacity = 2;

std::optional<std::wstring> ReadLocaleItem(LCID locale, LCTYPE item, int capacity)
{
    std::wstring buffer(static_cast<size_t>(capacity), L'\0');
    const int length = GetLocaleInfoW(locale, item, buffer.data(), capacity);
    if (length <= 0)
        return std::nullopt;
    buffer.resize(static_cast<size_t>(length - 1));
    return buffer;
}

bool MatchIgnoringUserLocaleCase(std::wstring_view a, std::wstring_view b)
{
    return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()), b.data(),
                          static_cast<int>(b.size())) == CSTR_EQUAL;
}

}  // namespace

void LoadLocaleTimeSettings()
{
    const LCID locale = GetThreadLocale();
    LocaleTimeItems items;
    items.TimeSeparator = ReadLocaleItem(locale, LOCALE_STIME, separatorCapacity);
    items.AmText = ReadLocaleItem(locale, LOCALE_S1159, textItemCapacity);
    items.PmText = ReadLocaleItem(locale, LOCALE_S2359, textItemCapacity);
    items.LeadingZeroOnHours = ReadLocaleItem(locale, LOCALE_ITLZERO, textItemCapacity);
    items.ClockKind = ReadLocaleItem(locale, LOCALE_ITIME, textItemCapacity);
    items.MarkerPosition = ReadLocaleItem(locale, LOCALE_ITIMEMARKPOSN, textItemCapacity);
    LocaleTimeSettings settings = TimeSettingsFromLocaleItems(items);
    settings.MarkersMatch = MatchIgnoringUserLocaleCase;
    SetLocaleTimeSettings(std::move(settings));
}

void ReloadLocaleTimeSettingsForUserLocale()
{
    SetThreadLocale(LOCALE_USER_DEFAULT);
    LoadLocaleTimeSettings();
}

}  // namespace brevant
