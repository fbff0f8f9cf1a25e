#include "CMap3D.h"

IMPLEMENT_DYNAMIC(CMap3D, CGDIpChart3DCtrl)

CMap3D::CMap3D()
{
    m_boxWidth = 1575;
    m_boxDepth = 855;
    m_boxHeight = 500;
    m_rowSpacing = 105;
    m_columnSpacing = 45;
}

CMap3D::~CMap3D() = default;

// The page shows no map of the controller: nothing to change.
void CMap3D::v_dataChanged(bool) {}

void CMap3D::v_selectionChanged() {}
