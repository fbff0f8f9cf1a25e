#pragma once

#include "CExtListCtrl.h"
#include "ICtrlInExtListCtrl.h"
#include "TComboInExtListCtrl.h"

// In-cell editor of an extended list over a combo box.
class PRAMBLE_API CComboInExtListCtrl : public TComboInExtListCtrl<ICtrlInExtListCtrl>
{
    DECLARE_DYNCREATE(CComboInExtListCtrl)

public:
    CComboInExtListCtrl() = default;

protected:
    DECLARE_MESSAGE_MAP()
};
