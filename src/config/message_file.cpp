#include "config/message_file.h"

#include "text/clock_time_text.h"
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

void ReadMessage(const ProfileSection& file, MessageSink& sink)
{
    sink.Text(CaretsToLineBreaks(file.ReadText(TextKey, "")));

    const int32_t code = ConfigNumberOr(file.ReadText(TypeKey, ""), UnreadableTypeCode);
    if (code == UnreadableTypeCode)
        sink.UnreadableType();
    else if (const auto kind = KindFromFileTypeCode(code))
        sink.Kind(*kind);

    if (file.ReadText(DelayKey, DelayedValue) == DelayedValue) {
        const std::string time = file.ReadText(TimeKey, "");
        if (IsClockTime(time)) {
            sink.ChooseClockTime();
            sink.ClockTimeOfDay(TextToTime(time));
        } else {
            sink.ChooseMinutes(time);
            sink.Minutes(std::clamp(TextToInteger(time), 0, LongestDelayMinutes));
        }
    } else {
        sink.ChooseMinutes("0");
        sink.Minutes(0);
    }

    sink.Buttons(ReadButtonsValue(file.ReadText(ButtonsKey, sink.ButtonsValueNow())));
}

namespace {

// Each step as the configuration window would take it, on a value.
class SettingsSink : public MessageSink {
public:
    SettingsSink(MessageSettings& settings, const std::function<void()>& onUnreadableType)
        : s_(settings), onUnreadableType_(onUnreadableType)
    {
    }

    void Text(const std::string& text) override
    {
        s_.text = text;
        if (text.empty())
            s_.showText = false;
    }
    void Kind(MessageKind kind) override { s_.kind = kind; }
    void UnreadableType() override { onUnreadableType_(); }
    void ChooseClockTime() override { s_.delayMode = DelayMode::ClockTime; }
    void ClockTimeOfDay(TimeValue timeOfDay) override
    {
        s_.clockTime = ComposeDateTime(WithTimeOfDay(SplitDateTime(s_.clockTime), timeOfDay));
    }
    void ChooseMinutes(std::string_view) override { s_.delayMode = DelayMode::Minutes; }
    void Minutes(int minutes) override { s_.minutes = minutes; }
    std::string ButtonsValueNow() const override { return ButtonsValue(s_.buttons); }
    void Buttons(const ButtonsReading& reading) override
    {
        switch (reading.kind) {
        case ButtonsValueKind::Empty:
            s_.buttons = {ButtonsChoice::Hide, {}};
            break;
        case ButtonsValueKind::All:
            s_.buttons = {ButtonsChoice::ShowAll, ButtonTicks().set()};
            break;
        case ButtonsValueKind::Tokens:
            s_.buttons = {ButtonsChoice::Display, reading.ticks};
            break;
        }
    }

private:
    MessageSettings& s_;
    const std::function<void()>& onUnreadableType_;
};

}  // namespace

MessageSettings ReadMessageSettings(const ProfileSection& file, TimeValue now,
                                    const std::function<void()>& onUnreadableType)
{
    MessageSettings settings{.clockTime = now};
    SettingsSink sink(settings, onUnreadableType);
    ReadMessage(file, sink);
    return settings;
}

}  // namespace brevant
