#pragma once

// Item numbers of the palette and the settings dialog: an item's number is its place in the window's
// 'GDLG' resource (KorvexLumivoDialogs.grc), which includes this header too.

// Orthophoto palette (ID_PALETTE).
#define KRX_PALETTE_CLOSE_BUTTON 1
#define KRX_PALETTE_FIND_LABEL 2
#define KRX_PALETTE_SEARCH_EDIT 3
#define KRX_PALETTE_SEARCH_BUTTON 4
#define KRX_PALETTE_REFERENCE_POPUP 5
#define KRX_PALETTE_SHEET_POPUP 6
#define KRX_PALETTE_LAYER_POPUP 7
#define KRX_PALETTE_LIST 8

// Settings dialog (ID_SETTINGS_DIALOG).
#define KRX_SETTINGS_CONFIRM_BUTTON 1
#define KRX_SETTINGS_PROPERTY_LIST 2
