#pragma once

// Resource IDs of VenUpdater. The numbers are fixed.

// The updater's window and its progress bar
#define IDD_UPDATER 102
#define IDC_PROGRESS 1000

// Pictures
#define IDB_BACKGROUND 129
#define IDI_UPDATER 131

// String table
#define IDS_SOCKETS_FAILED 103
#define IDS_STATUS_FAILED 104
#define IDS_SOCKET_FAILED 105
#define IDS_CONNECT_FAILED 106
#define IDS_FILE_IN_USE 107
#define IDS_DOWNLOAD_BROKEN 108
// Messages of an update that needed administrator rights (not in the original table)
#define IDS_ELEVATION_DECLINED 109
#define IDS_ELEVATION_FAILED 110
