#pragma once

#include "COrangeStatic.h"
#include "COrvoButton.h"
#include "COrvoEdit.h"
#include "IMultilangGUI.h"
#include "ITimerBasedGUI.h"

#include <CGDIpListCtrl.h>
#include <CGDIpMultiPageDialog.h>

#include <string>

class CDiag;
class CLPGDevice;

// The controller's identity and driving times, its error list with a code
// per message and, for a chosen error, the freeze frame the controller kept
// when it occurred. Stays usable while the controller is locked.
class CInfoMPDlg : public CGDIpMultiPageDialog, public ITimerBasedGUI, public IMultilangGUI
{
    DECLARE_DYNAMIC(CInfoMPDlg)

public:
    explicit CInfoMPDlg(CWnd* pParent = nullptr);
    ~CInfoMPDlg() override;

    BOOL OnInitDialog() override;
    void v_activate() override;
    void v_onTimer() override;
    void v_translate() override;

    // Identity fields, and the driving times read again when connected.
    void refreshInfo();
    // A half-second counter as "   1 h: 00 min".
    static std::wstring drivingTime(uint32_t halfSeconds);

    CGDIpListCtrl& errorList() { return m_errorList; }
    CGDIpListCtrl& freezeFrameList() { return m_freezeList; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg void OnReadErrors();
    afx_msg void OnClearErrors();
    afx_msg void OnPcConnections();
    afx_msg void OnOnBoardDiagnostic();
    afx_msg void OnErrorListClick(NMHDR* pHdr, LRESULT* pResult);

    DECLARE_MESSAGE_MAP()

private:
    void OnErrorSelected(CGDIpListCtrlRow* row);
    void showFreezeFrame(const unsigned char* record);
    void emptyLists();
    static void addColumn(CGDIpListCtrl& list, const wchar_t* text, double width);
    static void addRow(CGDIpListCtrl& list, const std::wstring& first, const std::wstring& second);

    CGDIpListCtrl m_errorList;
    CGDIpListCtrl m_freezeList;
    COrvoButton m_buttons[4];
    COrvoEdit m_edits[5];
    COrangeStatic m_captions[7];
    int m_countdown = 40;
};
