#include "CWaitDlg.h"

IMPLEMENT_DYNAMIC(CWaitDlg, CGDIpGradientDialog)

CWaitDlg::CWaitDlg(const std::wstring& message, CWnd* pParentWnd)
    : CGDIpGradientDialog(kTemplateId, pParentWnd), m_message(message.c_str())
{
}

CWaitDlg::~CWaitDlg() = default;

BOOL CWaitDlg::OnInitDialog()
{
    CGDIpGradientDialog::OnInitDialog();
    SetDlgItemText(kMessageId, m_message);
    return TRUE;
}

void CWaitDlg::show()
{
    if (!m_hWnd && !Create(kTemplateId, nullptr))
        return;
    CenterWindow();
    ShowWindow(SW_SHOW);
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) { // for the program's own loop
            PostQuitMessage(int(msg.wParam));
            break;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}
