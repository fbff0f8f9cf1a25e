#pragma once

// Resource ids of the drawn data display tests.

#define IDD_DISPLAYS 300
#define IDC_D_DESCRIBED 3001
#define IDC_D_LIST 3002
