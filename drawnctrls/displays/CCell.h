#pragma once

#include "PrambleGDIpApi.h"

class CCellArray;

// One text cell of a CCellArray. It paints itself and has its owner's window
// repaint its rectangle when it changes.
class PRAMBLEGDIP_API CCell
{
public:
    explicit CCell(CCellArray* owner);
    CCell(const CCell& other) = default;
    CCell& operator=(const CCell& other) = default;
    virtual ~CCell();

    // Only stores the flag: the caller repaints.
    void setSel(bool sel) { m_sel = sel; }
    bool isSel() const { return m_sel; }
    void setCurrent(bool current);
    bool isCurrent() const { return m_current; }
    void setTxt(const CString& text);
    CString getTxt() const { return m_text; }
    void setBkColor(COLORREF color);
    COLORREF getBkColor() const { return m_bkColor; }
    void setSelBkColor(COLORREF color);
    COLORREF getSelBkColor() const { return m_selBkColor; }
    void setTxtColor(COLORREF color);
    COLORREF getTxtColor() const { return m_txtColor; }
    void setFrameColor(COLORREF color);
    COLORREF getFrameColor() const { return m_frameColor; }
    // The colour of the current-cell mark.
    void setCurrentCellColor(COLORREF color);
    void setMarkSize(int size) { m_markSize = size; }
    int getMarkSize() const { return m_markSize; }
    void setRect(const CRect& rect) { m_rect = rect; }
    const CRect& getRect() const { return m_rect; }
    void setOwner(CCellArray* owner) { m_owner = owner; }

    // Frame and background with the DC's own pen and brush: a paint of the
    // table creates one GDI object at most (the mark's pen).
    void paint(CDC& dc);

private:
    void invalidate();

    bool m_sel = false;
    bool m_current = false;
    CRect m_rect;
    COLORREF m_bkColor = RGB(255, 255, 255);
    COLORREF m_txtColor = 0;
    COLORREF m_frameColor = 0;
    COLORREF m_selBkColor = RGB(255, 255, 255);
    COLORREF m_currentColor = 0;
    int m_markSize = 10;
    CString m_text;
    CCellArray* m_owner;
};
