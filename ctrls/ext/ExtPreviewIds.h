#pragma once

// Resources and commands of the print preview; plain defines for the
// resource script too.

#define IDC_PREVIEW_MOVE_PRESSED 190
#define IDC_PREVIEW_MOVE 191
#define IDD_EXT_PREVIEW_BAR 192

// The preview's own commands beside the framework's.
#define ID_PREVIEW_SCALE_MODE 0xE307
#define ID_PREVIEW_MOVE_MODE 0xE308
