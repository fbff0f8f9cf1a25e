#pragma once

#include "CGDIpGradientDialog.h"
#include "IMultiPageContent.h"

// The standard page of the multi-page host: a gradient dialog that lets
// the host see its keys first (F1 to F8 switch pages from inside any
// control) and that Enter and Esc never close.
class PRAMBLEGDIP_API CGDIpMultiPageDialog : public CGDIpGradientDialog, public IMultiPageContent
{
    DECLARE_DYNAMIC(CGDIpMultiPageDialog)

public:
    CGDIpMultiPageDialog();
    CGDIpMultiPageDialog(UINT nIDTemplate, CWnd* pParentWnd);
    ~CGDIpMultiPageDialog() override;

    virtual void v_focus() {}

    int v_show(int nCmdShow) override;
    void v_invalidate(int erase) override;
    int v_isVisible() override;
    void v_move(CRect rect, int repaint) override;
    // Toggles the page between living in the host and filling a frame
    // window of its own.
    void v_content2AppSize() override;

    BOOL PreTranslateMessage(MSG* pMsg) override;

    // Posted to the page once it has been shown; derived pages may route it.
    static const UINT shownCommand = 789987;

protected:
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    afx_msg void OnIdok() {}
    afx_msg void OnIdcancel() {}

    DECLARE_MESSAGE_MAP()

    UINT m_templateId;

private:
    bool recreate(CWnd* parent, DWORD frameStyleOff, DWORD frameStyleOn);
};
