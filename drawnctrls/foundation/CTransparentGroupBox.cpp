#include "CTransparentGroupBox.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CTransparentGroupBox, CButton)

BEGIN_MESSAGE_MAP(CTransparentGroupBox, CButton)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CTransparentGroupBox::CTransparentGroupBox()
    : ITransparentCtrl(this), m_highlightColor(GetSysColor(COLOR_BTNHIGHLIGHT)),
      m_shadowColor(GetSysColor(COLOR_BTNSHADOW)), m_secondHighlightColor(GetSysColor(COLOR_BTNHIGHLIGHT))
{
}

CTransparentGroupBox::~CTransparentGroupBox() = default;

// The frame starts half a text line down, inside the window's edges.
CRect CTransparentGroupBox::frameRect(const CRect& client, const CSize& caption) const
{
    CRect frame = client;
    frame.top += caption.cy / 2;
    const DWORD ex = GetExStyle();
    if (ex & WS_EX_CLIENTEDGE)
        frame.DeflateRect(2, 2);
    if (ex & WS_EX_STATICEDGE)
        frame.DeflateRect(1, 1);
    if (ex & WS_EX_DLGMODALFRAME)
        frame.DeflateRect(3, 3);
    return frame;
}

CRect CTransparentGroupBox::captionRect(const CRect& frame, const CSize& caption) const
{
    const DWORD align = GetStyle() & BS_CENTER;
    int x = frame.left + 10;
    if (align == BS_CENTER)
        x = frame.left + (frame.Width() - caption.cx) / 2;
    else if (align == BS_RIGHT)
        x = frame.right - 10 - caption.cx;
    const int top = frame.top - caption.cy / 2;
    return CRect(x, top, x + caption.cx, top + caption.cy);
}

void CTransparentGroupBox::OnPaint()
{
    beginTransparentPaint();
    CDC& dc = m_memDC;
    CRect client;
    GetClientRect(&client);
    GetWindowText(m_caption);
    CString text;
    text.Format(L"  %s ", m_caption.GetString());
    CFont* font = m_font ? m_font : GetFont();
    CFont* oldFont = font ? dc.SelectObject(font) : nullptr;
    const CSize size = dc.GetTextExtent(text);
    const CRect frame = frameRect(client, size);
    CRect caption = captionRect(frame, size);

    dc.SaveDC();
    dc.ExcludeClipRect(&caption);
    dc.Draw3dRect(frame.left, frame.top, frame.Width() - 1, frame.Height() - 1, m_shadowColor, m_shadowColor);
    dc.Draw3dRect(frame.left + 1, frame.top + 1, frame.Width() - 1, frame.Height() - 1, m_highlightColor,
                  m_secondHighlightColor);
    dc.RestoreDC(-1);
    if (IsWindowEnabled()) {
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextColor(m_captionColor);
        dc.DrawText(text, &caption, DT_SINGLELINE | DT_VCENTER | DT_NOCLIP);
    }
    if (oldFont)
        dc.SelectObject(oldFont);
    // What lies inside the frame belongs to the controls there.
    CRect inside = frame;
    inside.DeflateRect(2, 2);
    inside.top = std::max(inside.top, caption.bottom);
    m_paintDC->ExcludeClipRect(&inside);
    endTransparentPaint();
}

BOOL CTransparentGroupBox::OnEraseBkgnd(CDC*)
{
    return TRUE;
}
