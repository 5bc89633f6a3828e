#pragma once
// The values of the message config file and how they map to the window's
// choices: text with line breaks, the message kind's code, the delay, the
// buttons. Nothing here touches a window or a file.
#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "config/message_types.h"

namespace brevant {

// The section and keys of the file, in the order they are written and read.
inline constexpr std::wstring_view ConfigSection = L"Message1";
inline constexpr std::wstring_view TextKey = L"Text";
inline constexpr std::wstring_view TypeKey = L"Type";
inline constexpr std::wstring_view DelayKey = L"Delay";
inline constexpr std::wstring_view TimeKey = L"Time";
inline constexpr std::wstring_view ButtonsKey = L"Buttons";

inline constexpr std::wstring_view DelayedValue = L"TRUE";
inline constexpr std::wstring_view NotDelayedValue = L"FALSE";
inline constexpr std::wstring_view AllButtonsValue = L"ALL";

// Every line break (CR LF, a lone CR or a lone LF) becomes one "^", so the
// text always stays on its one line of the file.
std::wstring LineBreaksToCarets(std::wstring_view text);
// Every "^" becomes CR LF.
std::wstring CaretsToLineBreaks(std::wstring_view value);

// The platform's profile functions drop blanks and other spaces at either end
// of a value, and a pair of quote marks around it. A value that could lose
// characters so (blanks or quote marks at its ends, or any byte that is not
// printable ASCII) is written inside double quotes, which the platform's
// reader takes off again; any other value is written as it is.
std::wstring QuotedForProfile(std::wstring_view value);

// "Type" codes: the message kinds in file order, and the reader's marker for a
// missing or unreadable code.
inline constexpr std::array<MessageKind, 4> KindsInFileOrder = {
    MessageKind::Error, MessageKind::Warning, MessageKind::Information, MessageKind::Confirmation};
inline constexpr int32_t UnreadableTypeCode = 99;
// What the program says of a file whose "Type" is missing or unreadable.
inline constexpr wchar_t UnreadableTypeMessage[] = L"Type Of message is incorrect. Never modify the config file manually!";

int32_t FileTypeCode(MessageKind kind);
// The kind a code names, or nothing for any code but 0 to 3.
std::optional<MessageKind> KindFromFileTypeCode(int32_t code);

// How whole numbers are read from the file: a leading "0x" or "0X" (followed
// by at least one more character) is taken as "$"; text that is not a whole
// number gives the fallback.
std::wstring HexPrefixAsDollar(std::wstring_view text);
int32_t ConfigNumberOr(std::wstring_view text, int32_t fallback);

// A "Time" value that holds a clock time rather than a number of minutes: one
// with ":" or with the time separator clock times are written with.
bool IsClockTime(std::wstring_view value, wchar_t timeSeparator);

// The button check boxes, in the order their tokens are written.
struct ButtonToken {
    std::wstring_view token;
    DialogButtonSet bit;
};
inline constexpr std::array<ButtonToken, 9> ButtonTokens = {{
    {L"YES", DialogButton::Yes},
    {L"NO", DialogButton::No},
    {L"OK", DialogButton::OK},
    {L"CANCEL", DialogButton::Cancel},
    {L"HELP", DialogButton::Help},
    {L"ABORT", DialogButton::Abort},
    {L"RETRY", DialogButton::Retry},
    {L"IGNORE", DialogButton::Ignore},
    {L"ALLBTN", DialogButton::All},
}};
// Bit i stands for the check box of ButtonTokens[i].
using ButtonTicks = std::bitset<ButtonTokens.size()>;

// True when the token stands in the value on its own: exact letter case, and
// not merely as part of a longer token of the table ("NO" inside "IGNORE").
bool ContainsToken(std::wstring_view value, std::wstring_view token);

// The state of the button radio group; None when no radio is selected.
enum class ButtonsChoice { Hide, Display, ShowAll, None };

struct ButtonsSelection {
    ButtonsChoice choice;
    ButtonTicks ticks;
    friend bool operator==(const ButtonsSelection&, const ButtonsSelection&) = default;
};

// The "Buttons" value the writer stores for the selection.
std::wstring ButtonsValue(const ButtonsSelection& selection);

// The buttons a selection shows: none, every one but No to All and Yes to
// All, or those ticked.
DialogButtonSet ButtonSetOf(const ButtonsSelection& selection);

// The selection a "Buttons" value stands for: empty hides the buttons, "ALL"
// shows them all with every box ticked, anything else displays the boxes of
// the tokens it holds (possibly none).
ButtonsSelection ReadButtonsValue(std::wstring_view value);

}  // namespace brevant
