#include "CExtEditInExtListCtrl.h"

namespace trlist {

IMPLEMENT_DYNCREATE(CExtEditInExtListCtrl, CExtEdit)

BEGIN_MESSAGE_MAP(CExtEditInExtListCtrl, CExtEdit)
ON_CONTROL_REFLECT(EN_KILLFOCUS, &CExtEditInExtListCtrl::OnKillFocusNotify)
END_MESSAGE_MAP()

} // namespace trlist
