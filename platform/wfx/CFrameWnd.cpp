#include "CFrameWnd.h"

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)
