/* Checks, under Wine, that the faces brevant.exe's windows ask for are drawn
   with the fonts its tests and pictures were measured with. Wine maps a
   Windows face such as "MS Sans Serif" to whatever the machine has; without
   Debian's fonts-liberation it falls back to a wider face and captions are cut.
   Prints nothing and ends with 0 when every face matches; otherwise prints one
   line naming the first face that does not and ends with 1. */
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

struct Expected {
    const char *role;
    const char *face;   /* NULL: the system's message font */
    int pixelHeight;    /* at 96 dots per inch */
    int weight;
    const char *sample;
    const char *drawnWith;
    int width;          /* of the sample, in pixels */
};

static const struct Expected kExpected[] = {
    {"the window font", "MS Sans Serif", 11, FW_NORMAL, "Informational Message", "Liberation Sans", 110},
    {"the About window's title font", "MS Sans Serif", 24, FW_BOLD, "Brevant v", "Liberation Sans", 108},
    {"the message font", NULL, 0, 0, "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", "Liberation Sans", 334},
};

/* Widths may differ by this much between builds of the same font. */
enum { kTolerance = 2 };

static LOGFONTA FontOf(const struct Expected *expected, HDC dc)
{
    LOGFONTA font;
    memset(&font, 0, sizeof font);
    if (!expected->face) {
        NONCLIENTMETRICSA metrics;
        memset(&metrics, 0, sizeof metrics);
        metrics.cbSize = sizeof metrics;
        SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
        /* Given at the prefix's display scale; measured at 96 dots per inch. */
        metrics.lfMessageFont.lfHeight = MulDiv(metrics.lfMessageFont.lfHeight, 96, GetDeviceCaps(dc, LOGPIXELSY));
        return metrics.lfMessageFont;
    }
    font.lfHeight = -expected->pixelHeight;
    font.lfWeight = expected->weight;
    font.lfCharSet = DEFAULT_CHARSET;
    strcpy(font.lfFaceName, expected->face);
    return font;
}

int main(void)
{
    HDC dc = GetDC(NULL);
    for (size_t i = 0; i < sizeof kExpected / sizeof kExpected[0]; ++i) {
        const struct Expected *expected = &kExpected[i];
        LOGFONTA logical = FontOf(expected, dc);
        HFONT font = CreateFontIndirectA(&logical);
        HGDIOBJ previous = SelectObject(dc, font);
        char drawnWith[LF_FACESIZE] = "";
        SIZE size = {0, 0};
        GetTextFaceA(dc, sizeof drawnWith, drawnWith);
        GetTextExtentPoint32A(dc, expected->sample, (int)strlen(expected->sample), &size);
        SelectObject(dc, previous);
        DeleteObject(font);
        if (strcmp(drawnWith, expected->drawnWith) != 0 || abs(size.cx - expected->width) > kTolerance) {
            printf("Wine draws \"%s\" (%s) with %s, \"%s\" %ld px wide, where the tests and pictures "
                   "expect %s and %d px: install Debian's fonts-liberation and fonts-wine "
                   "(apt-get install fonts-liberation fonts-wine)\n",
                   logical.lfFaceName, expected->role, drawnWith, expected->sample, size.cx,
                   expected->drawnWith, expected->width);
            fflush(stdout);
            return 1;
        }
    }
    ReleaseDC(NULL, dc);
    return 0;
}
