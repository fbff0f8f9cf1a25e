#include "CGDIpMultiPageGradientButton.h"

IMPLEMENT_DYNAMIC(CGDIpMultiPageGradientButton, CGDIpGradientButton)

BEGIN_MESSAGE_MAP(CGDIpMultiPageGradientButton, CGDIpGradientButton)
ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

CGDIpMultiPageGradientButton::CGDIpMultiPageGradientButton() = default;

CGDIpMultiPageGradientButton::CGDIpMultiPageGradientButton(const CGDIpMultiPageGradientButton& other)
    : CGDIpGradientButton(other), IMultiPageButton()
{
    copyShape(other);
}

CGDIpMultiPageGradientButton&
CGDIpMultiPageGradientButton::operator=(const CGDIpMultiPageGradientButton& other)
{
    if (this != &other) {
        CGDIpGradientButton::operator=(other);
        copyShape(other);
    }
    return *this;
}

CGDIpMultiPageGradientButton::~CGDIpMultiPageGradientButton() = default;

void CGDIpMultiPageGradientButton::copyShape(const CGDIpMultiPageGradientButton& other)
{
    m_width = other.m_width;
    m_height = other.m_height;
    m_vInset = other.m_vInset;
    m_hInset = other.m_hInset;
}

void CGDIpMultiPageGradientButton::selected(bool isSelected)
{
    m_pushed = isSelected ? 1 : 0;
}

int CGDIpMultiPageGradientButton::showWindow(int nCmdShow)
{
    return ShowWindow(nCmdShow);
}

CWnd* CGDIpMultiPageGradientButton::setFocus()
{
    return SetFocus();
}

void CGDIpMultiPageGradientButton::invalidate(int erase)
{
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | (erase ? RDW_ERASE : 0));
}

void CGDIpMultiPageGradientButton::setWindowText(const wchar_t* text)
{
    SetWindowText(text);
}

void CGDIpMultiPageGradientButton::moveWindow(const RECT* rect)
{
    MoveWindow(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, TRUE);
}

int CGDIpMultiPageGradientButton::create(const wchar_t* text, DWORD style, const RECT& rect, CWnd* parent,
                                         CFont* font, UINT id)
{
    m_font = font;
    return Create(text, style, rect, parent, id);
}

void CGDIpMultiPageGradientButton::v_recalcData()
{
    CGDIpGradientButton::v_recalcData(CSize(m_width, m_height));
}

// The page switches on the press, not on the release.
void CGDIpMultiPageGradientButton::OnLButtonDown(UINT, CPoint)
{
    Default();
    activate();
}
