#pragma once

#include "COrangeStatic.h"
#include "COrvoDescribedDisplay.h"
#include "FittedFont.h"
#include "IMultilangGUI.h"
#include "ITimerBasedGUI.h"

#include <CExtImage.h>
#include <CGDIpGradientButton.h>
#include <CGDIpMultiPageDialog.h>
#include <Wfx.h>

// The navigation page on the left of the main window: a tree of the pages
// that switches the active page and, below it, the car's fuel-trim
// corrections read over OBD.
class CLeftToolBarMPDlg : public CGDIpMultiPageDialog, public ITimerBasedGUI, public IMultilangGUI
{
    DECLARE_DYNAMIC(CLeftToolBarMPDlg)

public:
    explicit CLeftToolBarMPDlg(CWnd* pParent = nullptr);
    ~CLeftToolBarMPDlg() override;

    BOOL OnInitDialog() override;
    void v_onTimer() override;
    void v_translate() override;

    CTreeCtrl& tree() { return m_tree; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    afx_msg void OnTvnSelchanged(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnTvnDeleteitem(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnTreeAnswerZero(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnSize(UINT nType, int cx, int cy);

    DECLARE_MESSAGE_MAP()

private:
    HTREEITEM addItem(const wchar_t* text, int pageIdx, HTREEITEM parent = TVI_ROOT);
    void fillTree(bool withObd);
    void hideTrimArea();
    void showTrims();
    void loadLogo();
    void translateItems(HTREEITEM first);
    void fitColumnFont();
    bool treeFits() const;

    unsigned char m_treeReady = 0;
    int m_pageIdx = 0;
    CTreeCtrl m_tree;
    // Long-term bank 1 and 2, short-term bank 1 and 2.
    COrvoDescribedDisplay m_trims[4];
    COrangeStatic m_headings[2];
    CExtImage m_logo;
    CGDIpGradientButton m_logoButton;
    // The tree and the headings: the page's font where their texts fit in
    // the column, else smaller.
    FittedFont m_columnFont;
};
