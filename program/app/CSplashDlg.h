#pragma once

#include <CExtImage.h>
#include <CSkinDlg.h>

// The splash window of the start-up: a layered skin dialog that shows the
// splash image and fades in from 10 to 100 percent opacity by the clock,
// while the start-up connects and builds the pages behind it.
class CSplashDlg : public CSkinDlg
{
    DECLARE_DYNAMIC(CSplashDlg)

public:
    explicit CSplashDlg(CWnd* pParent = nullptr);
    ~CSplashDlg() override;

    BOOL OnInitDialog() override;
    int opacity() const { return m_opacity; }

    // Shows the window and starts its clock.
    void show();
    // Serves the window's own messages (its fade) during long work.
    void serve();
    // Pumps the thread's messages until the window has shown for 2 s by the
    // clock, then hides it.
    void hideWhenDue();

protected:
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnPaint();

    DECLARE_MESSAGE_MAP()

private:
    CExtImage m_image;
    HICON m_icon = nullptr;
    DWORD m_shownTick = 0;
};

// The program's splash object (null in programs without one).
extern CSplashDlg* g_pSplash;
