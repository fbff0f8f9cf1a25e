#include "CGDIpMultiPageDialog.h"

#include "IMultiPageCtrl.h"

IMPLEMENT_DYNAMIC(CGDIpMultiPageDialog, CGDIpGradientDialog)

BEGIN_MESSAGE_MAP(CGDIpMultiPageDialog, CGDIpGradientDialog)
ON_WM_SHOWWINDOW()
ON_COMMAND(IDOK, &CGDIpMultiPageDialog::OnIdok)
ON_COMMAND(IDCANCEL, &CGDIpMultiPageDialog::OnIdcancel)
END_MESSAGE_MAP()

namespace {
const DWORD sizableFrame = WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
}

CGDIpMultiPageDialog::CGDIpMultiPageDialog() : IMultiPageContent(nullptr), m_templateId(UINT(-1)) {}

CGDIpMultiPageDialog::CGDIpMultiPageDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : CGDIpGradientDialog(nIDTemplate, pParentWnd), IMultiPageContent(pParentWnd), m_templateId(nIDTemplate)
{
}

CGDIpMultiPageDialog::~CGDIpMultiPageDialog() = default;

int CGDIpMultiPageDialog::v_show(int nCmdShow)
{
    return ShowWindow(nCmdShow);
}

void CGDIpMultiPageDialog::v_invalidate(int erase)
{
    InvalidateRect(nullptr, erase);
}

int CGDIpMultiPageDialog::v_isVisible()
{
    return IsWindowVisible();
}

void CGDIpMultiPageDialog::v_move(CRect rect, int repaint)
{
    MoveWindow(&rect, repaint);
}

BOOL CGDIpMultiPageDialog::PreTranslateMessage(MSG* pMsg)
{
    if (m_impc)
        m_impc->checkMsg(pMsg);
    return CGDIpGradientDialog::PreTranslateMessage(pMsg);
}

void CGDIpMultiPageDialog::OnShowWindow(BOOL bShow, UINT)
{
    Default();
    if (!bShow) {
        v_deactivate();
        return;
    }
    recalcControls();
    v_activate();
    PostMessage(WM_COMMAND, shownCommand, 0);
}

void CGDIpMultiPageDialog::v_content2AppSize()
{
    m_parentFrame = GetParentFrame();
    if (!m_parentFrame || m_templateId == UINT(-1))
        return;
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    GetWindowPlacement(&placement);
    bool moved;
    if (placement.showCmd == SW_SHOWMAXIMIZED) {
        moved = recreate(m_parentWnd, WS_DLGFRAME, sizableFrame);
        placement.showCmd = SW_SHOWNORMAL;
    } else {
        CWnd* host = GetParent();
        moved = recreate(nullptr, sizableFrame, WS_DLGFRAME);
        if (moved)
            m_parentWnd = host;
        placement.showCmd = SW_SHOWMAXIMIZED;
    }
    init();
    if (moved)
        SetWindowPlacement(&placement);
}

// A template that can't live under the new parent (a child template has
// no window of its own) is made again where it was.
bool CGDIpMultiPageDialog::recreate(CWnd* parent, DWORD frameStyleOff, DWORD frameStyleOn)
{
    CWnd* oldParent = GetParent();
    DestroyWindow();
    if (!Create(m_templateId, parent)) {
        Create(m_templateId, oldParent);
        return false;
    }
    m_parentFrame->ModifyStyle(frameStyleOff, frameStyleOn);
    return true;
}
