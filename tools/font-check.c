/* Checks, under Wine, that the faces brevant.exe's windows ask for are drawn
   with the fonts its tests and pictures were measured with. Wine maps a
   Windows face such as "MS Sans Serif" to whatever the machine has; without
   Debian's fonts-liberation it falls back to a wider face and captions are cut.
   And that a text in another script is drawn, not shown as boxes: Windows
   falls back to other fonts for Chinese, Japanese, Korean and symbols, and so
   does a prefix that links them (tools/lib.sh).
   Prints nothing and ends with 0 when every face matches; otherwise prints one
   line naming the first face that does not and ends with 1. */
#include <windows.h>
#include <usp10.h>

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
    int showsMessages;  /* draws the user's text, in any script */
};

static const struct Expected kExpected[] = {
    {"the window font", "MS Sans Serif", 11, FW_NORMAL, "Informational Message", "Liberation Sans", 110, 1},
    {"the About window's title font", "MS Sans Serif", 24, FW_BOLD, "Brevant v", "Liberation Sans", 108, 0},
    {"the message font", NULL, 0, 0, "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", "Liberation Sans", 334, 1},
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

/* Characters the memo, the message and the error boxes must show: Cyrillic,
   Greek, Chinese, Korean, a hot beverage and a check mark. */
static const wchar_t *const kScripts[] = {L"\x041D", L"\x03A9", L"\x65E5", L"\xD55C", L"\x2615", L"\x2713"};

/* The character as the font draws it, on the bitmap selected: as labels
   draw it (GDI, through the font links), or as edit controls do (Uniscribe,
   through its fallback fonts). */
static void Draw(HDC memory, const wchar_t *text, int asEdits)
{
    RECT r = {0, 0, 48, 48};
    FillRect(memory, &r, GetStockObject(WHITE_BRUSH));
    if (!asEdits) {
        DrawTextW(memory, text, -1, &r, DT_NOPREFIX);
    } else {
        SCRIPT_STRING_ANALYSIS analysis;
        const int length = (int)wcslen(text);
        if (ScriptStringAnalyse(memory, text, length, 2 * length + 16, -1, SSA_GLYPHS | SSA_FALLBACK, 0, NULL,
                                NULL, NULL, NULL, NULL, &analysis) == S_OK) {
            ScriptStringOut(analysis, 0, 0, 0, NULL, 0, 0, FALSE);
            ScriptStringFree(&analysis);
        }
    }
    GdiFlush();
}

/* The first of kScripts the font shows as the box of a missing character
   (a private-use character has none), or NULL. */
static const wchar_t *FirstBox(HDC dc, HFONT font, int asEdits)
{
    BITMAPINFO info;
    memset(&info, 0, sizeof info);
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = 48;
    info.bmiHeader.biHeight = -48;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void *boxBits, *bits;
    HDC memory = CreateCompatibleDC(dc);
    HBITMAP box = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &boxBits, NULL, 0);
    HBITMAP glyph = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, NULL, 0);
    SelectObject(memory, font);
    SelectObject(memory, box);
    Draw(memory, L"\xE000", asEdits);
    SelectObject(memory, glyph);
    const wchar_t *missing = NULL;
    for (size_t i = 0; i < sizeof kScripts / sizeof kScripts[0] && !missing; ++i) {
        Draw(memory, kScripts[i], asEdits);
        if (memcmp(bits, boxBits, 48 * 48 * 4) == 0)
            missing = kScripts[i];
    }
    DeleteDC(memory);
    DeleteObject(box);
    DeleteObject(glyph);
    return missing;
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
        const wchar_t *box = NULL;
        for (int asEdits = 0; asEdits < 2 && expected->showsMessages && !box; ++asEdits)
            box = FirstBox(dc, font, asEdits);
        DeleteObject(font);
        if (box) {
            printf("Wine draws U+%04X in \"%s\" (%s) as a box: install Debian's fonts-wqy-microhei and "
                   "fonts-symbola, which tools/lib.sh makes the prefix's fallback fonts\n",
                   (unsigned)box[0], logical.lfFaceName, expected->role);
            fflush(stdout);
            return 1;
        }
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
