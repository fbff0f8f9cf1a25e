#include "CFloatEditInExtListCtrl.h"

namespace trlist {

IMPLEMENT_DYNCREATE(CFloatEditInExtListCtrl, CFloatEdit)

BEGIN_MESSAGE_MAP(CFloatEditInExtListCtrl, CFloatEdit)
ON_CONTROL_REFLECT(EN_KILLFOCUS, &CFloatEditInExtListCtrl::OnKillFocusNotify)
END_MESSAGE_MAP()

} // namespace trlist
