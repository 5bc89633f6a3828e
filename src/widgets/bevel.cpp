#include "widgets/bevel.h"

namespace brevant::widgets {

void Bevel::Create(HWND parent, const Bounds& bounds)
{
    // SS_NOTIFY keeps the static from being transparent to the mouse.
    CreateControl(parent, {.className = L"STATIC", .style = SS_OWNERDRAW | SS_NOTIFY, .bounds = bounds},
                  nullptr);
}

std::optional<LRESULT> Bevel::OnDrawItem(DRAWITEMSTRUCT& item)
{
    RECT box = item.rcItem;
    FillRect(item.hDC, &box, GetSysColorBrush(COLOR_BTNFACE));
    DrawEdge(item.hDC, &box, EDGE_ETCHED, BF_TOP);
    return TRUE;
}

}  // namespace brevant::widgets
