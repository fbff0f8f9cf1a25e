#pragma once

#include "CGDIpGradientDialog.h"
#include "CGDIpStatic.h"

// The base of the popup dialogs: a gradient dialog with its title drawn as
// a static across the top, moved by dragging that title, and optionally
// see-through as a layered window. Derived dialogs set the colours, the
// title height and the layering in their constructors.
class PRAMBLEGDIP_API CSkinDlg : public CGDIpGradientDialog
{
    DECLARE_DYNAMIC(CSkinDlg)

public:
    CSkinDlg();
    CSkinDlg(UINT nIDTemplate, CWnd* pParentWnd);
    ~CSkinDlg() override;

    BOOL OnInitDialog() override;
    // Stores the title and shows it in the title static.
    void SetWindowTextW(CString text);
    // Both background colours become the opaque colour c.
    void SetBackgroundColor(COLORREF c);
    // The layered window's alpha for an opacity in percent (clamped to 0..100).
    static BYTE opacityAlpha(int opacity);

    static const UINT kTitleId = 5000;

protected:
    virtual void init();
    virtual void initCaption();
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnSize(UINT nType, int cx, int cy);

    DECLARE_MESSAGE_MAP()

    bool m_layered = false;
    int m_opacity = 85; // percent
    CString m_title;
    CFont m_normalFont;
    CFont m_titleFont;
    bool m_titleCreated = false;
    int m_titleHeight = 32;
    CGDIpStatic m_titleStatic;

private:
    CRect titleRect() const;
};
