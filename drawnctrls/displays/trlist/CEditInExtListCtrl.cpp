#include "CEditInExtListCtrl.h"

namespace trlist {

IMPLEMENT_DYNCREATE(CEditInExtListCtrl, CEdit)

BEGIN_MESSAGE_MAP(CEditInExtListCtrl, CEdit)
ON_CONTROL_REFLECT(EN_KILLFOCUS, &CEditInExtListCtrl::OnKillFocusNotify)
END_MESSAGE_MAP()

} // namespace trlist
