#pragma once

#include "IOwnFontCtrl.h"
#include "ITransparentCtrl.h"

// A group box drawn over the captured background: an etched frame with the
// caption set into its top edge. The controls inside it are not painted
// over.
class PRAMBLEGDIP_API CTransparentGroupBox : public CButton, public ITransparentCtrl, public IOwnFontCtrl
{
    DECLARE_DYNAMIC(CTransparentGroupBox)

public:
    CTransparentGroupBox();
    ~CTransparentGroupBox() override;

    COLORREF m_captionColor = 0;
    COLORREF m_highlightColor;
    COLORREF m_shadowColor;
    COLORREF m_secondHighlightColor;
    CString m_caption;

protected:
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);

    DECLARE_MESSAGE_MAP()

private:
    CRect frameRect(const CRect& client, const CSize& caption) const;
    CRect captionRect(const CRect& frame, const CSize& caption) const;
};
