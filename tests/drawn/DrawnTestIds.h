#pragma once

// Resource ids of the drawn-control tests.

#define IDD_PLACEHOLDERS 100
#define IDC_PLACEHOLDER 1001
#define IDC_SUBCLASSED 1002
