#pragma once

// Resource numbers of the add-on, shared by its resource scripts and its code: a number is written
// here once. Plain #defines, so that the host's resource compiler reads this file as well.

// String list: item 1 the add-on's name, item 2 its description. Also the number of its 'MDID'.
#define ID_ADDON_INFO 32500
// String list: status-bar prompts of the add-on's menu items, in the order they appear.
#define ID_MENU_PROMPTS 32501

// Menus: one item each, item 1.
#define ID_MENU_RECEIVE_3D_POINTS 32502
#define ID_MENU_ORTHOPHOTOS_WINDOW 32503
#define ID_MENU_SETTINGS 32504
#define ID_MENU_INFO 32505
#define ID_MENU_RECEIVE_VIEWPORT 32506

// String list: items 1 to 3, the texts of the palette list's context menu.
#define ID_CONTEXT_MENU_TEXTS 32507

// The orthophoto palette (items 1 to 8) and the settings dialog (items 1 and 2).
#define ID_PALETTE 32400
#define ID_SETTINGS_DIALOG 32590

// The add-on's module identifier: developer identifier and local identifier. Every module command
// the add-on posts to itself names it.
#define KRX_MDID_DEVELOPER_ID 0x4B52584C
#define KRX_MDID_LOCAL_ID 0x4C554D56
