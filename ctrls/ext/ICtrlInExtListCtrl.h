#pragma once

#include "TCtrlInExtListCtrl.h"

class CExtListCtrl;

// The in-cell editors of CExtListCtrl.
using ICtrlInExtListCtrl = TCtrlInExtListCtrl<CExtListCtrl>;
