#pragma once
// The message's vocabulary: its kind and the buttons it shows.

#include <cstdint>

namespace brevant {

// Kind of message, numbered in the order the message dialog takes it.
enum class MessageKind : int32_t {
    Warning = 0,
    Error = 1,
    Information = 2,
    Confirmation = 3,
};

// Bit set of message-dialog buttons. The bit order is also the
// left-to-right order of the buttons in the dialog.
using DialogButtonSet = uint32_t;

namespace DialogButton {
inline constexpr DialogButtonSet Yes = 0x1;
inline constexpr DialogButtonSet No = 0x2;
inline constexpr DialogButtonSet OK = 0x4;
inline constexpr DialogButtonSet Cancel = 0x8;
inline constexpr DialogButtonSet Abort = 0x10;
inline constexpr DialogButtonSet Retry = 0x20;
inline constexpr DialogButtonSet Ignore = 0x40;
inline constexpr DialogButtonSet All = 0x80;
inline constexpr DialogButtonSet NoToAll = 0x100;
inline constexpr DialogButtonSet YesToAll = 0x200;
inline constexpr DialogButtonSet Help = 0x400;
}  // namespace DialogButton

// "Show ALL Buttons": every button except No to All and Yes to All.
inline constexpr DialogButtonSet AllShownButtons = 0x4FF;

}  // namespace brevant
