#pragma once

#include "ISizableCtrlsContainer.h"
#include "ITransparentCtrl.h"

#include <vector>

// The dialog base of the library: a drawn background (its own pack, then
// the extra packs), the background under each transparent child handed to
// that child, children rescaled in proportion to the design size, and
// engraved lines under chosen controls.
class PRAMBLEGDIP_API CGDIpGradientDialog : public CDialog,
                                            public ISizableCtrlsContainer,
                                            public ITransparentCtrl
{
    DECLARE_DYNAMIC(CGDIpGradientDialog)

public:
    // A line under a control: across a fraction of the dialog's width
    // (spanDialog) or across the control's width extended by fractions of it.
    struct Underline
    {
        CWnd* ctrl;
        bool spanDialog;
        double startFraction;
        double endFraction;
        bool engraved; // the system's 3D colours instead of the two below
        COLORREF firstColor;
        COLORREF secondColor;
    };

    CGDIpGradientDialog();
    CGDIpGradientDialog(UINT nIDTemplate, CWnd* pParentWnd);
    ~CGDIpGradientDialog() override;

    BOOL OnInitDialog() override;

    bool m_transparent = true;

protected:
    // Lays out the dialog's own parts; the base computes its pack.
    virtual void recalcLayout();
    void UnderlineCtrl3D(CDC* pDC);

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);

    DECLARE_MESSAGE_MAP()

    std::vector<IGDIpGradientRectPack> m_extraPacks; // drawn over the dialog's own pack
    std::vector<Underline> m_underlines;

private:
    void drawExtraPacks(CDC& dc);
    void underline(CDC& dc, const CRect& dialog, const Underline& line);
};
