#pragma once

#include "CExtListCtrl.h"
#include "ICtrlInExtListCtrl.h"
#include "TEditInExtListCtrl.h"

#include <Wfx.h>

// In-cell editor of an extended list over a CEdit.
class PRAMBLE_API CEditInExtListCtrl : public TEditInExtListCtrl<CEdit, ICtrlInExtListCtrl>
{
    DECLARE_DYNCREATE(CEditInExtListCtrl)

public:
    CEditInExtListCtrl() = default;

protected:
    DECLARE_MESSAGE_MAP()
};
