#pragma once

#include "COrvoButton.h"

#include <CSkinDlg.h>
#include <CTransparentStatic.h>

#include <string>

// The list of PCs that connected to the controller and when, from the log
// the controller object read in this connection, beside this PC's code.
// It writes nothing.
class CPcConnDlg : public CSkinDlg
{
public:
    explicit CPcConnDlg(CWnd* parent = nullptr);
    ~CPcConnDlg() override;

    BOOL OnInitDialog() override;

    // "%02X%02X-%02X%02X" of four code bytes.
    static std::wstring formatPcCode(const unsigned char* bytes);

    // Reads this PC's four code bytes; tests stand in for the system.
    bool (*m_readPcCode)(unsigned char* bytes);

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    CTransparentStatic m_caption;
    CTransparentStatic m_codeLabel;
    CTransparentStatic m_code;
    COrvoButton m_ok;
    CListCtrl m_list;

private:
    void insertColumns();
    void fillRows();
    void addRow(const std::wstring& label, unsigned record);
};
