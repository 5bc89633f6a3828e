#include "widgets/visual_style.h"

#include "widgets/system_function.h"
#include "widgets/window.h"

#include <vssym32.h>

namespace brevant::widgets {

namespace {

using OpenThemeDataForDpiFunction = HTHEME(WINAPI*)(HWND, LPCWSTR, UINT);

ThemeHandle OpenTheme(const wchar_t* themeClass, Dpi dpi)
{
    // Opened for no window: the theme data of a window is also the one the
    // platform's control of that window opens and closes for itself (a push
    // button's, under the owner-drawn glyph button), which would close ours.
    // Sized for the window's scale where the platform can (Windows 10 1703 on),
    // as the platform's own controls beside it are.
    static const auto openForDpi =
        NewerSystemFunction<OpenThemeDataForDpiFunction>("uxtheme.dll", "OpenThemeDataForDpi");
    return ThemeHandle(openForDpi ? openForDpi(nullptr, themeClass, static_cast<UINT>(dpi.Value()))
                                  : OpenThemeData(nullptr, themeClass));
}

}  // namespace

HTHEME VisualStyle::For(HWND window)
{
    const Dpi dpi = Window::LayoutDpiOf(window);
    if (openedAt_ != dpi) {
        theme_ = OpenTheme(class_, dpi);
        openedAt_ = dpi;
    }
    return theme_.get();
}

void VisualStyle::Reset()
{
    theme_.reset();
    openedAt_.reset();
}

COLORREF ThemeTextColour(HTHEME theme, int part, int state, int systemColour)
{
    COLORREF colour = 0;
    if (FAILED(GetThemeColor(theme, part, state, TMT_TEXTCOLOR, &colour)))
        colour = GetSysColor(systemColour);
    return colour;
}

bool HighContrastOn()
{
    HIGHCONTRASTW scheme{};
    scheme.cbSize = sizeof scheme;
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof scheme, &scheme, 0) &&
           (scheme.dwFlags & HCF_HIGHCONTRASTON);
}

}  // namespace brevant::widgets
