#pragma once

#include "../CExtTrListCtrl.h"
#include "ICtrlInExtListCtrl.h"

#include <TComboInExtListCtrl.h>

namespace trlist {

// In-cell editor of the transparent extended list over a combo box.
class PRAMBLEGDIP_API CComboInExtListCtrl : public TComboInExtListCtrl<ICtrlInExtListCtrl>
{
    DECLARE_DYNCREATE(CComboInExtListCtrl)

public:
    CComboInExtListCtrl() = default;

protected:
    DECLARE_MESSAGE_MAP()
};

} // namespace trlist
