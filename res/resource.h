#pragma once
// Resource identifiers shared by the .rc file and the code.
// The pictures are drawn by res/make_images.py; edit the drawing there and re-run it.

// Program icon: 16, 20, 24, 32, 40, 48 and 64 pixels square (the sizes of 96 to 192 DPI), 32-bit
// with alpha and an AND mask.
#define IDI_VANTORA 1

// Placeholder picture of the empty icon boxes: a black question mark on white, 16 x 24, 24-bit.
#define IDB_PLACEHOLDER 100

// Glyphs of the large bottom buttons, drawn above the caption. Each is 32x32 (96 DPI) under the
// id below, and drawn again at 40, 48 and 64 pixels (120, 144, 192 DPI) under the id plus 10, 20
// and 30 (ui::BitBtn picks the one for its DPI). 32 bits per
// pixel (BI_RGB, BGRA, bottom-up) with a straight alpha channel, not premultiplied: load with
// LR_CREATEDIBSECTION to keep the alpha, and premultiply the colours before AlphaBlend.
#define IDB_GLYPH_SHUTDOWN 110
#define IDB_GLYPH_TRAYICON 111
#define IDB_GLYPH_STARTUP 112
#define IDB_GLYPH_OPTIONS 113
#define IDB_GLYPH_ABOUT 114
#define IDB_GLYPH_TOTRAY 115
#define IDB_GLYPH_EXIT 116

#define IDB_GLYPH_STEP_40 10
#define IDB_GLYPH_STEP_48 20
#define IDB_GLYPH_STEP_64 30
