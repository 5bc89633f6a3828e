#include "config/message_file.h"

#include "text/clock_time_text.h"
#include "text/error.h"
#include "text/integer_text.h"

#include <algorithm>

namespace brevant {

void WriteMessage(ProfileSection& file, const MessageSettings& s)
{
    // Quoted where the platform would otherwise drop blanks or quotes at its ends.
    file.WriteText(TextKey, QuotedForProfile(LineBreaksToCarets(s.text)));
    file.WriteText(TypeKey, IntegerToText(FileTypeCode(s.kind)));
    file.WriteText(DelayKey, s.Delayed() ? DelayedValue : NotDelayedValue);
    file.WriteText(TimeKey, s.delayMode == DelayMode::ClockTime ? TimeToText(s.clockTime) : IntegerToText(s.minutes));
    file.WriteText(ButtonsKey, ButtonsValue(s.buttons));
}

namespace {

// "Delay" and "Time". A clock time is written with the user's time
// separator, and read back as one with it as with ":".
void ReadDelay(const ProfileSection& file, MessageSettings& m)
{
    m.delayMode = DelayMode::Minutes;
    if (file.ReadText(DelayKey, DelayedValue) != DelayedValue) {
        m.minutes = 0;
        return;
    }
    const std::wstring time = file.ReadText(TimeKey, L"");
    if (IsClockTime(time, CurrentLocaleTimeSettings().TimeSeparatorChar)) {
        m.delayMode = DelayMode::ClockTime;
        // The date stays; the time of day is the file's.
        m.clockTime = ComposeDateTime(WithTimeOfDay(SplitDateTime(m.clockTime), TextToTime(time)));
    } else {
        m.minutes = std::clamp(TextToInteger(time), 0, LongestDelayMinutes);
    }
}

}  // namespace

MessageReading ReadMessage(const ProfileSection& file, const MessageSettings& loadedInto)
{
    MessageReading reading{.message = loadedInto};
    MessageSettings& m = reading.message;

    m.text = CaretsToLineBreaks(file.ReadText(TextKey, L""));
    // An empty text switches the text off; another leaves the switch as it is.
    if (m.text.empty())
        m.showText = false;

    const int32_t code = ConfigNumberOr(file.ReadText(TypeKey, L""), UnreadableTypeCode);
    if (code == UnreadableTypeCode)
        reading.typeUnreadable = true;
    else if (const auto kind = KindFromFileTypeCode(code))
        m.kind = *kind;

    try {
        ReadDelay(file, m);
    } catch (const Error&) {
        reading.error = std::current_exception();
        return reading;
    }

    // An absent key stands for the buttons as they are.
    m.buttons = ReadButtonsValue(file.ReadText(ButtonsKey, ButtonsValue(m.buttons)));
    return reading;
}

}  // namespace brevant
