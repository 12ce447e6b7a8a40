#pragma once

// Resource IDs of FoldVenBrowser, grouped by window. The numbers are fixed: other windows and the
// service's own tools refer to them.

// Dialog templates
#define IDD_LOGIN 131
#define IDD_MESSAGE 135

// Search panel (its list: control 1031)
#define IDD_SEARCH_LIST 124

// Icons
#define IDI_LOGIN 249
#define IDI_MAIN 266

// Bitmaps of the login dialog
#define IDB_LOGIN_HEADER 168
#define IDB_LOGIN_OK_HOVER 169
#define IDB_LOGIN_OK 170
#define IDB_LOGIN_OK_PRESSED 171
#define IDB_LOGIN_CANCEL_HOVER 177
#define IDB_LOGIN_CANCEL 178
#define IDB_LOGIN_CANCEL_PRESSED 179
#define IDB_LOGIN_PASSWORD_SEARCH 270
#define IDB_LOGIN_ID_SEARCH 271
#define IDB_LOGIN_BULLET 272

// Bitmaps of the skinned dialog frame and its close button
#define IDB_FRAME_BAND_RIGHT 153
#define IDB_FRAME_BAND 154
#define IDB_FRAME_BAND_LEFT 155
#define IDB_FRAME_RIGHT 156
#define IDB_FRAME_LEFT 157
#define IDB_FRAME_BOTTOM_RIGHT 158
#define IDB_FRAME_BOTTOM 159
#define IDB_FRAME_BOTTOM_LEFT 160
#define IDB_CLOSE_HOVER 183
#define IDB_CLOSE 184
#define IDB_CLOSE_PRESSED 185
#define IDB_FRAME_TOP 252
#define IDB_FRAME_TOP_LEFT 253
#define IDB_FRAME_TOP_RIGHT 254

// Login dialog controls
#define IDC_LOGIN_ID 1001
#define IDC_LOGIN_PASSWORD 1002
#define IDC_LOGIN_SAVE_ID 1003
#define IDC_LOGIN_AUTO 1004
#define IDC_LOGIN_EVENT 1026
#define IDC_LOGIN_NOTICE1 1027
#define IDC_LOGIN_NOTICE2 1028

// String table
#define IDS_SOCKETS_FAILED 103
#define IDS_APP_TITLE 110
#define IDS_EMPTY_ID 111
#define IDS_EMPTY_PASSWORD 112
#define IDS_CONNECT_SETUP_FAILED 114
#define IDS_NO_PERMISSION 115
#define IDS_UNKNOWN_COMMAND 116
#define IDS_WRONG_PASSWORD 117
#define IDS_ADULT_FOLDER 118
#define IDS_LIST_INSERT_FAILED 119
#define IDS_SELECT_FILES 120
#define IDS_FOLDER_NOT_FOUND 122
#define IDS_BALANCE_FAILED 123
#define IDS_KEYWORD_TOO_LONG 125
#define IDS_ENTER_KEYWORD 126
#define IDS_FORBIDDEN_KEYWORD 128
#define IDS_NO_MATCH 129

// ---- Main window, its panes and the web page panel --------------------------------------------------
#define IDD_MAIN 102
#define IDD_TREE_VIEW 164
#define IDD_MAIN_INTER 165
#define IDD_LIST_VIEW 166
#define IDR_TRAY_MENU 130
#define IDI_TRAY 129
#define IDI_MENU_DOWNLOAD 261

// Main window controls
#define IDC_MAIN_FOLDER 1023
#define IDC_MAIN_BALANCE 1024
#define IDC_MAIN_FLAT_RATE 1025
#define IDC_MAIN_SEARCH_TEXT 1032
#define IDC_MAIN_CATEGORY 1033
// The tree control of the tree panel and the web browser control of the web page panel.
#define IDC_TREE 1018
#define IDC_WEB_BROWSER 1015

// Tray menu commands
#define ID_TRAY_OPEN 32774
#define ID_TRAY_HOME 32775
#define ID_TRAY_EXIT 32776
#define ID_TRAY_NO_AUTO_LOGIN 32780

// Main window bitmaps: frame, bands and the panels' frame
#define IDB_MAIN_TOP_RIGHT 192
#define IDB_MAIN_TOP_LEFT 193
#define IDB_MAIN_TOP 194
#define IDB_MAIN_SLOGAN 195
#define IDB_MAIN_BOTTOM_RIGHT 196
#define IDB_MAIN_BOTTOM_LEFT 197
#define IDB_MAIN_BOTTOM 198
#define IDB_MAIN_BAND_LEFT 199
#define IDB_MAIN_BAND_RIGHT 200
#define IDB_MAIN_BAND 201
#define IDB_MAIN_RIGHT 227
#define IDB_MAIN_LEFT 228
#define IDB_PANEL_TOP_LEFT 236
#define IDB_PANEL_TOP 237
#define IDB_PANEL_TOP_RIGHT 239
#define IDB_PANEL_BOTTOM_RIGHT 240
#define IDB_PANEL_BOTTOM_LEFT 241
#define IDB_PANEL_BOTTOM 242
#define IDB_PANEL_RIGHT 243
#define IDB_PANEL_LEFT 244

// String: the plain page the web page panel shows where the system has no web engine
#define IDS_NO_WEB_ENGINE 140

// Browsing the catalogue: the remote list panel, its context menu and the catalogue icons
#define IDD_REMOTE_LIST 120
#define IDC_REMOTE_LIST 1017
#define IDC_REMOTE_BANNER 1030
#define IDR_LIST_MENU 260
#define ID_LIST_DOWNLOAD 32778
#define IDI_PARENT_ROW 234
#define IDI_ADULT_FOLDER 235
#define IDI_CATALOGUE_ROOT 249
#define IDI_CATEGORY1 250
#define IDI_CATEGORY2 251
#define IDB_PAGE_PREVIOUS_HOVER 262
#define IDB_PAGE_NEXT 263
#define IDB_PAGE_NEXT_HOVER 264
#define IDB_PAGE_PREVIOUS 265

// Downloads: installer update dialog and folder picker
#define IDD_FILE_UPDATE 259
#define IDC_UPDATE_PROGRESS 1021
#define IDC_UPDATE_STATUS 1022
