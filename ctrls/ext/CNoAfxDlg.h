#pragma once

#include "PrambleApi.h"

#include <CDialog.h>

// A dialog whose template comes from a given module, that runs modally also
// in a process without a framework application object (its own loop then).
class PRAMBLE_API CNoAfxDlg : public CDialog
{
public:
    CNoAfxDlg(UINT templateId, HINSTANCE instance, CWnd* parent = nullptr);

    // The id given to EndDialog, IDCANCEL after Escape; -1 when the template
    // is missing, the window was destroyed from outside or the thread was
    // told to quit (the quit message is posted again for the outer loop).
    INT_PTR DoModal() override;
    // Creates the dialog modeless, shown and centred.
    virtual bool create(UINT templateId, CWnd* parent);
    virtual void onOK();

protected:
    UINT m_templateId;
    HINSTANCE m_instance;

    DECLARE_MESSAGE_MAP()

private:
    static INT_PTR CALLBACK initProcedure(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    bool hasTemplate() const;
    INT_PTR frameworkModal();
    INT_PTR ownModal();
    bool isOwnKey(const MSG& msg);
    void focusNextTabStop();
    void routeCommand(UINT id);
};
