#pragma once

// Command and window ids of the framework; plain defines so that resource
// scripts can include this file too.

// Commands the framework handles (File New reaches the application's
// new-document handler when its table maps it).
#define ID_FILE_NEW 0xE100
#define ID_FILE_OPEN 0xE101
#define ID_FILE_PRINT 0xE107
#define ID_APP_ABOUT 0xE140
#define ID_APP_EXIT 0xE141

// Child windows of a frame: the view and the menu bar pane.
#define AFX_IDW_PANE_FIRST 0xE900
#define AFX_IDW_MENUBAR 0xE81A

// Cursors of the rectangle tracker (CRectTracker::LoadCursorResource).
#define AFX_IDC_TRACKNWSE 0x7907
#define AFX_IDC_TRACKNESW 0x7908
#define AFX_IDC_TRACKNS 0x7909
#define AFX_IDC_TRACKWE 0x790A
#define AFX_IDC_TRACK4WAY 0x790B
#define AFX_IDC_MOVE4WAY 0x790C

// What a wizard sheet's Finish button ends DoModal with.
#define ID_WIZFINISH 0x3025

// Control bars of a frame: the status bar and the four dock bars (and the
// dock bar of a floating bar's frame).
#define AFX_IDW_STATUS_BAR 0xE801
#define AFX_IDW_DOCKBAR_TOP 0xE81B
#define AFX_IDW_DOCKBAR_LEFT 0xE81C
#define AFX_IDW_DOCKBAR_RIGHT 0xE81D
#define AFX_IDW_DOCKBAR_BOTTOM 0xE81E
#define AFX_IDW_DOCKBAR_FLOAT 0xE81F
#define AFX_IDW_PANE_LAST 0xE9FF
#define AFX_IDW_PANE_SAVE 0xEA21 // the main pane while a print preview stands in for it

// Print preview: the commands of its tool bar, the bar itself and the
// magnifier shown over a page.
#define AFX_ID_PREVIEW_CLOSE 0xE300
#define AFX_ID_PREVIEW_NUMPAGE 0xE301
#define AFX_ID_PREVIEW_NEXT 0xE302
#define AFX_ID_PREVIEW_PREV 0xE303
#define AFX_ID_PREVIEW_PRINT 0xE304
#define AFX_ID_PREVIEW_ZOOMIN 0xE305
#define AFX_ID_PREVIEW_ZOOMOUT 0xE306
#define AFX_IDW_PREVIEW_BAR 0xE805
#define AFX_IDC_MAGNIFY 0x7902
