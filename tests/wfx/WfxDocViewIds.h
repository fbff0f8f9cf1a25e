#pragma once

// Resource and command ids of the document/view test program.

#define IDR_DOCVIEW 300
#define ID_DOC_COUNT 310
#define ID_DOC_DISABLED 311
#define ID_DOC_CHECKED 312
#define ID_NO_HANDLER 313
#define ID_ROUTE_VIEW 314
#define ID_ROUTE_FRAME 315
#define ID_ROUTE_APP 316
#define IDT_SCENARIO 1
