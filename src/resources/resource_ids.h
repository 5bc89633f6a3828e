// Ids of the resources linked into brevant.exe: bitmaps, icons and the cursor.
// Plain numbers, read by brevant.rc and by the program's C++ code alike.
// The files are generated from the pixel art in art/ by tools/make-resources.
#ifndef BREVANT_RESOURCES_RESOURCE_IDS_H
#define BREVANT_RESOURCES_RESOURCE_IDS_H

// The exe's own icon (32x32 and 16x16); the lowest icon id, so the shell shows it.
#define IDI_BREVANT 1

// Message kind icons, 32x32, 16 colours with a transparency mask.
#define IDI_MESSAGE_ERROR 101
#define IDI_MESSAGE_WARNING 102
#define IDI_MESSAGE_INFORMATION 103
#define IDI_MESSAGE_QUESTION 104

// Push button glyphs: 16-colour bitmaps whose lower-left pixel colour (olive)
// is transparent. A strip holds square images side by side, the normal one
// first and the greyed one for the disabled state second, so the number of
// images is the width divided by the height.
#define IDB_GLYPH_OK 201       // 36x18: green check mark, greyed
#define IDB_GLYPH_CANCEL 202   // 36x18: red cross, greyed
#define IDB_GLYPH_HELP 203     // 36x18: cyan question mark, greyed
#define IDB_GLYPH_PREVIEW 204  // 20x20: magnifying glass over a question mark
#define IDB_GLYPH_SAVE 205     // 40x20: blue floppy disk, greyed
#define IDB_GLYPH_LOAD 206     // 14x14: yellow open folder

// Each glyph is also drawn for larger display scales, in these steps of dots
// per inch; the bitmap for step s (0 is 96) has the glyph's id plus
// IDB_GLYPH_SCALE_STEP * s.
#define BREVANT_GLYPH_DPIS 96, 120, 144, 168, 192, 240, 288
#define IDB_GLYPH_SCALE_STEP 1000

// Pointing hand over links, 32x32 monochrome, hotspot at the fingertip.
#define IDC_HAND_POINTER 301

#endif
