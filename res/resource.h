// Resource ids of lumora.exe. The string ids are part of the INI and message contract: the INI
// section and key names and every user-visible text are loaded from the string table by these ids.
#pragma once

// Icons, cursors, dialogs and bitmaps.
#define IDI_LUMORA 103
#define IDC_HOT_HAND 104
#define IDC_ARROW_CURSOR 105
#define IDD_SUPPORT_PAGE 105
#define IDD_ABOUT_PAGE 106
#define IDD_LOGO_POPUP 107
#define IDB_SUPPORT 108
#define IDB_ABOUT 109
#define IDD_OPTIONS_PAGE 133

// Controls of the Options page.
#define IDC_START_SCREEN 1004
#define IDC_APPLY_MATTE 1005
#define IDC_USE_BALLOONS 1006
#define IDC_USE_SOUND 1007
#define IDC_RESTORE_DEFAULTS 1008

// The lines of the Support and About pages that show a disc's own texts: labels and texts in
// line order, each a static control.
#define IDC_INFO_FIRST 1100

// Program names and fixed texts.
#define IDS_APP_TITLE 1
#define IDS_MAIN_WINDOW_CLASS 2
#define IDS_PREFERENCES 100
#define IDS_HELP_CUSTOMIZING 200
#define IDS_HELP_CUSTOMER_SERVICE 201
#define IDS_SUPPORT_HEADING 202
#define IDS_INI_FILE_NAME 300
#define IDS_DISPATCH_MESSAGE 500
#define IDS_SEPARATOR 502

// Section names and name parts.
#define IDS_SECTION_CONFIG 1000
#define IDS_SECTION_SCREEN 1001
#define IDS_SECTION_REGION 1002
#define IDS_SECTION_SETUP 1003
#define IDS_SECTION_MENU 1004
#define IDS_SECTION_MENU_ITEM 1005
#define IDS_SECTION_PUBLISHER 1006

// Keys of section "Config".
#define IDS_KEY_BALLOON_HELP 1300
#define IDS_KEY_START_SCREENS 1301
#define IDS_KEY_USE_SOUND 1303
#define IDS_KEY_USE_ANIM 1304
#define IDS_KEY_BLACK_MAT 1305
#define IDS_KEY_INSTALL 1306
#define IDS_KEY_STARTUP 1307
#define IDS_KEY_SCREEN_NAMES 1308
#define IDS_KEY_MENU_POSITION 1309
#define IDS_KEY_MENU_ITEMS 1310
#define IDS_KEY_START_SOUND 1311
#define IDS_KEY_END_SOUND 1312
#define IDS_KEY_BALLOON_DELAY 1313
#define IDS_KEY_BALLOON_SOUND 1314
#define IDS_KEY_HIGHLIGHT_SOUND 1315

// Keys of section "Setup".
#define IDS_KEY_APPLICATION 1400

// Keys of screen, region and menu item sections.
#define IDS_KEY_DESCRIPTION 1500
#define IDS_KEY_BITMAP 1501
#define IDS_KEY_REGION_NAMES 1502
#define IDS_KEY_SHAPE 1510
#define IDS_KEY_BALLOON_BITMAP 1511
#define IDS_KEY_BALLOON_POSITION 1512
#define IDS_KEY_BALLOON_TRANSPARENCY 1513
#define IDS_KEY_SOUND 1514
#define IDS_KEY_LAUNCH_REQ 1515
#define IDS_KEY_LAUNCH_FUNC 1516
#define IDS_KEY_LAUNCH_DATA 1517
#define IDS_KEY_SETUP_REQ 1518
#define IDS_KEY_SETUP_FUNC 1519
#define IDS_KEY_SETUP_DATA 1520
#define IDS_KEY_SETUP_DESC 1521
#define IDS_KEY_SPLASH 1524
#define IDS_KEY_LAUNCH_DIR 1525
#define IDS_KEY_LAUNCH_SCREEN_REQ 1526
#define IDS_KEY_LAUNCH_AT_START 1527
#define IDS_KEY_HIGHLIGHT_BITMAP 1528
#define IDS_KEY_HIGHLIGHT_POSITION 1529
#define IDS_KEY_HIGHLIGHT_TRANSPARENCY 1530
#define IDS_KEY_REGISTRY_KEY 1531
#define IDS_KEY_REGISTRY_DATA 1532
#define IDS_KEY_REGISTRY_SUBTRACT 1533
#define IDS_KEY_REGISTRY_APPEND 1534
#define IDS_KEY_EXIT_DURING_SETUP 1535
#define IDS_KEY_LAUNCH_ON_REQ 1538
#define IDS_KEY_LAUNCH_LONG 1539
#define IDS_KEY_LABEL 1540

// Keys of section "Publisher": the disc's own texts on the Support and About pages.
#define IDS_KEY_PRODUCT 1600
#define IDS_KEY_COMPANY 1601
#define IDS_KEY_ADDRESS 1602
#define IDS_KEY_TELEPHONE 1603
#define IDS_KEY_WEB 1604
#define IDS_KEY_HOURS 1605
#define IDS_KEY_COPYRIGHT 1606

// Messages.
#define IDS_MSG_LAUNCH_FAILED 2001
#define IDS_MSG_NOT_INSTALLED 2002
#define IDS_MSG_COMMAND_NOT_INSTALLED 2003
#define IDS_MSG_TOO_FEW_COLORS 2004
#define IDS_MSG_EXACT_DISPLAY 2005
#define IDS_MSG_MINIMUM_DISPLAY 2006
#define IDS_MSG_ALREADY_RUNNING 2007
#define IDS_MSG_NOTHING_TO_LAUNCH 2008
#define IDS_MSG_INSERT_DISK 3000
#define IDS_INSTALLER_WINDOW_CLASS 3003

// Texts put into messages.
#define IDS_FALLBACK_APPLICATION 2100
#define IDS_COLOR_16 2101
#define IDS_COLOR_256 2102
#define IDS_COLOR_TRUE 2103

// Labels of the lines of the Support and About pages.
#define IDS_LABEL_PRODUCT 2200
#define IDS_LABEL_PUBLISHER 2201
#define IDS_LABEL_TELEPHONE 2202
#define IDS_LABEL_WEB 2203

// What a screen reader calls the click of a region.
#define IDS_READER_PRESS 2300
