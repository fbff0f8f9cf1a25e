#pragma once

#include "IMultilangGUI.h"
#include "ITimerBasedGUI.h"

#include <CGDIpMultiPageCtrl.h>
#include <Wfx.h>

class CBottomMPDlg;
class CLeftToolBarMPDlg;
class COrvoMenuButton;
class IMultiPageContent;

// The main frame's view. Its first update connects to the controller and
// builds the page set in one host control that fills it; then it passes the
// frame's ticks and the language changes on to the pages.
class COrvoView : public CView, public ITimerBasedGUI, public IMultilangGUI
{
    DECLARE_DYNCREATE(COrvoView)

public:
    COrvoView();
    ~COrvoView() override;

    void OnDraw(CDC* pDC) override;
    void OnInitialUpdate() override;
    void v_onTimer() override;
    void v_translate() override;

    // Only the lock, information, bottom and left pages stay enabled while
    // the controller is locked.
    void enablePages(bool locked);
    // The active page reads the record again (v_activate).
    void activateActivePage();
    // The bottom page's connection caption.
    void setConnected(bool connected);

    CGDIpMultiPageCtrl& pageCtrl() { return m_pageCtrl; }
    CBottomMPDlg* bottomPage() const { return m_pBottomPage; }
    CLeftToolBarMPDlg* leftPage();
    // The first update has built the pages.
    bool pagesReady() const { return m_pagesReady; }

protected:
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);

    DECLARE_MESSAGE_MAP()

private:
    void connectController();
    void createHost();
    void createPages();
    void createPanels();
    template <class Page> Page* makePage(UINT templateId);
    void insertPage(const wchar_t* caption, COrvoMenuButton* button, IMultiPageContent* page);
    void makeFonts(int height, int weight);
    void fitHost();
    void pollObd(IMultiPageContent* active);

    unsigned char m_once = 0;
    CGDIpMultiPageCtrl m_pageCtrl;
    CFont m_smallFont;
    CFont m_largeFont;
    CBottomMPDlg* m_pBottomPage = nullptr;
    COrvoMenuButton* m_firstButton = nullptr;
    bool m_pagesReady = false;
};

// The view's page host, from its first update on.
extern CGDIpMultiPageCtrl* g_pPageCtrl;
