#pragma once

// Resource ids of the frames test.

#define IDR_NOTES 500
#define IDR_SHEETS 501
#define IDR_LOOSE 502
