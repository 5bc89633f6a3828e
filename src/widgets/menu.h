#pragma once
#include "widgets/handles.h"

#include <span>

namespace brevant::widgets {

// One entry of a menu bar kept as data: a popup title (no id), an item under
// the last title, or a separator (no caption). An item may name a shortcut
// key, shown after a tab and, where key is given, put in the accelerator table.
struct MenuEntry {
    enum Kind { Popup, Item, Separator } kind;
    const wchar_t* caption = nullptr;
    WORD id = 0;
    const wchar_t* shortcutText = nullptr;
    WORD key = 0;  // virtual key of the shortcut handled by the accelerator table
};

struct MenuBar {
    MenuHandle menu;
    AcceleratorHandle accelerators;
};

MenuBar BuildMenuBar(std::span<const MenuEntry> entries);

}  // namespace brevant::widgets
