#include "widgets/font.h"

#include "widgets/screen_dpi.h"

#include <cstddef>
#include <cstring>

namespace brevant::widgets {

FontHandle CreatePointFont(const char* face, int points, Dpi dpi, bool bold, bool underline)
{
    LOGFONTA lf{};
    // The cell height, without the leading: a negative LOGFONT height.
    lf.lfHeight = -dpi.PointsToPixels(points);
    lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    lf.lfUnderline = underline;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfQuality = DEFAULT_QUALITY;
    strncpy(lf.lfFaceName, face, LF_FACESIZE - 1);
    return FontHandle(CreateFontIndirectA(&lf));
}

FontHandle CreateMessageFont(Dpi dpi)
{
    // The record without its last field (iPaddedBorderWidth): every version
    // of the platform accepts this size.
    constexpr UINT kNonClientMetricsSize = offsetof(NONCLIENTMETRICSA, iPaddedBorderWidth);
    static_assert(kNonClientMetricsSize == 340);
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = kNonClientMetricsSize;
    if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, kNonClientMetricsSize, &metrics, 0)) {
        // The platform gives it at the system's scale.
        LOGFONTA& font = metrics.lfMessageFont;
        font.lfHeight = MulDivRounded(font.lfHeight, dpi.Value(), DpiOfWindow(nullptr).Value());
        return FontHandle(CreateFontIndirectA(&font));
    }
    return CreatePointFont("MS Sans Serif", 8, dpi);
}

SIZE MeasureText(HFONT font, std::string_view text)
{
    SIZE size{};
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return size;
}

}  // namespace brevant::widgets
