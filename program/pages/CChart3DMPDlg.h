#pragma once

#include <CGDIpMultiPageDialog.h>

// Stands in for the 3D RPM map page until it is built: its window is an empty page.
class CChart3DMPDlg : public CGDIpMultiPageDialog
{
    DECLARE_DYNAMIC(CChart3DMPDlg)

public:
    explicit CChart3DMPDlg(CWnd* pParent = nullptr);
    ~CChart3DMPDlg() override;
};
