#pragma once

#include "CCmdTarget.h"
#include "CRect.h"

class CWnd;

// A thread's message loop. Each message is first shown to PreTranslateMessage
// of its window and that window's parents (dialogs among them translate their
// keys there with IsDialogMessage); idle time updates the command state of
// the main window's children and frees temporary handle objects.
class WFX_API CWinThread : public CCmdTarget
{
    DECLARE_DYNAMIC(CWinThread)

public:
    CWinThread() = default;

    CWnd* m_pMainWnd = nullptr;
    MSG m_msgCur{};

    virtual BOOL InitInstance();
    virtual int ExitInstance();
    virtual int Run();
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual BOOL OnIdle(LONG lCount);
    // Gets and dispatches one message; FALSE on WM_QUIT.
    virtual BOOL PumpMessage();
    virtual BOOL IsIdleMessage(MSG* pMsg);
    virtual CWnd* GetMainWnd() { return m_pMainWnd; }

private:
    CPoint m_lastMousePoint{-1, -1};
    UINT m_lastMouseMessage = 0;
};

// The application object when there is one, else the framework's own
// object for the thread that runs messages.
WFX_API CWinThread* AfxGetThread();
WFX_API CWnd* AfxGetMainWnd();
