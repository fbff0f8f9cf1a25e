#include "CItemWnd.h"

CItemCtrl::~CItemCtrl() = default;

CItemWnd::CItemWnd(CWnd* window, UINT style, const CRect& rect, UINT id)
    : m_window(window), m_style(style), m_rect(rect), m_id(id)
{
}

CItemWnd::CItemWnd(const CItemWnd& other)
    : m_window(std::move(other.m_window)), m_style(other.m_style), m_rect(other.m_rect), m_id(other.m_id)
{
}

CItemWnd& CItemWnd::operator=(const CItemWnd& other)
{
    if (this != &other) {
        m_window = std::move(other.m_window);
        m_style = other.m_style;
        m_rect = other.m_rect;
        m_id = other.m_id;
    }
    return *this;
}

CItemWnd::~CItemWnd() = default;

void CItemWnd::show(bool visible)
{
    if (hasWindow())
        m_window->ShowWindow(visible ? SW_SHOW : SW_HIDE);
}

void CItemWnd::move(const CRect& rect)
{
    if (hasWindow())
        m_window->MoveWindow(&rect, TRUE);
}

CWnd& CItemWnd::getWindow()
{
    return windowAs<CWnd>();
}
