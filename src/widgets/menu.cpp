#include "widgets/menu.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace brevant::widgets {

MenuBar BuildMenuBar(std::span<const MenuEntry> entries)
{
    MenuBar bar{MenuHandle(CreateMenu()), nullptr};
    std::vector<ACCEL> keys;
    HMENU popup = nullptr;
    for (const MenuEntry& entry : entries) {
        switch (entry.kind) {
        case MenuEntry::Popup:
            popup = CreatePopupMenu();
            AppendMenuW(bar.menu.get(), MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(popup),
                        entry.caption);
            break;
        case MenuEntry::Separator:
            AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
            break;
        case MenuEntry::Item: {
            std::wstring text = entry.caption;
            if (entry.shortcutText)
                text += std::wstring(L"\t") + entry.shortcutText;
            AppendMenuW(popup, MF_STRING, entry.id, text.c_str());
            if (entry.key)
                keys.push_back({FVIRTKEY, entry.key, entry.id});
            break;
        }
        }
        if (!popup)
            throw std::logic_error("A menu item comes before its popup");
    }
    if (!keys.empty())
        bar.accelerators.reset(CreateAcceleratorTableW(keys.data(), static_cast<int>(keys.size())));
    return bar;
}

}  // namespace brevant::widgets
