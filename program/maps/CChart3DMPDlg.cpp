#include "CChart3DMPDlg.h"

#include "MapsUiIds.h"
#include "ShellIds.h"

IMPLEMENT_DYNAMIC(CChart3DMPDlg, CGDIpMultiPageDialog)

BEGIN_MESSAGE_MAP(CChart3DMPDlg, CGDIpMultiPageDialog)
ON_WM_SIZE()
END_MESSAGE_MAP()

CChart3DMPDlg::CChart3DMPDlg(CWnd* pParent) : CGDIpMultiPageDialog(IDD_CHART_3D, pParent) {}

CChart3DMPDlg::~CChart3DMPDlg() = default;

void CChart3DMPDlg::v_init()
{
    m_chart.CreateFromStatic(0x10000001, this, IDC_MAP3D_CHART);
}

BOOL CChart3DMPDlg::OnInitDialog()
{
    CGDIpMultiPageDialog::OnInitDialog();
    createChart();
    return TRUE;
}

void CChart3DMPDlg::createChart()
{
    m_chart.createGrid(0, 16, 20);
    m_chart.setHelp(0, CString(L"Mouse wheel - scale. ") + L"CTRL wheel - move horizontally. " +
                           L"SHIFT wheel - move vertically.");
    m_chart.setHelp(1, CString(L"CTRL + up arrow - incrase correction. ") +
                           L"CTRL + down arrow - decrase correction.");
    m_chart.setHelp(2, CString(L"Mouse right button - rotation. ") + L"Mouse left button - range selection.");
}

// The page's drawn texts grow with the window.
void CChart3DMPDlg::OnSize(UINT nType, int cx, int cy)
{
    CGDIpMultiPageDialog::OnSize(nType, cx, cy);
    CRect client;
    GetClientRect(&client);
    m_pageFont.DeleteObject();
    m_pageFont.CreateFont(int(client.Height() / -55.0), 0, 0, 0, 700, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                          OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, 0x30,
                          L"Times New Roman");
    m_font = &m_pageFont;
}
