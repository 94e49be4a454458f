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

// Icons of the popup menu's commands (24 x 24), painted by the asset generator.
#define IDI_MENU_EXIT 175
#define IDI_MENU_FISH_COUNTS 180
#define IDI_MENU_WATCH 190
#define IDI_MENU_FEED 191
#define IDI_MENU_TOUCH 192
#define IDI_MENU_GROW 193
#define IDI_MENU_SHRINK 194
#define IDI_MENU_MARKER 195
#define IDI_MENU_RIPPLE 196
#define IDI_MENU_SETTINGS 197
#define IDI_MENU_BACKGROUND 198
#define IDI_MENU_MUSIC 199

// Cursors of the interaction modes: the arrow with the mode's picture beside it.
#define IDC_CURSOR_FEED 210
#define IDC_CURSOR_TOUCH 211
#define IDC_CURSOR_GROW 212
#define IDC_CURSOR_SHRINK 213
#define IDC_CURSOR_MARKER 214
#define IDC_CURSOR_RIPPLE 215

// Pictures of the settings dialogs, painted by the asset generator.
#define IDB_FISH_SHEET 129            // the fish dialog's sheet of the 15 kinds
#define IDB_BACKGROUND_PREVIEW_1 238  // previews of background choices 1, 2 and 3
#define IDB_BACKGROUND_PREVIEW_2 156
#define IDB_BACKGROUND_PREVIEW_3 244
#define IDI_ABOUT 138                 // the settings dialog's "about" button
#define IDI_CHECK_OFF 183             // the check boxes' icon pair
#define IDI_CHECK_ON 184
