#include "WfxTestLib.h"

IMPLEMENT_DYNCREATE(CLibBaseWnd, CWnd)

BEGIN_MESSAGE_MAP(CLibBaseWnd, CWnd)
ON_WM_TIMER()
ON_WM_LBUTTONDOWN()
ON_COMMAND(ID_LIB_COMMAND, &CLibBaseWnd::OnLibCommand)
END_MESSAGE_MAP()

CLibBaseWnd::CLibBaseWnd() = default;

CLibBaseWnd::~CLibBaseWnd() = default;

BOOL CLibBaseWnd::CreateChild(CWnd* pParent, UINT nID)
{
    return Create(AfxRegisterWndClass(CS_DBLCLKS), L"lib", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 50),
                  pParent, nID);
}

void CLibBaseWnd::OnTimer(UINT_PTR nIDEvent)
{
    m_log.push_back(L"base timer " + std::to_wstring(nIDEvent));
}

void CLibBaseWnd::OnLButtonDown(UINT, CPoint point)
{
    m_log.push_back(L"base click " + std::to_wstring(point.x));
}

void CLibBaseWnd::OnLibCommand()
{
    m_log.push_back(L"base command");
}

IMPLEMENT_DYNAMIC(CLibDialog, CDialog)

CLibDialog::CLibDialog(CWnd* pParent) : CDialog(IDD_LIB_DIALOG, pParent), m_text(L"from the library") {}

void CLibDialog::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_LIB_EDIT, m_text);
}

namespace {
CWinApp g_libApp(L"test library");
} // namespace

CWinApp* libModuleApp()
{
    return &g_libApp;
}
