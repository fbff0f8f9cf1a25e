#pragma once

#include "PrambleApi.h"

#include <Wfx.h>

#include <memory>

// A static text in fixed colours: yellow on black unless a derived class
// changes m_crText and m_crBkgnd.
class PRAMBLE_API CColorStatic : public CStatic
{
    DECLARE_DYNAMIC(CColorStatic)

public:
    CColorStatic();
    ~CColorStatic() override;

protected:
    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);

    COLORREF m_crText = 0x0000FFFF;
    COLORREF m_crBkgnd = 0;
    std::unique_ptr<CBrush> m_pBrush; // the brush handed out with the last colours

    DECLARE_MESSAGE_MAP()
};
