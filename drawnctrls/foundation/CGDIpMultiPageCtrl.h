#pragma once

#include "IGDIpGradientCtrl.h"
#include "IMultiPageButton.h"
#include "IMultiPageContent.h"
#include "IMultiPageCtrl.h"
#include "ITransparentCtrl.h"

#include <CCompCtrl.h>

#include <vector>

// Holds the pages of a window: centre pages with tab buttons (F1 to F8 or
// a click on a tab switch them) and up to three side panels (left, right,
// centre-bottom). Owns the pages and buttons inserted into it and lays
// them out on every size change.
class PRAMBLEGDIP_API CGDIpMultiPageCtrl : public CCompCtrl,
                                           public IMultiPageCtrl,
                                           public ITransparentCtrl,
                                           public IGDIpGradientCtrl
{
    DECLARE_DYNAMIC(CGDIpMultiPageCtrl)

public:
    CGDIpMultiPageCtrl();
    CGDIpMultiPageCtrl(const CGDIpMultiPageCtrl&) = delete;
    CGDIpMultiPageCtrl& operator=(const CGDIpMultiPageCtrl&) = delete;
    ~CGDIpMultiPageCtrl() override;

    void insertPage(CString title, IMultiPageButton* button, IMultiPageContent* page);
    void insertLeftPage(CString title, IMultiPageContent* page);
    void insertRightPage(CString title, IMultiPageContent* page);
    void insertCenterBottomPage(CString title, IMultiPageContent* page);
    void deletePage(int) {}
    void replacePage(int, CString, IMultiPageButton*, IMultiPageContent*) {}

    void activatePage(const IMultiPageButton* button) override;
    // An index outside the buttons is ignored.
    void activatePage(int index);
    void checkMsg(MSG* pMsg) override;
    // The keys reach the host also while a tab button has the focus (the
    // pages pass theirs on themselves).
    BOOL PreTranslateMessage(MSG* pMsg) override;
    void nextPage(bool forward);
    // The next (or previous) centre-top index from the active one, wrapping
    // round; the active index when there is no other.
    int setNextPrevCenterTopActivePageIdx(bool forward);

    IMultiPageContent* getActivePage() const;
    IMultiPageContent* getPage(int index) const;
    int getPageCount() const { return int(m_pages.size()); }
    IMultiPageContent* getLeftPage() const { return getPage(m_leftIdx); }
    IMultiPageContent* getRightPage() const { return getPage(m_rightIdx); }
    IMultiPageContent* getCenterBottomPage() const { return getPage(m_bottomIdx); }
    int getActivePageIdx() const { return m_activeIdx; }
    bool isCenterTopPage(int index) const;
    int getCenterTopePageButtonCount() const;
    bool isAnyCenterTopePageButton() const { return getCenterTopePageButtonCount() != 0; }
    int getCenterTopePageFirstButtonIdx() const;
    int getCenterTopePageVisibleButtonCount() const;
    void changeTitle(int index, CString text);
    // SW_SHOW brings a side panel back at its saved size, SW_HIDE hides it.
    void showRLCPage(int nCmdShow, IMultiPageContent* panel);
    std::vector<IMultiPageButton*>* getButtons() { return &m_buttons; }

    virtual void recalcLayout();

    int m_leftIdx = -1;
    int m_rightIdx = -1;
    int m_bottomIdx = -1;
    int m_orientation = 0; // column arrangement: 1 = tabs share the height
    int m_arrangement = 1; // 1: tabs in a row across the top, 0: in a column
    bool m_noTabs = false; // the owner places the tabs; pages fill the centre
    UINT m_maxTabWidth = UINT(-1);
    double m_tabHeightFactor = 2.5;
    double m_rightBoundary = 1.0; // fractions of the client area, see recalcLayout
    double m_leftWidth = 0;
    double m_bottomHeight = 0;
    double m_rightBottomCut = 0;
    double m_leftBottomCut = 0;
    double m_savedRightBoundary = 1.0;
    double m_savedLeftWidth = 0;
    double m_savedBottomHeight = 0;
    CFont* m_tabFont = nullptr;
    bool m_transparent = false;

protected:
    // One window's place in a deferred positioning batch.
    struct Placement
    {
        HWND hWnd;
        CRect rect;
        UINT flags;
    };

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);

    DECLARE_MESSAGE_MAP()

    std::vector<IMultiPageButton*> m_buttons;
    std::vector<IMultiPageContent*> m_pages;
    int m_activeIdx = -1;

private:
    void insertSidePage(int& slot, const CString& title, IMultiPageContent* page);
    void appendEntry(const CString& title, IMultiPageButton* button, IMultiPageContent* page);
    bool isSideIndex(int index) const;
    int acceptedIndex(const IMultiPageButton* button) const;
    void switchPages(IMultiPageContent* oldPage, IMultiPageContent* newPage);
    static HWND windowOf(IMultiPageContent* page);
    static HWND windowOf(IMultiPageButton* button);
    double* panelFraction(IMultiPageContent* panel, double*& saved, double& hidden);

    // Layout.
    int tabHeight() const;
    void placeCentrePages(std::vector<Placement>& batch, const CRect& r) const;
    void placeSidePanels(std::vector<Placement>& batch, int W, int H, int L, int C, int bottomX,
                         int bottomTop, int bottomRight);
    void layoutWithoutTabs(std::vector<Placement>& batch, int W, int H, int L, int C);
    void layoutTabRow(std::vector<Placement>& batch, int W, int H, int L, int C);
    void layoutTabColumn(std::vector<Placement>& batch, int W, int H, int L, int C);
    void placeTabCell(std::vector<Placement>& batch, IMultiPageButton* button, CRect cell) const;
    static void applyBatch(const std::vector<Placement>& batch);
};
