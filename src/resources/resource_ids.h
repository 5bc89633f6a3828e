// Ids of the resources linked into brevant.exe: bitmaps, icons and the cursor.
// Plain numbers, read by brevant.rc and by the program's C++ code alike.
// The files are generated from the pixel art in art/ by tools/make-resources.
#ifndef BREVANT_RESOURCES_RESOURCE_IDS_H
#define BREVANT_RESOURCES_RESOURCE_IDS_H

// Icons come in each size the shell and the windows ask for at the usual
// display scales, as 16-colour images with a transparency mask; the 256x256
// one is a PNG file of the same colours, which keeps the exe small. Sizes
// without art of their own are enlarged or reduced from the 32x32 art with
// hard pixel edges.

// The exe's own icon, 16 to 256 pixels; the lowest icon id, so the shell shows it.
#define IDI_BREVANT 1

// Message kind icons, 16 to 96 pixels.
#define IDI_MESSAGE_ERROR 101
#define IDI_MESSAGE_WARNING 102
#define IDI_MESSAGE_INFORMATION 103
#define IDI_MESSAGE_QUESTION 104

// Push button glyphs: 16-colour bitmaps whose lower-left pixel colour (olive)
// is transparent. A strip holds square images side by side, the normal one
// first and the greyed one for the disabled state second, so the number of
// images is the width divided by the height. Sizes below are at 100 %.
//
// Each glyph also comes drawn larger, with hard pixel edges, for the display
// scale steps in BREVANT_GLYPH_DPIS (dots per inch, 96 = 100 % first). The
// bitmap of glyph IDB_GLYPH_X for step s (0-based) has the id
// IDB_GLYPH_X + IDB_GLYPH_SCALE_STEP * s and as many images as at 100 %, each
// of the side MulDiv(side at 100 %, dpi, 96); step 0 is IDB_GLYPH_X itself.
// tools/make-resources reads this list and writes glyphs.rc, which names every
// glyph bitmap.
#define BREVANT_GLYPH_DPIS 96, 120, 144, 168, 192, 240, 288
#define IDB_GLYPH_SCALE_STEP 1000

#define IDB_GLYPH_OK 201       // 36x18: green check mark, greyed
#define IDB_GLYPH_CANCEL 202   // 36x18: red cross, greyed
#define IDB_GLYPH_HELP 203     // 36x18: cyan question mark, greyed
#define IDB_GLYPH_PREVIEW 204  // 20x20: magnifying glass over a question mark
#define IDB_GLYPH_SAVE 205     // 40x20: blue floppy disk, greyed
#define IDB_GLYPH_LOAD 206     // 14x14: yellow open folder
#define IDB_GLYPH_SCHEDULE 207 // 16x16: clock face

// Pointing hand over links, 32x32 monochrome, hotspot at the fingertip.
#define IDC_HAND_POINTER 301

#endif
