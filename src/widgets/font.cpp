#include "widgets/font.h"

#include "widgets/screen_dpi.h"

#include <cstddef>
#include <cwchar>

namespace brevant::widgets {

FontHandle CreatePointFont(const wchar_t* face, int points, Dpi dpi, bool bold, bool underline)
{
    LOGFONTW lf{};
    // The cell height, without the leading: a negative LOGFONT height.
    lf.lfHeight = -dpi.PointsToPixels(points);
    lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    lf.lfUnderline = underline;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfQuality = DEFAULT_QUALITY;
    wcsncpy(lf.lfFaceName, face, LF_FACESIZE - 1);
    return FontHandle(CreateFontIndirectW(&lf));
}

FontHandle CreateMessageFont(Dpi dpi)
{
    // The record without its last field (iPaddedBorderWidth): every version
    // of the platform accepts this size.
    constexpr UINT kNonClientMetricsSize = offsetof(NONCLIENTMETRICSW, iPaddedBorderWidth);
    static_assert(kNonClientMetricsSize == 500);
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = kNonClientMetricsSize;
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, kNonClientMetricsSize, &metrics, 0)) {
        // The platform gives it at the system's scale.
        LOGFONTW& font = metrics.lfMessageFont;
        font.lfHeight = MulDivRounded(font.lfHeight, dpi.Value(), DpiOfWindow(nullptr).Value());
        return FontHandle(CreateFontIndirectW(&font));
    }
    return CreatePointFont(L"MS Sans Serif", 8, dpi);
}

SIZE MeasureText(HFONT font, std::wstring_view text)
{
    SIZE size{};
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return size;
}

}  // namespace brevant::widgets
