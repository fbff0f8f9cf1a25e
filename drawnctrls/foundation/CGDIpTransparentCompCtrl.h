#pragma once

#include "ISizableCtrlsContainer.h"
#include "ITransparentCtrl.h"

// Base window of the composite drawn controls: paints its colour pack and
// the derived control's content (the pack's v_draw) over the captured
// background, rescales the children it made in v_createSizableCtrls and
// hands its transparent children the background under them.
class PRAMBLEGDIP_API CGDIpTransparentCompCtrl : public CWnd,
                                                 public ITransparentCtrl,
                                                 public ISizableCtrlsContainer
{
    DECLARE_DYNAMIC(CGDIpTransparentCompCtrl)

public:
    CGDIpTransparentCompCtrl();
    ~CGDIpTransparentCompCtrl() override;
    // Takes the look: pack, font part and transparent flag.
    CGDIpTransparentCompCtrl& operator=(const CGDIpTransparentCompCtrl& other);

    using CWnd::Create;
    virtual BOOL Create(DWORD dwStyle, CRect rect, CWnd* pParentWnd, UINT nID);
    // Takes the place, size and id of the dialog item nID (a placeholder
    // static); FALSE when there is no such item.
    virtual BOOL CreateFromStatic(DWORD dwStyle, CWnd* pParentWnd, UINT nID);

    using IGDIpGradientRectPack::v_recalcData;
    // The derived control's content, drawn over the pack.
    void v_draw(CDC&) override {}

    bool m_transparent = true;

protected:
    // Derived controls make their rescaled children here...
    virtual void v_createSizableCtrls() {}
    // ...and here the children that keep their own place.
    virtual void v_createOwnCtrls() {}

    void PreSubclassWindow() override;

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);

    DECLARE_MESSAGE_MAP()

private:
    void initialise(UINT designWidth, UINT designHeight);
    virtual void drawContent(CDC& dc);

    bool m_creating = false;
    HWND m_initialisedFor = nullptr;
};
