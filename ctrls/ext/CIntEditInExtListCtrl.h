#pragma once

#include "CExtListCtrl.h"
#include "ICtrlInExtListCtrl.h"
#include "TEditInExtListCtrl.h"

#include <CIntEdit.h>

// In-cell editor of an extended list over a CIntEdit.
class PRAMBLE_API CIntEditInExtListCtrl : public TEditInExtListCtrl<CIntEdit, ICtrlInExtListCtrl>
{
    DECLARE_DYNCREATE(CIntEditInExtListCtrl)

public:
    CIntEditInExtListCtrl() = default;

protected:
    DECLARE_MESSAGE_MAP()
};
