#pragma once
// Reading the user's regional time settings into the process-wide
// LocaleTimeSettings. Windows only.

namespace brevant {

// From the thread's locale; run once at start-up, before any window exists.
void LoadLocaleTimeSettings();

// For WM_WININICHANGE: the thread takes the user's current default locale,
// and the settings are read again from it.
void ReloadLocaleTimeSettingsForUserLocale();

}  // namespace brevant
