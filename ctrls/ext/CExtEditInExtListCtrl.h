#pragma once

#include "CExtListCtrl.h"
#include "ICtrlInExtListCtrl.h"
#include "TEditInExtListCtrl.h"

#include <CExtEdit.h>

// In-cell editor of an extended list over a CExtEdit.
class PRAMBLE_API CExtEditInExtListCtrl : public TEditInExtListCtrl<CExtEdit, ICtrlInExtListCtrl>
{
    DECLARE_DYNCREATE(CExtEditInExtListCtrl)

public:
    CExtEditInExtListCtrl() = default;

protected:
    DECLARE_MESSAGE_MAP()
};
