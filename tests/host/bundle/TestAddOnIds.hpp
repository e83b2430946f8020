#pragma once

// Resource numbers of the test add-on, shared by its resource script and its code.
#define TEST_ADDON_INFO 32000
#define TEST_PROMPTS 32001
#define TEST_MENU_MAIN 32010
#define TEST_MENU_EXTRA 32011

#define TEST_MDID_DEVELOPER 1262703436
#define TEST_MDID_LOCAL 4242
