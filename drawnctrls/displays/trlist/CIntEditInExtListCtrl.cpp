#include "CIntEditInExtListCtrl.h"

namespace trlist {

IMPLEMENT_DYNCREATE(CIntEditInExtListCtrl, CIntEdit)

BEGIN_MESSAGE_MAP(CIntEditInExtListCtrl, CIntEdit)
ON_CONTROL_REFLECT(EN_KILLFOCUS, &CIntEditInExtListCtrl::OnKillFocusNotify)
END_MESSAGE_MAP()

} // namespace trlist
