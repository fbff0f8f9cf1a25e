#include "CGDIpGradientDialog.h"

#include "IGDIpGradientDeepGraphitePack.h"

IMPLEMENT_DYNAMIC(CGDIpGradientDialog, CDialog)

BEGIN_MESSAGE_MAP(CGDIpGradientDialog, CDialog)
ON_WM_ERASEBKGND()
ON_WM_SIZE()
ON_WM_CREATE()
END_MESSAGE_MAP()

CGDIpGradientDialog::CGDIpGradientDialog() : ISizableCtrlsContainer(this), ITransparentCtrl(this)
{
    IGDIpGradientRectPack::operator=(IGDIpGradientDeepGraphitePack());
}

CGDIpGradientDialog::CGDIpGradientDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : CDialog(nIDTemplate, pParentWnd), ISizableCtrlsContainer(this), ITransparentCtrl(this)
{
    IGDIpGradientRectPack::operator=(IGDIpGradientDeepGraphitePack());
}

CGDIpGradientDialog::~CGDIpGradientDialog()
{
    m_extraPacks.clear();
    m_underlines.clear();
}

int CGDIpGradientDialog::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CDialog::OnCreate(lpCreateStruct) == -1)
        return -1;
    create(lpCreateStruct);
    return 0;
}

BOOL CGDIpGradientDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    recalcLayout();
    init();
    recalcControls();
    return TRUE;
}

void CGDIpGradientDialog::recalcLayout()
{
    CRect client;
    GetClientRect(&client);
    v_recalcData(client);
}

void CGDIpGradientDialog::OnSize(UINT, int, int)
{
    Default();
    recalcLayout();
    recalcControls();
    Invalidate(TRUE);
}

void CGDIpGradientDialog::drawExtraPacks(CDC& dc)
{
    for (IGDIpGradientRectPack& pack : m_extraPacks)
        pack.v_draw(dc);
}

// With no background captured the memory context starts cleared, and the
// pack is drawn into it so that the screen and the children get the same
// picture.
BOOL CGDIpGradientDialog::OnEraseBkgnd(CDC* pDC)
{
    if (m_transparent) {
        beginTransparentPaint(pDC);
        if (m_fillBackground)
            v_draw(m_memDC);
        drawExtraPacks(m_memDC);
        handBackgroundToChildren(this, m_memDC, [this]() { UnderlineCtrl3D(&m_memDC); });
        endTransparentPaint(pDC);
        return TRUE;
    }
    composeOpaque(this, pDC, [this](CDC& mem) {
        v_draw(mem);
        drawExtraPacks(mem);
    });
    return TRUE;
}

void CGDIpGradientDialog::UnderlineCtrl3D(CDC* pDC)
{
    CRect dialog;
    GetClientRect(&dialog);
    for (const Underline& line : m_underlines) {
        if (line.ctrl && line.ctrl->m_hWnd)
            underline(*pDC, dialog, line);
    }
}

void CGDIpGradientDialog::underline(CDC& dc, const CRect& dialog, const Underline& line)
{
    CRect r;
    line.ctrl->GetClientRect(&r);
    line.ctrl->MapWindowPoints(this, &r);
    CPen first(PS_SOLID, 1, line.engraved ? ::GetSysColor(COLOR_BTNSHADOW) : line.firstColor);
    CPen second(PS_SOLID, 1, line.engraved ? ::GetSysColor(COLOR_BTNHIGHLIGHT) : line.secondColor);
    int x1, x2;
    if (line.spanDialog) {
        const int w = dialog.right - dialog.left;
        x1 = int(w * line.startFraction + dialog.left);
        x2 = int(dialog.right - line.endFraction * w);
    } else {
        const int w = r.right - r.left;
        x1 = int(r.left - w * line.startFraction);
        x2 = int(line.endFraction * w + r.left + w);
    }
    CPen* old = dc.SelectObject(&first);
    dc.MoveTo(x1, r.bottom);
    dc.LineTo(x2, r.bottom);
    dc.SelectObject(&second);
    dc.MoveTo(x1, r.bottom + 1);
    dc.LineTo(x2, r.bottom + 1);
    dc.SelectObject(old);
}
