#pragma once

#include <TCtrlInExtListCtrl.h>

class CExtTrListCtrl;

// The in-cell editors of the transparent extended list: the same family as
// the older library's, serving a CExtTrListCtrl.
namespace trlist {

using ICtrlInExtListCtrl = TCtrlInExtListCtrl<CExtTrListCtrl>;

} // namespace trlist
