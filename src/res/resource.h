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

// Labels and group boxes of the dialogs that nothing addresses.
#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// The fish settings dialog and its controls.
#define IDD_FISH_SETTINGS 102
#define IDC_FISH_TOTAL 1001
#define IDC_FISH_ADD 1007
#define IDC_FISH_DELETE 1008
#define IDC_FISH_RANDOM 1009
#define IDC_FISH_CLEAR 1010
#define IDC_MAKER_LINK 1037

// The aquarium settings dialog and its controls.
#define IDD_AQUARIUM_SETTINGS 182
#define IDC_ABOUT 1004
#define IDC_ABOUT_ICON 1005
#define IDC_BUBBLES 1009
#define IDC_VOLUME 1010
#define IDC_FOG 1011
#define IDC_SHOW_LIGHT 1012
#define IDC_FRONT_FIXED 1013
#define IDC_PLAY 1014
#define IDC_FRONT_COLOR 1015
#define IDC_BACK_COLOR 1016
#define IDC_FRONT_COLOR1 1017
#define IDC_FRONT_COLOR2 1018
#define IDC_BACK_COLOR1 1019
#define IDC_BACK_COLOR2 1020
#define IDC_FRONT_GRADIENT 1021
#define IDC_FRONT_AUTO 1022
#define IDC_BACK_FIXED 1023
#define IDC_BACK_GRADIENT 1024
#define IDC_BACK_AUTO 1025
#define IDC_SHOW_WATER 1026
#define IDC_SHOW_TERRA 1027
#define IDC_LOCK_FORE 1028
#define IDC_LOCK_BACK 1029
#define IDC_LIGHT 1030
#define IDC_RELOAD 1031
#define IDC_SAVE_NOW 1032
#define IDC_PREVIEW_2 1034
#define IDC_PREVIOUS_BACKGROUND 1035
#define IDC_NEXT_BACKGROUND 1036
#define IDC_SETTINGS_LABEL 1037
#define IDC_PREVIEW_1 1038
#define IDC_PREVIEW_3 1039
#define IDC_AUTO_VIEWS 1040
#define IDC_VIEWS_LEFT_RIGHT 1041
#define IDC_VIEWS_NEAR_FAR 1042
#define IDC_OPEN_FISH_SETTINGS 1043  // shown only when the screen saver's settings run alone

// The custom music dialog and its controls.
#define IDD_CUSTOM_MUSIC 259
#define IDC_MUSIC_POSITION 1006
#define IDC_MUSIC_VOLUME 1007
#define IDC_MUSIC_ON 1011
#define IDC_MUSIC_LIST 1016
#define IDC_MUSIC_ADD 1017
#define IDC_MUSIC_REMOVE 1018
#define IDC_MUSIC_REMOVE_ALL 1019
#define IDC_MUSIC_PLAY 1021
#define IDC_MUSIC_STOP 1022
#define IDC_MUSIC_PLAYER 1034

// The play modes of both media dialogs.
#define IDC_REPEAT_ONE 1023
#define IDC_REPEAT_ALL 1024
#define IDC_RANDOM_ORDER 1025

// The custom background dialog and its controls.
#define IDD_CUSTOM_BACKGROUND 288
#define IDC_IMAGE_ADD 1008
#define IDC_IMAGE_ADD_TWIN 1016
#define IDC_IMAGE_REMOVE_TWIN 1009
#define IDC_IMAGE_REMOVE_ALL_TWIN 1010
#define IDC_IMAGE_REMOVE 1011
#define IDC_IMAGE_REMOVE_ALL 1012
#define IDC_IMAGE_STOP_TWIN 1013
#define IDC_IMAGE_ON 1014
#define IDC_IMAGE_LIST 1015
#define IDC_IMAGE_START_TWIN 1017
#define IDC_IMAGE_INTERVAL 1019
