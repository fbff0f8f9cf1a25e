#pragma once

#include "PrambleApi.h"

#include <Wfx.h>

// A list header that draws a sort arrow in the sorted column. Lists
// subclass their header window into it.
class PRAMBLE_API CSortHeaderCtrl : public CHeaderCtrl
{
    DECLARE_DYNAMIC(CSortHeaderCtrl)

public:
    CSortHeaderCtrl() = default;

    // The column becomes owner-drawn (and stays so); a column the header
    // does not have gets no arrow.
    void SetSortArrow(int column, BOOL ascending);
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

protected:
    void drawArrow(CDC& dc, const CRect& item);

    int m_nSortColumn = -1;
    BOOL m_bSortAscending = TRUE;
};
