#include "CPane.h"

IMPLEMENT_DYNAMIC(CPane, CBasePane)
