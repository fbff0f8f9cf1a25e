#pragma once

#include <CGDIpChart3DCtrl.h>

// The 3D map page's chart: a box and node spacing of its own; its keys and
// selection change nothing outside the chart.
class CMap3D : public CGDIpChart3DCtrl
{
    DECLARE_DYNAMIC(CMap3D)

public:
    CMap3D();
    ~CMap3D() override;

    void setHelp(int line, const CString& text) { m_help[line] = text; }
    const CString& help(int line) const { return m_help[line]; }

protected:
    void v_dataChanged(bool up) override;
    void v_selectionChanged() override;
};
