#pragma once

// The player's resources (player.rc).
#define IDD_ABOUT 100
#define IDC_ABOUT_NAME 101
#define IDC_ABOUT_TEXT 102
