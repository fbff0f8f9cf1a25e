#pragma once

// Resource ids of the page-host, caption-bar and menu tests.

#define IDD_TEST_PAGE 300
#define IDC_PAGE_EDIT 3001
