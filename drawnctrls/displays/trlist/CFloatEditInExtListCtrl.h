#pragma once

#include "../CExtTrListCtrl.h"
#include "ICtrlInExtListCtrl.h"

#include <CFloatEdit.h>
#include <TEditInExtListCtrl.h>

namespace trlist {

// In-cell editor of the transparent extended list over a CFloatEdit.
class PRAMBLEGDIP_API CFloatEditInExtListCtrl : public TEditInExtListCtrl<CFloatEdit, ICtrlInExtListCtrl>
{
    DECLARE_DYNCREATE(CFloatEditInExtListCtrl)

public:
    CFloatEditInExtListCtrl() = default;

protected:
    DECLARE_MESSAGE_MAP()
};

} // namespace trlist
