#include "ISizableCtrlsContainer.h"

#include "CGDIpGradientComboBox.h"

ISizableCtrlsContainer::ISizableCtrlsContainer(CWnd* container) : m_container(container) {}

// The records and the design size belong to the window: only the look and
// the font settings are taken over.
ISizableCtrlsContainer& ISizableCtrlsContainer::operator=(const ISizableCtrlsContainer& other)
{
    IOwnFontCtrl::operator=(other);
    IGDIpGradientRectPack::operator=(other);
    return *this;
}

ISizableCtrlsContainer::~ISizableCtrlsContainer() = default;

void ISizableCtrlsContainer::setOrygSize(UINT cx, UINT cy)
{
    m_orygWidth = cx;
    m_orygHeight = cy;
}

void ISizableCtrlsContainer::create(CREATESTRUCT* cs)
{
    setOrygSize(UINT(cs->cx), UINT(cs->cy));
}

ISizableCtrlsContainer::CtrlRecord ISizableCtrlsContainer::recordOf(HWND child) const
{
    CRect r;
    ::GetWindowRect(child, &r);
    ::MapWindowPoints(nullptr, m_container->m_hWnd, reinterpret_cast<LPPOINT>(&r), 2);
    auto* combo = dynamic_cast<CGDIpGradientComboBox*>(CWnd::FromHandlePermanent(child));
    if (combo && combo->m_closedHeight)
        r.bottom = r.top + combo->m_closedHeight;
    return CtrlRecord{::GetDlgCtrlID(child), r.left, r.top, r.right, r.bottom};
}

void ISizableCtrlsContainer::init()
{
    if (!m_container || !m_container->m_hWnd)
        return;
    m_ctrlRecords.clear();
    for (HWND child = ::GetWindow(m_container->m_hWnd, GW_CHILD); child;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        m_ctrlRecords.push_back(recordOf(child));
        if (auto* ownFont = dynamic_cast<IOwnFontCtrl*>(CWnd::FromHandlePermanent(child)))
            ownFont->m_font = m_font;
    }
    m_recorded = true;
}

void ISizableCtrlsContainer::resizeCtrl(int id, int dx, int dy)
{
    for (CtrlRecord& record : m_ctrlRecords) {
        if (record.id == id) {
            record.right += dx;
            record.bottom += dy;
            return;
        }
    }
}

void ISizableCtrlsContainer::recalcControls()
{
    // Nothing to scale from before the design size is known.
    if (m_ctrlRecords.empty() || !m_orygWidth || !m_orygHeight || !m_container || !m_container->m_hWnd)
        return;
    CRect client;
    m_container->GetClientRect(&client);
    const double sx = double(client.Width()) / m_orygWidth;
    const double sy = double(client.Height()) / m_orygHeight;
    for (HWND child = ::GetWindow(m_container->m_hWnd, GW_CHILD); child;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        const int id = ::GetDlgCtrlID(child);
        for (const CtrlRecord& record : m_ctrlRecords) {
            if (record.id == id)
                placeChild(child, record, sx, sy);
        }
    }
}

void ISizableCtrlsContainer::placeChild(HWND child, const CtrlRecord& record, double sx, double sy)
{
    const int left = int(record.left * sx);
    const int top = int(record.top * sy);
    const int right = int(sx * (record.right - record.left) + left);
    const int bottom = int(sy * (record.bottom - record.top) + top);
    // A container composes its whole background at every erase: it erases
    // once when it next paints, not once for every child moved. A child
    // already in place with the font is left alone: every move and every
    // repaint asked for costs the window server a round trip, for pages of
    // dozens of controls.
    CRect now;
    ::GetWindowRect(child, &now);
    ::MapWindowPoints(nullptr, m_container->m_hWnd, reinterpret_cast<LPPOINT>(&now), 2);
    const bool moved = now != CRect(left, top, right, bottom);
    if (moved)
        ::SetWindowPos(child, nullptr, left, top, right - left, bottom - top,
                       SWP_NOZORDER | SWP_NOACTIVATE | SWP_DEFERERASE);
    CWnd* wnd = CWnd::FromHandlePermanent(child);
    auto* ownFont = dynamic_cast<IOwnFontCtrl*>(wnd);
    if (ownFont && ownFont->m_takeContainerFont == 1)
        ownFont->m_font = m_font;
    const HFONT font = m_font ? HFONT(*m_font) : nullptr;
    if (moved || reinterpret_cast<HFONT>(::SendMessageW(child, WM_GETFONT, 0, 0)) != font)
        ::SendMessageW(child, WM_SETFONT, WPARAM(font), TRUE);
    if (dynamic_cast<CGDIpGradientComboBox*>(wnd))
        ::SendMessageW(child, CB_SETITEMHEIGHT, WPARAM(-1), LPARAM(bottom - top));
}
