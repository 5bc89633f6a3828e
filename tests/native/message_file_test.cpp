#include "config/message_file.h"

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
    explicit SectionInMemory(std::map<std::string, std::string, std::less<>> values = {},
                             std::string refusedKey = {})
        : values_(std::move(values)), refusedKey_(std::move(refusedKey))
    {
    }

    std::string ReadText(std::string_view key, std::string_view defaultValue) const override
    {
        const auto found = values_.find(key);
        return std::string(found == values_.end() ? defaultValue : found->second);
    }
    void WriteText(std::string_view key, std::string_view value) override
    {
        if (key == refusedKey_)
            throw Error("Unable to write to the section");
        written.emplace_back(key, value);
        values_[std::string(key)] = value;
    }

    std::vector<std::pair<std::string, std::string>> written;

private:
    std::map<std::string, std::string, std::less<>> values_;
    std::string refusedKey_;
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
    // Static: GCC 12 at -O3 takes a string of a local table of this shape for
    // uninitialised in its cleanup.
    static const struct {
        const char* name;
        MessageSettings settings;
        std::vector<std::pair<std::string, std::string>> written;
    } cases[] = {
        {"the example",
         {.text = "Back soon\r\nWait here", .kind = MessageKind::Warning,
          .buttons = {ButtonsChoice::Display, Ticks({0, 1, 7})}, .minutes = 15},
         {{"Text", "Back soon^Wait here"}, {"Type", "1"}, {"Delay", "TRUE"}, {"Time", "15"},
          {"Buttons", "YESNOIGNORE"}}},
        // The text is written whether or not it is shown.
        {"no delay, text switched off, all buttons",
         {.text = "  kept  ", .showText = false, .buttons = {ButtonsChoice::ShowAll, {}}},
         {{"Text", "\"  kept  \""}, {"Type", "0"}, {"Delay", "FALSE"}, {"Time", "0"}, {"Buttons", "ALL"}}},
        {"clock time, hidden buttons",
         {.text = "", .kind = MessageKind::Confirmation, .buttons = {ButtonsChoice::Hide, Ticks({2})},
          .delayMode = DelayMode::ClockTime, .minutes = 0, .clockTime = 46000 + 15.5 / 24},
         {{"Text", ""}, {"Type", "3"}, {"Delay", "TRUE"}, {"Time", "3:30:00 pm"}, {"Buttons", ""}}},
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
    SectionInMemory file({}, "Time");
    EXPECT_THROW(WriteMessage(file, MessageSettings{}), Error);
    ASSERT_EQ(file.written.size(), 3u);
    EXPECT_EQ(file.written.back().first, "Delay");
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
    using Values = std::map<std::string, std::string, std::less<>>;
    const Values example = {{"Text", "Back soon^Wait here"}, {"Type", "1"}, {"Delay", "TRUE"},
                            {"Time", "15"}, {"Buttons", "YESNOIGNORE"}};
    const auto with = [&](Values changes, std::initializer_list<const char*> absent = {}) {
        Values values = example;
        for (auto& [key, value] : changes)
            values[key] = value;
        for (const char* key : absent)
            values.erase(key);
        return values;
    };
    const MessageSettings exampleRead{.text = "Back soon\r\nWait here", .kind = MessageKind::Warning,
                                      .buttons = {ButtonsChoice::Display, Ticks({0, 1, 7})}, .minutes = 15,
                                      .clockTime = kNow};
    const auto changed = [&](auto change) {
        MessageSettings settings = exampleRead;
        change(settings);
        return settings;
    };
    const struct {
        const char* name;
        Values file;
        MessageSettings expected;
        bool unreadableType = false;
        std::optional<std::string> minutesAsWritten = "15";
    } cases[] = {
        {"the example", example, exampleRead},
        {"empty text switches the text off", with({{"Text", ""}}),
         changed([](MessageSettings& s) { s.text.clear(); s.showText = false; })},
        {"type 0x3", with({{"Type", "0x3"}}), changed([](MessageSettings& s) { s.kind = MessageKind::Confirmation; })},
        {"type 7 keeps the first kind", with({{"Type", "7"}}),
         changed([](MessageSettings& s) { s.kind = MessageKind::Error; })},
        {"type abc", with({{"Type", "abc"}}), changed([](MessageSettings& s) { s.kind = MessageKind::Error; }),
         true},
        {"no type", with({}, {"Type"}), changed([](MessageSettings& s) { s.kind = MessageKind::Error; }), true},
        {"90 minutes are 60", with({{"Time", "90"}}), changed([](MessageSettings& s) { s.minutes = 60; }), false,
         "90"},
        {"-5 minutes are none", with({{"Time", "-5"}}), changed([](MessageSettings& s) { s.minutes = 0; }), false,
         "-5"},
        {"minutes with a leading zero", with({{"Time", " 07"}}), changed([](MessageSettings& s) { s.minutes = 7; }),
         false, " 07"},
        {"lower-case true is no delay", with({{"Delay", "true"}, {"Time", "12:xx"}}),
         changed([](MessageSettings& s) { s.minutes = 0; }), false, "0"},
        {"a clock time keeps the date", with({{"Time", "3:30:00 pm"}}), changed([](MessageSettings& s) {
             s.delayMode = DelayMode::ClockTime;
             s.minutes = 0;
             s.clockTime = 46000 + 15.5 / 24;
         }), false, std::nullopt},
        {"ALL", with({{"Buttons", "ALL"}}),
         changed([](MessageSettings& s) { s.buttons = {ButtonsChoice::ShowAll, ButtonTicks().set()}; })},
        {"empty buttons hide them", with({{"Buttons", ""}}),
         changed([](MessageSettings& s) { s.buttons = {ButtonsChoice::Hide, {}}; })},
        {"no buttons key hides them", with({}, {"Buttons"}),
         changed([](MessageSettings& s) { s.buttons = {ButtonsChoice::Hide, {}}; })},
        {"lower-case tokens name none", with({{"Buttons", "yes"}}),
         changed([](MessageSettings& s) { s.buttons = {ButtonsChoice::Display, {}}; })},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const MessageReading read = ReadMessage(SectionInMemory(c.file), FirstState());
        EXPECT_EQ(read.message, c.expected);
        EXPECT_EQ(read.message.ButtonSet(), c.expected.ButtonSet());
        EXPECT_EQ(read.typeUnreadable, c.unreadableType);
        EXPECT_EQ(read.minutesAsWritten, c.minutesAsWritten);
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
        std::map<std::string, std::string, std::less<>> file;
        const char* error;
        DelayMode mode;
        std::optional<std::string> minutesAsWritten;
    } cases[] = {
        {{{"Type", "2"}, {"Delay", "TRUE"}, {"Time", "25:61"}, {"Buttons", ""}}, "'25:61' is not a valid time",
         DelayMode::ClockTime, std::nullopt},
        {{{"Type", "2"}, {"Time", "abc"}, {"Buttons", ""}}, "'abc' is not a valid integer value", DelayMode::Minutes,
         "abc"},
        // No section at all: the type's message, then the absent "Time" of a delay.
        {{}, "'' is not a valid integer value", DelayMode::Minutes, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.error);
        const MessageReading read = ReadMessage(SectionInMemory(c.file), before);
        ASSERT_TRUE(read.error);
        try {
            std::rethrow_exception(read.error);
        } catch (const Error& error) {
            EXPECT_STREQ(error.what(), c.error);
        }
        EXPECT_EQ(read.typeUnreadable, c.file.empty());
        EXPECT_EQ(read.message.delayMode, c.mode);
        EXPECT_EQ(read.message.minutes, before.minutes);
        EXPECT_EQ(read.message.clockTime, before.clockTime);
        EXPECT_EQ(read.message.buttons, before.buttons);
        EXPECT_EQ(read.minutesAsWritten, c.minutesAsWritten);
    }
}

TEST(MessageFile, WhatIsWrittenReadsBackTheSame)
{
    const MessageSettings designs[] = {
        {.text = "a\r\n\"b\" c", .kind = MessageKind::Information, .buttons = {ButtonsChoice::Display, Ticks({4, 8})},
         .minutes = 60, .clockTime = kNow},
        {.text = "x", .kind = MessageKind::Confirmation, .buttons = {ButtonsChoice::ShowAll, ButtonTicks().set()},
         .delayMode = DelayMode::ClockTime, .clockTime = 46000 + 23.999 / 24},
        {.text = "y", .buttons = {ButtonsChoice::Hide, {}}, .clockTime = kNow},
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
