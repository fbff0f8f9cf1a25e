#include "CColorStatic.h"

IMPLEMENT_DYNAMIC(CColorStatic, CStatic)

BEGIN_MESSAGE_MAP(CColorStatic, CStatic)
ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

CColorStatic::CColorStatic() : m_pBrush(std::make_unique<CBrush>()) {}

CColorStatic::~CColorStatic() = default;

HBRUSH CColorStatic::CtlColor(CDC* pDC, UINT)
{
    pDC->SetTextColor(m_crText);
    pDC->SetBkColor(m_crBkgnd);
    m_pBrush = std::make_unique<CBrush>(m_crBkgnd);
    return *m_pBrush;
}
