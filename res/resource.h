#pragma once
// Resource identifiers shared by the .rc file and the code.
#define IDI_VANTORA 1
#define IDB_PLACEHOLDER 100
#define IDB_GLYPH_SHUTDOWN 110
#define IDB_GLYPH_TRAYICON 111
#define IDB_GLYPH_STARTUP 112
#define IDB_GLYPH_OPTIONS 113
#define IDB_GLYPH_ABOUT 114
#define IDB_GLYPH_TOTRAY 115
#define IDB_GLYPH_EXIT 116
