#pragma once

#include <CExtImage.h>
#include <CSkinDlg.h>

// The splash window of the start-up: a layered skin dialog that shows the
// splash image and fades in from 10 to 100 percent opacity.
class CSplashDlg : public CSkinDlg
{
    DECLARE_DYNAMIC(CSplashDlg)

public:
    explicit CSplashDlg(CWnd* pParent = nullptr);
    ~CSplashDlg() override;

    BOOL OnInitDialog() override;
    int opacity() const { return m_opacity; }

protected:
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnPaint();

    DECLARE_MESSAGE_MAP()

private:
    CExtImage m_image;
    HICON m_icon = nullptr;
};

// The program's splash object (null in programs without one).
extern CSplashDlg* g_pSplash;
