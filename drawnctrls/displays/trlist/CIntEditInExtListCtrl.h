#pragma once

#include "../CExtTrListCtrl.h"
#include "ICtrlInExtListCtrl.h"

#include <CIntEdit.h>
#include <TEditInExtListCtrl.h>

namespace trlist {

// In-cell editor of the transparent extended list over a CIntEdit.
class PRAMBLEGDIP_API CIntEditInExtListCtrl : public TEditInExtListCtrl<CIntEdit, ICtrlInExtListCtrl>
{
    DECLARE_DYNCREATE(CIntEditInExtListCtrl)

public:
    CIntEditInExtListCtrl() = default;

protected:
    DECLARE_MESSAGE_MAP()
};

} // namespace trlist
