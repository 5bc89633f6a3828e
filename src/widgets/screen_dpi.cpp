#include "widgets/screen_dpi.h"

#include "widgets/system_function.h"

namespace brevant::widgets {

namespace {

// Present from Windows 10 version 1607 on; older platforms scale by the
// system's setting only.
using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using AdjustWindowRectExForDpiFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
using GetSystemMetricsForDpiFunction = int(WINAPI*)(int, UINT);

Dpi SystemDpi()
{
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return Dpi(dpi);
}

}  // namespace

Dpi DpiOfWindow(HWND window)
{
    static const auto getDpiForWindow = NewerSystemFunction<GetDpiForWindowFunction>("user32.dll", "GetDpiForWindow");
    if (window && getDpiForWindow)
        return Dpi(static_cast<int>(getDpiForWindow(window)));
    return SystemDpi();
}

int SystemMetricAt(int index, Dpi dpi)
{
    static const auto forDpi = NewerSystemFunction<GetSystemMetricsForDpiFunction>("user32.dll", "GetSystemMetricsForDpi");
    return forDpi ? forDpi(index, static_cast<UINT>(dpi.Value())) : GetSystemMetrics(index);
}

SIZE OuterSize(SIZE client, DWORD style, bool hasMenu, DWORD exStyle, Dpi dpi)
{
    static const auto adjustForDpi =
        NewerSystemFunction<AdjustWindowRectExForDpiFunction>("user32.dll", "AdjustWindowRectExForDpi");
    RECT frame{0, 0, client.cx, client.cy};
    if (adjustForDpi)
        adjustForDpi(&frame, style, hasMenu, exStyle, static_cast<UINT>(dpi.Value()));
    else
        AdjustWindowRectEx(&frame, style, hasMenu, exStyle);
    return {frame.right - frame.left, frame.bottom - frame.top};
}

}  // namespace brevant::widgets
