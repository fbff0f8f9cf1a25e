#pragma once

#include "../CExtTrListCtrl.h"
#include "ICtrlInExtListCtrl.h"

#include <Wfx.h>
#include <TEditInExtListCtrl.h>

namespace trlist {

// In-cell editor of the transparent extended list over a CEdit.
class PRAMBLEGDIP_API CEditInExtListCtrl : public TEditInExtListCtrl<CEdit, ICtrlInExtListCtrl>
{
    DECLARE_DYNCREATE(CEditInExtListCtrl)

public:
    CEditInExtListCtrl() = default;

protected:
    DECLARE_MESSAGE_MAP()
};

} // namespace trlist
