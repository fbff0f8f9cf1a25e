#pragma once

// Resource ids of the drawn-control library.

#define IDD_WAIT_DLG 3000
#define IDC_WAIT_MESSAGE 3000
