#pragma once

#include "CMap3D.h"

#include <CGDIpMultiPageDialog.h>

// The "RPM Map 3D" page: a flat 17 x 21 surface to rotate, zoom and select in.
class CChart3DMPDlg : public CGDIpMultiPageDialog
{
    DECLARE_DYNAMIC(CChart3DMPDlg)

public:
    explicit CChart3DMPDlg(CWnd* pParent = nullptr);
    ~CChart3DMPDlg() override;

    BOOL OnInitDialog() override;
    void v_init() override;

    CMap3D& chart() { return m_chart; }
    CFont& pageFont() { return m_pageFont; }

protected:
    afx_msg void OnSize(UINT nType, int cx, int cy);

    DECLARE_MESSAGE_MAP()

private:
    void createChart();

    CMap3D m_chart;
    CFont m_pageFont;
};
