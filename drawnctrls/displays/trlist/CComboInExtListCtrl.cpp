#include "CComboInExtListCtrl.h"

namespace trlist {

IMPLEMENT_DYNCREATE(CComboInExtListCtrl, CComboBox)

BEGIN_MESSAGE_MAP(CComboInExtListCtrl, CComboBox)
ON_WM_CREATE()
ON_CONTROL_REFLECT(CBN_KILLFOCUS, &CComboInExtListCtrl::OnKillFocusNotify)
END_MESSAGE_MAP()

} // namespace trlist
