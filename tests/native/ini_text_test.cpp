#include "config/ini_text.h"

#include "config/config_values.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace brevant {
namespace {

// What a read of the key gives: the value as the profile functions give it,
// or the default.
std::wstring Read(const IniText& ini, std::wstring_view key, std::wstring_view fallback = L"absent")
{
    const auto value = ini.Find(L"Message1", key);
    return ProfileValue(value ? *value : fallback);
}

TEST(IniText, HandWrittenAndHostileTextsReadAsTheProfileFunctionsReadThem)
{
    const struct {
        const char* what;
        std::wstring text;
        const wchar_t* key;
        std::wstring expected;
    } cases[] = {
        {"the key", L"[Message1]\r\nType=1\r\n", L"Type", L"1"},
        {"duplicate keys: the first counts", L"[Message1]\r\nType=1\r\nType=2\r\n", L"Type", L"1"},
        {"duplicate keys in other letter case", L"[Message1]\r\nType=1\r\ntype=2\r\n", L"Type", L"1"},
        {"section in other letter case", L"[MESSAGE1]\r\nType=1\r\n", L"Type", L"1"},
        {"blanks around the key and value", L"[Message1]\r\n  Type  =   2   \r\n", L"Type", L"2"},
        {"tabs and a ^Z around the value", L"[Message1]\r\nType=\t2\x1A\r\n", L"Type", L"2"},
        {"blanks inside the brackets name another section", L"[ Message1 ]\r\nType=1\r\n", L"Type", L"absent"},
        {"text after the closing bracket", L"[Message1] ; the message\r\nType=1\r\n", L"Type", L"1"},
        {"no closing bracket: no section", L"[Other\r\n[Message1\r\nType=1\r\n", L"Type", L"absent"},
        {"only the first section of the name", L"[Message1]\r\nText=a\r\n[Message1]\r\nType=3\r\n", L"Type",
         L"absent"},
        {"keys of another section", L"[Other]\r\nType=1\r\n[Message1]\r\nText=x\r\n", L"Type", L"absent"},
        {"keys before any section", L"Type=1\r\n[Message1]\r\n", L"Type", L"absent"},
        {"a key without = gives the default", L"[Message1]\r\nType\r\n", L"Type", L"absent"},
        {"an empty value is a value", L"[Message1]\r\nButtons=\r\n", L"Buttons", L""},
        {"a comment is no key", L"[Message1]\r\n;Type=1\r\n", L"Type", L"absent"},
        {"= in the value", L"[Message1]\r\nText=a=b\r\n", L"Text", L"a=b"},
        {"quotes around the value", L"[Message1]\r\nText=\"hello world\"\r\n", L"Text", L"hello world"},
        {"single quotes around the value", L"[Message1]\r\nText='tis'\r\n", L"Text", L"tis"},
        {"blanks kept by quotes", L"[Message1]\r\nText=\"  two  \"\r\n", L"Text", L"  two  "},
        {"quote at one end only", L"[Message1]\r\nText=\"hello\r\n", L"Text", L"\"hello"},
        {"different quotes", L"[Message1]\r\nText=\"hello'\r\n", L"Text", L"\"hello'"},
        {"one quote alone", L"[Message1]\r\nText=\"\r\n", L"Text", L"\""},
        {"two quotes", L"[Message1]\r\nText=\"\"\r\n", L"Text", L""},
        {"line feeds only", L"[Message1]\nType=3\nText=x\n", L"Type", L"3"},
        {"carriage returns only: one line", L"[Message1]\rType=3\r", L"Type", L"absent"},
        {"no line break at the end", L"[Message1]\r\nType=2", L"Type", L"2"},
        {"a zero ends the value", std::wstring(L"[Message1]\r\nText=x\0y\r\nType=1\r\n", 29), L"Text", L"x"},
        {"keys after a zero are read", std::wstring(L"[Message1]\r\nText=x\0y\r\nType=1\r\n", 29), L"Type", L"1"},
        {"1 MiB is cut to 1023", L"[Message1]\r\nText=" + std::wstring(1 << 20, L'z') + L"\r\nType=2\r\n", L"Text",
         std::wstring(1023, L'z')},
        {"keys after 1 MiB are read", L"[Message1]\r\nText=" + std::wstring(1 << 20, L'z') + L"\r\nType=2\r\n",
         L"Type", L"2"},
        {"1023 quoted characters come back whole",
         L"[Message1]\r\nText=\"" + std::wstring(1023, L'q') + L"\"\r\n", L"Text", std::wstring(1023, L'q')},
        {"longer quoted text is cut to 1023",
         L"[Message1]\r\nText=\"" + std::wstring(2000, L'q') + L"\"\r\n", L"Text", std::wstring(1023, L'q')},
        {"a pair at the cut stays whole",
         L"[Message1]\r\nText=" + std::wstring(1022, L'p') + L"\xD83D\xDCC5" L"\r\n", L"Text",
         std::wstring(1022, L'p')},
        {"any script", L"[Message1]\r\nText=\x041D\x0430 \x65E5\x672C \xD83D\xDCC5\r\n", L"Text",
         L"\x041D\x0430 \x65E5\x672C \xD83D\xDCC5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Read(IniText(c.text), c.key), c.expected);
    }
}

TEST(IniText, SettingAKeyTouchesOnlyItsLine)
{
    const struct {
        const char* what;
        std::wstring before;
        std::wstring after;
    } cases[] = {
        {"a new text", L"", L"[Message1]\r\nText=new\r\n"},
        {"the key in place, its neighbours kept", L"[Message1]\r\nA=1\r\ntext = old \r\nB=2\r\n",
         L"[Message1]\r\nA=1\r\nText=new\r\nB=2\r\n"},
        {"a new key after the section's last key",
         L"[Before]\r\nKeep=1\r\n\r\n[Message1]\r\nExtra=stays\r\n\r\n[After]\r\nKeep=2\r\n",
         L"[Before]\r\nKeep=1\r\n\r\n[Message1]\r\nExtra=stays\r\nText=new\r\n\r\n[After]\r\nKeep=2\r\n"},
        {"a section header alone", L"[Message1]", L"[Message1]\r\nText=new\r\n"},
        {"the section added at the end", L"; mine\r\n[Other]\r\nKeep=1", L"; mine\r\n[Other]\r\nKeep=1\r\n"
                                                                          L"[Message1]\r\nText=new\r\n"},
        {"line feeds kept", L"[Message1]\nText=old\nType=1\n", L"[Message1]\nText=new\nType=1\n"},
        {"only the first key of the name", L"[Message1]\r\nText=a\r\nText=b\r\n",
         L"[Message1]\r\nText=new\r\nText=b\r\n"},
        {"only the first section of the name", L"[Message1]\r\nType=1\r\n[message1]\r\nText=b\r\n",
         L"[Message1]\r\nType=1\r\nText=new\r\n[message1]\r\nText=b\r\n"},
        {"a key without =", L"[Message1]\r\nText\r\n", L"[Message1]\r\nText=new\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        IniText ini(c.before);
        ini.Set(L"Message1", L"Text", L"new");
        EXPECT_EQ(ini.Text(), c.after);
        EXPECT_EQ(Read(ini, L"Text"), L"new");
    }
}

// A lone line feed pasted into the text must not smuggle keys in.
TEST(IniText, WhatTheWriterWritesReadsBackTheSame)
{
    const std::wstring values[] = {
        L"Back soon^Wait here", L"YESNOIGNORE", L"", L"3:30:00 PM", L"a=b;c [d] #e", L"x\"y'z", L"^",
        std::wstring(1023, L'w'), L" lead", L"trail ", L"   ", L"\"quoted\"", L"'tis'", L"\"", L"''",
        L"tab\tinside", L"caf\xE9", L"\xA0no-break\xA0", L"\x041D\x0430\x043F\x043E\x043C\x043D\x0438",
        L"\x2615 \x2713", L"\xD83D\xDCC5", L"\x05E9\x05DC\x05D5\x05DD", std::wstring(1021, L'w') + L"  ",
        LineBreaksToCarets(L"Hello\nType=3\rButtons=ALL"),
    };
    IniText ini;
    for (const std::wstring& value : values) {
        SCOPED_TRACE(testing::PrintToString(value));
        ini.Set(L"Message1", L"Text", QuotedForProfile(value));
        ini.Set(L"Message1", L"Type", L"1");
        EXPECT_EQ(Read(ini, L"Text"), value);
        EXPECT_EQ(Read(ini, L"Type"), L"1");
        EXPECT_EQ(Read(ini, L"Buttons"), L"absent");
    }
}

}  // namespace
}  // namespace brevant
