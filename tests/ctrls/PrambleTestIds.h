#pragma once

// Resource ids of the control library tests.

#define IDR_COMP_MENU 200
#define ID_COMP_FIRST 300
#define ID_COMP_SECOND 301
