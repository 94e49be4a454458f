// Resource identifiers of the program, shared by the resource script and the code.
#pragma once

// Frame resource: title string, icon, menu and accelerator table.
#define IDR_MAINFRAME 128

// String table entry holding the application's name (the framework's application-title string).
#define IDS_APP_TITLE 57344

// Standard edit commands of the frame's accelerator table (no handler answers them).
#define ID_EDIT_UNDO 0xE12B
#define ID_EDIT_CUT 0xE123
#define ID_EDIT_COPY 0xE122
#define ID_EDIT_PASTE 0xE125
#define ID_APP_EXIT 0xE141
