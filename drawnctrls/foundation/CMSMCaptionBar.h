#pragma once

#include "CMSMCaptionBarButton.h"

#include <functional>
#include <vector>

// The title bar of a frame that has no system caption: icon, title, an
// optional caption menu drawn as text items, and minimise, maximise or
// restore and close buttons. Presses on the caption reach the frame as
// non-client presses, so it moves and maximises as with a real title bar.
class PRAMBLEGDIP_API CMSMCaptionBar : public CPane
{
    DECLARE_DYNCREATE(CMSMCaptionBar)

public:
    CMSMCaptionBar();
    ~CMSMCaptionBar() override;

    // The bar owns the icon from now on.
    virtual void SetIcon(HICON hIcon);
    virtual COLORREF GetCaptionTextColor() const;
    using CPane::Create;
    using CPane::CreateEx;
    virtual BOOL Create(CWnd* pParent, UINT buttonsBitmapId, UINT iconId, UINT id);
    // FALSE when the parent is no frame of panes or the window can't be made.
    virtual BOOL CreateEx(CWnd* pParent, UINT buttonsBitmapId, UINT iconId, UINT id);
    // The caption menu item under a screen point (and its rectangle), or -1.
    virtual int menuHitTest(const CPoint& point, CRect& rect);
    // The non-client hit code of a screen point.
    virtual UINT HitTest(const CPoint& point);
    virtual void ShowSysMenu(const CPoint& point);
    // Shows the popup of caption menu item `item` under `rect` (client coordinates).
    virtual void showMenu(int item, const CRect& rect);

    int GetCaptionHeight() const override { return m_captionHeight; }
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void DoPaint(CDC* pDC) override;
    BOOL PreCreateWindow(CREATESTRUCTW& cs) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

    void SetCaptionHeight(int height);
    void SetCaptionFont(const LOGFONTW& font);
    HFONT GetCaptionFont() const { return HFONT(m_captionFont.GetSafeHandle()); }
    void SetParentActive(BOOL active);
    void SetParentMaximize(BOOL maximized);
    BOOL IsParentActive() const { return m_parentActive; }
    BOOL IsParentMaximize() const { return m_parentMaximized; }

    // Menu resource whose top-level items the bar shows; 0 = none.
    WORD m_captionMenuId = 0;
    // Per top-level item: its caption, then the texts of its popup's entries
    // (separators skipped); empty = the resource's own texts.
    std::vector<std::vector<CString>> m_captionMenuTexts;

protected:
    // The parts of the picture, so that a derived bar can draw them its way.
    struct Painter
    {
        std::function<void(CDC&, const CRect&)> background;
        std::function<void(CDC&, const CString&, CRect, UINT)> title;
        std::function<void(CDC&, const CString&, CRect, UINT)> menuText;
        std::function<void(CDC&, CRect)> menuFocus;
    };
    void paintBar(CDC* pDC, const Painter& painter);

    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
    afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnNcMouseMove(UINT nHitTest, CPoint point);
    afx_msg void OnMouseLeave();

    DECLARE_MESSAGE_MAP()

    std::vector<CRect> m_menuRects; // client coordinates, rebuilt on every paint
    int m_hoveredItem = -1;
    bool m_mouseTracked = false;
    UINT m_buttonsBitmapId = 0;
    CString m_title;
    HICON m_hIcon = nullptr;
    int m_iconWidth = 0;
    int m_iconHeight = 0;
    BOOL m_parentActive = TRUE;
    BOOL m_parentMaximized = FALSE;
    CRect m_menuArea;
    int m_captionHeight = 0;
    int m_sysCaptionHeight = 0;
    CFont m_captionFont;
    UINT m_textFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS;
    CMSMCaptionBarButton m_minimizeButton;
    CMSMCaptionBarButton m_maximizeButton;
    CMSMCaptionBarButton m_closeButton;

private:
    void takeSystemMetrics(bool toolWindow);
    void createButtons(UINT buttonsBitmapId);
    void placeButtons();
    CRect iconRect() const;
    void paintCaptionMenu(CDC& dc, const CRect& client, int left, const Painter& painter);
    CString menuItemText(CMenu& menu, int item) const;
    void replaceMenuTexts(HMENU popup, const std::vector<CString>& texts) const;
    void showPopup(HMENU popup, CPoint at);
    BOOL forwardPress(MSG* pMsg);
    void setHoveredItem(int item);
};
