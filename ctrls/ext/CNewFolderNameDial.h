#pragma once

#include "PrambleApi.h"

#include <CDialog.h>

// Asks for a folder name: for a new folder, or with another caption for a rename.
class PRAMBLE_API CNewFolderNameDial : public CDialog
{
public:
    explicit CNewFolderNameDial(CWnd* parent = nullptr);

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;

    CString m_caption; // empty: the template's caption stays
    CString m_name;
};
