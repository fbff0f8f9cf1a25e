#pragma once

#include "CExtListCtrl.h"
#include "ICtrlInExtListCtrl.h"
#include "TEditInExtListCtrl.h"

#include <CFloatEdit.h>

// In-cell editor of an extended list over a CFloatEdit.
class PRAMBLE_API CFloatEditInExtListCtrl : public TEditInExtListCtrl<CFloatEdit, ICtrlInExtListCtrl>
{
    DECLARE_DYNCREATE(CFloatEditInExtListCtrl)

public:
    CFloatEditInExtListCtrl() = default;

protected:
    DECLARE_MESSAGE_MAP()
};
