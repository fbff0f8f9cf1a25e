#pragma once

#include "EditBuffer.h"
#include "IGDIpGradientCtrl.h"
#include "IOwnFontCtrl.h"
#include "ITransparentCtrl.h"

#include <vector>

// A single-line text field drawn with GDI+ over the captured background.
// It keeps its own text, caret and selection and handles typing, deletion,
// caret movement and mouse selection itself; the edit window underneath
// only serves as the window and never sees a key, so it sends no
// notification of its own.
class PRAMBLEGDIP_API CGDIpGradientEdit : public CEdit,
                                          public ITransparentCtrl,
                                          public IOwnFontCtrl,
                                          public IGDIpGradientCtrl
{
    DECLARE_DYNAMIC(CGDIpGradientEdit)

public:
    CGDIpGradientEdit();
    ~CGDIpGradientEdit() override;

    void SetWindowTextW(LPCWSTR text);
    CString GetWindowTextW() const { return m_edit.text(); }
    void GetWindowTextW(CString& text) const { text = m_edit.text(); }
    const EditBuffer& editBuffer() const { return m_edit; }

    void v_draw(CDC& dc) override;
    // Where the text is drawn.
    CRect textRect() const;

    bool m_blink = false;
    bool m_password = false;
    UINT m_textFormatOverride = 0; // 0: from the window's style
    Gdiplus::ARGB m_caretColor = 0x7D000000;
    Gdiplus::ARGB m_selectionStart = 0x19000000;
    Gdiplus::ARGB m_selectionEnd = 0x19000000;
    int m_selectionMode = Gdiplus::LinearGradientModeHorizontal;

protected:
    UINT getTextFormat();
    // Repaints the parent under the edit at once, so that the edit paints
    // again over a fresh background.
    void updateBkg();
    void PreSubclassWindow() override;

    afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetText(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetTextLength(WPARAM wParam, LPARAM lParam);
    afx_msg void OnPaint();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnMouseLeave();
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnNcPaint() {}

    DECLARE_MESSAGE_MAP()

    EditBuffer m_edit;

private:
    CString shownText() const;
    // Prefix widths of the shown text in the own font.
    std::vector<int> textWidths(CDC& dc, const CString& shown) const;
    // Where the shown text starts, given its width.
    int textOrigin(int textWidth);
    int point2CursorPos(CPoint point);
    void drawSelection(Gdiplus::Graphics& g, CDC& dc, const CString& shown, const std::vector<int>& widths);
    void drawCaret(Gdiplus::Graphics& g, const std::vector<int>& widths);
};
