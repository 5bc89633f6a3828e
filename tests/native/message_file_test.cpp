#include "config/message_file.h"

#include "text/clock_time_text.h"
#include "text/error.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace brevant {
namespace {

// A section in memory: what was written, in order, and what is there to read.
class SectionInMemory : public ProfileSection {
public:
    explicit SectionInMemory(std::map<std::wstring, std::wstring, std::less<>> values = {},
                             std::wstring refusedKey = {})
        : values_(std::move(values)), refusedKey_(std::move(refusedKey))
    {
    }

    std::wstring ReadText(std::wstring_view key, std::wstring_view defaultValue) const override
    {
        const auto found = values_.find(key);
        return std::wstring(found == values_.end() ? defaultValue : found->second);
    }
    void WriteText(std::wstring_view key, std::wstring_view value) override
    {
        if (key == refusedKey_)
            throw Error(L"Unable to write to the section");
        written.emplace_back(key, value);
        values_[std::wstring(key)] = value;
    }

    std::vector<std::pair<std::wstring, std::wstring>> written;

private:
    std::map<std::wstring, std::wstring, std::less<>> values_;
    std::wstring refusedKey_;
};

constexpr TimeValue kNow = 46000 + 0.25;  // 6 am of a day

ButtonTicks Ticks(std::initializer_list<size_t> tokens)
{
    ButtonTicks ticks;
    for (size_t token : tokens)
        ticks.set(token);
    return ticks;
}

TEST(WriteMessage, WritesTheFiveKeysInOrder)
{
    const ButtonTicks yesNoIgnore = Ticks({0, 1, 7});
    const ButtonTicks ok = Ticks({2});
    struct Case {
        const wchar_t* name;
        MessageSettings settings;
        std::vector<std::pair<std::wstring, std::wstring>> written;
    };
    const std::vector<Case> cases = {
        {L"the example",
         {.text = L"Back soon\r\nWait here", .kind = MessageKind::Warning,
          .buttons = {ButtonsChoice::Display, yesNoIgnore}, .minutes = 15},
         {{L"Text", L"Back soon^Wait here"}, {L"Type", L"1"}, {L"Delay", L"TRUE"}, {L"Time", L"15"},
          {L"Buttons", L"YESNOIGNORE"}}},
        // The text is written whether or not it is shown.
        {L"no delay, text switched off, all buttons",
         {.text = L"  kept  ", .showText = false, .buttons = {ButtonsChoice::ShowAll, {}}},
         {{L"Text", L"\"  kept  \""}, {L"Type", L"0"}, {L"Delay", L"FALSE"}, {L"Time", L"0"}, {L"Buttons", L"ALL"}}},
        {L"clock time, hidden buttons",
         {.kind = MessageKind::Confirmation, .buttons = {ButtonsChoice::Hide, ok},
          .delayMode = DelayMode::ClockTime, .minutes = 0, .clockTime = 46000 + 15.5 / 24},
         {{L"Text", L""}, {L"Type", L"3"}, {L"Delay", L"TRUE"}, {L"Time", L"3:30:00 pm"}, {L"Buttons", L""}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SectionInMemory file;
        WriteMessage(file, c.settings);
        EXPECT_EQ(file.written, c.written);
    }
}

TEST(WriteMessage, ARefusedWriteStopsTheWritingThere)
{
    SectionInMemory file({}, L"Time");
    EXPECT_THROW(WriteMessage(file, MessageSettings{}), Error);
    ASSERT_EQ(file.written.size(), 3u);
    EXPECT_EQ(file.written.back().first, L"Delay");
}

MessageSettings FirstState()
{
    MessageSettings settings;
    settings.clockTime = kNow;
    return settings;
}

// The message a command-line run reads, starting from the window's first state.
TEST(ReadMessage, ReadsEachKeyByTheFilesRules)
{
    using Values = std::map<std::wstring, std::wstring, std::less<>>;
    const Values example = {{L"Text", L"Back soon^Wait here"}, {L"Type", L"1"}, {L"Delay", L"TRUE"},
                            {L"Time", L"15"}, {L"Buttons", L"YESNOIGNORE"}};
    const auto with = [&](Values changes, std::initializer_list<const wchar_t*> absent = {}) {
        Values values = example;
        for (auto& [key, value] : changes)
            values[key] = value;
        for (const wchar_t* key : absent)
            values.erase(key);
        return values;
    };
    const MessageSettings exampleRead{.text = L"Back soon\r\nWait here", .kind = MessageKind::Warning,
                                      .buttons = {ButtonsChoice::Display, Ticks({0, 1, 7})}, .minutes = 15,
                                      .clockTime = kNow};
    const auto changed = [&](auto change) {
        MessageSettings settings = exampleRead;
        change(settings);
        return settings;
    };
    const struct {
        const wchar_t* name;
        Values file;
        MessageSettings expected;
        bool unreadableType = false;
    } cases[] = {
        {L"the example", example, exampleRead},
        {L"empty text switches the text off", with({{L"Text", L""}}),
         changed([](MessageSettings& s) { s.text.clear(); s.showText = false; })},
        {L"type 0x3", with({{L"Type", L"0x3"}}), changed([](MessageSettings& s) { s.kind = MessageKind::Confirmation; })},
        {L"type 7 keeps the first kind", with({{L"Type", L"7"}}),
         changed([](MessageSettings& s) { s.kind = MessageKind::Error; })},
        {L"type abc", with({{L"Type", L"abc"}}), changed([](MessageSettings& s) { s.kind = MessageKind::Error; }),
         true},
        {L"no type", with({}, {L"Type"}), changed([](MessageSettings& s) { s.kind = MessageKind::Error; }), true},
        {L"90 minutes are 60", with({{L"Time", L"90"}}), changed([](MessageSettings& s) { s.minutes = 60; })},
        {L"-5 minutes are none", with({{L"Time", L"-5"}}), changed([](MessageSettings& s) { s.minutes = 0; })},
        {L"minutes with a leading zero", with({{L"Time", L" 07"}}), changed([](MessageSettings& s) { s.minutes = 7; })},
        {L"lower-case true is no delay", with({{L"Delay", L"true"}, {L"Time", L"12:xx"}}),
         changed([](MessageSettings& s) { s.minutes = 0; })},
        {L"a clock time keeps the date", with({{L"Time", L"3:30:00 pm"}}), changed([](MessageSettings& s) {
             s.delayMode = DelayMode::ClockTime;
             s.minutes = 0;
             s.clockTime = 46000 + 15.5 / 24;
         })},
        {L"ALL", with({{L"Buttons", L"ALL"}}),
         changed([](MessageSettings& s) { s.buttons = {ButtonsChoice::ShowAll, ButtonTicks().set()}; })},
        {L"empty buttons hide them", with({{L"Buttons", L""}}),
         changed([](MessageSettings& s) { s.buttons = {ButtonsChoice::Hide, {}}; })},
        {L"no buttons key hides them", with({}, {L"Buttons"}),
         changed([](MessageSettings& s) { s.buttons = {ButtonsChoice::Hide, {}}; })},
        {L"lower-case tokens name none", with({{L"Buttons", L"yes"}}),
         changed([](MessageSettings& s) { s.buttons = {ButtonsChoice::Display, {}}; })},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const MessageReading read = ReadMessage(SectionInMemory(c.file), FirstState());
        EXPECT_EQ(read.message, c.expected);
        EXPECT_EQ(read.message.ButtonSet(), c.expected.ButtonSet());
        EXPECT_EQ(read.typeUnreadable, c.unreadableType);
        EXPECT_FALSE(read.error);
    }
}

// A conversion error ends the reading where it happens: the delay's kind is
// chosen, its value and the buttons are as they were.
TEST(ReadMessage, TimesThatAreNoTimesEndTheReadingWhereTheyAreRead)
{
    MessageSettings before = FirstState();
    before.minutes = 10;
    before.buttons = {ButtonsChoice::ShowAll, ButtonTicks().set()};
    const struct {
        std::map<std::wstring, std::wstring, std::less<>> file;
        const wchar_t* error;
        DelayMode mode;
    } cases[] = {
        {{{L"Type", L"2"}, {L"Delay", L"TRUE"}, {L"Time", L"25:61"}, {L"Buttons", L""}}, L"'25:61' is not a valid time",
         DelayMode::ClockTime},
        {{{L"Type", L"2"}, {L"Time", L"abc"}, {L"Buttons", L""}}, L"'abc' is not a valid integer value",
         DelayMode::Minutes},
        // No section at all: the type's message, then the absent "Time" of a delay.
        {{}, L"'' is not a valid integer value", DelayMode::Minutes},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.error);
        const MessageReading read = ReadMessage(SectionInMemory(c.file), before);
        ASSERT_TRUE(read.error);
        try {
            std::rethrow_exception(read.error);
        } catch (const Error& error) {
            EXPECT_EQ(error.Message(), c.error);
        }
        EXPECT_EQ(read.typeUnreadable, c.file.empty());
        EXPECT_EQ(read.message.delayMode, c.mode);
        EXPECT_EQ(read.message.minutes, before.minutes);
        EXPECT_EQ(read.message.clockTime, before.clockTime);
        EXPECT_EQ(read.message.buttons, before.buttons);
    }
}

// Under regional settings whose time separator is not ":" (Finnish ".") a
// clock time the writer writes reads back as a clock time.
TEST(MessageFile, ClockTimesReadBackUnderEveryTimeSeparator)
{
    for (const wchar_t separator : {L':', L'.', L'-'}) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(1, separator)));
        LocaleTimeSettings settings;
        settings.TimeSeparatorChar = separator;
        settings.LongTimePattern = L"h:mm:ss";
        SetLocaleTimeSettings(settings);
        MessageSettings design = FirstState();
        design.delayMode = DelayMode::ClockTime;
        design.clockTime = 46000 + (18 * 3600 + 39 * 60 + 36) / 86400.0;
        SectionInMemory file;
        WriteMessage(file, design);
        EXPECT_EQ(file.written[3].second, std::wstring(L"18") + separator + L"39" + separator + L"36");
        const MessageReading read = ReadMessage(file, FirstState());
        EXPECT_FALSE(read.error);
        EXPECT_EQ(read.message.delayMode, DelayMode::ClockTime);
        EXPECT_NEAR(read.message.clockTime, design.clockTime, 0.5 / 86400);
    }
    SetLocaleTimeSettings({});
}

TEST(MessageFile, WhatIsWrittenReadsBackTheSame)
{
    const MessageSettings designs[] = {
        {.text = L"a\r\n\"b\" c", .kind = MessageKind::Information, .buttons = {ButtonsChoice::Display, Ticks({4, 8})},
         .minutes = 60, .clockTime = kNow},
        {.text = L"x", .kind = MessageKind::Confirmation, .buttons = {ButtonsChoice::ShowAll, ButtonTicks().set()},
         .delayMode = DelayMode::ClockTime, .clockTime = 46000 + 23.999 / 24},
        {.text = L"y", .buttons = {ButtonsChoice::Hide, {}}, .clockTime = kNow},
    };
    for (const MessageSettings& design : designs) {
        SCOPED_TRACE(design.text);
        SectionInMemory file;
        WriteMessage(file, design);
        MessageSettings start;
        start.clockTime = design.clockTime;
        const MessageReading reading = ReadMessage(file, start);
        EXPECT_FALSE(reading.typeUnreadable);
        const MessageSettings& read = reading.message;
        EXPECT_EQ(read.text, design.text);
        EXPECT_EQ(read.kind, design.kind);
        EXPECT_EQ(read.buttons, design.buttons);
        EXPECT_EQ(read.Delayed(), design.Delayed());
        EXPECT_EQ(read.minutes, design.minutes);
        // Clock times are written to the second.
        EXPECT_NEAR(read.clockTime, design.clockTime, 1.0 / 86400);
    }
}

}  // namespace
}  // namespace brevant
