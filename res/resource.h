#pragma once
// Resource identifiers shared by the .rc file and the code.
// The pictures are drawn by res/make_images.py; edit the drawing there and re-run it.

// Program icon: 32x32 and 16x16, 32-bit with alpha and an AND mask.
#define IDI_VANTORA 1

// Placeholder picture of the empty icon boxes: a black question mark on white, 16 x 24, 24-bit.
#define IDB_PLACEHOLDER 100

// Glyphs of the large bottom buttons, drawn above the caption. Each is 32x32, 32 bits per
// pixel (BI_RGB, BGRA, bottom-up) with a straight alpha channel, not premultiplied: load with
// LR_CREATEDIBSECTION to keep the alpha, and premultiply the colours before AlphaBlend.
#define IDB_GLYPH_SHUTDOWN 110
#define IDB_GLYPH_TRAYICON 111
#define IDB_GLYPH_STARTUP 112
#define IDB_GLYPH_OPTIONS 113
#define IDB_GLYPH_ABOUT 114
#define IDB_GLYPH_TOTRAY 115
#define IDB_GLYPH_EXIT 116
