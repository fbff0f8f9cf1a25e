#pragma once

#include "CInjConfigPoint.h"

#include <CCompCtrl.h>

// One measured value per injector.
typedef double inj_map_sequence_t[8];

// An 8 x 8 grid assigning injectors to groups: cell [i][j] selected means
// injector i fires in group j; an injector is in one group at most. The
// owner reads and writes it as eight group bytes (bit i of byte j).
class PRAMBLEGDIP_API CInjConfigMap : public CCompCtrl
{
    DECLARE_DYNAMIC(CInjConfigMap)

public:
    static const int kSize = 8;

    CInjConfigMap();
    ~CInjConfigMap() override;

    // n injectors (8 for anything outside 1..8), no cell selected.
    void init(int n);
    void getInjConfigMap(BYTE* out) const;
    void setInjConfigMap(BYTE* in);
    // Groups the injectors whose values lie closer than 1 to each other.
    void setInjConfigMapFromSequence(inj_map_sequence_t& seq);

    COLORREF m_injColors[kSize] = {}; // per injector (and group) index; the owner sets them
    COLORREF m_bkColor = 0xD7DCE1;
    COLORREF m_freeColor = 0xFFFFFF;
    COLORREF m_disabledColor = 0xD7DCE1;
    int m_gap = 3;
    CInjConfigPoint m_points[kSize][kSize]; // [injector i][group j]
    int m_n = kSize;

protected:
    afx_msg void OnPaint();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);

    DECLARE_MESSAGE_MAP()

private:
    void layoutCells();
    void selectCell(int i, int j, bool selected);
    // Selects the active cells from the group bytes, the first group of
    // an injector winning.
    void applyGroups(const BYTE* groups);
    void drawCell(CDC& dc, const CInjConfigPoint& cell) const;
    void invalidateCell(const CInjConfigPoint& cell);
};
