#pragma once

#include "../CExtTrListCtrl.h"
#include "ICtrlInExtListCtrl.h"

#include <CExtEdit.h>
#include <TEditInExtListCtrl.h>

namespace trlist {

// In-cell editor of the transparent extended list over a CExtEdit.
class PRAMBLEGDIP_API CExtEditInExtListCtrl : public TEditInExtListCtrl<CExtEdit, ICtrlInExtListCtrl>
{
    DECLARE_DYNCREATE(CExtEditInExtListCtrl)

public:
    CExtEditInExtListCtrl() = default;

protected:
    DECLARE_MESSAGE_MAP()
};

} // namespace trlist
