#pragma once

// Resources of the printing tests.

#define IDR_PRINT_FRAME 400
#define IDD_PREVIEW_BAR 401
#define ID_PRINT_TOOLS 0xE803
