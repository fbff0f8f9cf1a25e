#include "CGDIpMultiPageCtrl.h"

#include "CGDIpMultiPageGradientButton.h"
#include "IGDIpGradientDeepGraphitePack.h"

IMPLEMENT_DYNAMIC(CGDIpMultiPageCtrl, CCompCtrl)

BEGIN_MESSAGE_MAP(CGDIpMultiPageCtrl, CCompCtrl)
ON_WM_SIZE()
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

namespace {
const DWORD tabStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
const UINT swapHide = SWP_NOSIZE | SWP_NOMOVE | SWP_HIDEWINDOW | SWP_NOZORDER | SWP_NOACTIVATE;
const UINT swapShow = SWP_NOSIZE | SWP_NOMOVE | SWP_SHOWWINDOW | SWP_NOZORDER | SWP_NOACTIVATE;
} // namespace

CGDIpMultiPageCtrl::CGDIpMultiPageCtrl() : ITransparentCtrl(this), IGDIpGradientCtrl(this)
{
    IGDIpGradientRectPack::operator=(IGDIpGradientDeepGraphitePack());
    m_gradientStart = 0xFF434343;
    m_gradientEnd = 0xFF0C0C0C;
}

// Pages deleted earlier have cleared their slots; pages the host does not
// own are only let go, so that they never reach back into a dead host.
CGDIpMultiPageCtrl::~CGDIpMultiPageCtrl()
{
    std::vector<IMultiPageContent*> pages;
    pages.swap(m_pages);
    for (IMultiPageContent* page : pages) {
        if (!page)
            continue;
        page->registerIn(nullptr, -1);
        page->setImpc(nullptr);
        if (page->m_ownedByHost)
            delete page;
    }
    std::vector<IMultiPageButton*> buttons;
    buttons.swap(m_buttons);
    for (IMultiPageButton* button : buttons)
        delete button;
}

HWND CGDIpMultiPageCtrl::windowOf(IMultiPageContent* page)
{
    CWnd* wnd = dynamic_cast<CWnd*>(page);
    return wnd && ::IsWindow(wnd->m_hWnd) ? wnd->m_hWnd : nullptr;
}

HWND CGDIpMultiPageCtrl::windowOf(IMultiPageButton* button)
{
    CWnd* wnd = dynamic_cast<CWnd*>(button);
    return wnd && ::IsWindow(wnd->m_hWnd) ? wnd->m_hWnd : nullptr;
}

void CGDIpMultiPageCtrl::appendEntry(const CString& title, IMultiPageButton* button, IMultiPageContent* page)
{
    button->create(title, tabStyle, CRect(), this, m_tabFont, UINT(-1));
    button->setMPC(this);
    m_buttons.push_back(button);
    page->setImpc(this);
    m_pages.push_back(page);
    page->registerIn(&m_pages, int(m_pages.size()) - 1);
}

void CGDIpMultiPageCtrl::insertPage(CString title, IMultiPageButton* button, IMultiPageContent* page)
{
    if (!button || !page)
        return;
    appendEntry(title, button, page);
    for (int i = 0; i < int(m_buttons.size()); ++i) {
        if (!isCenterTopPage(i))
            continue;
        if (m_buttons[i] == button) {
            page->v_init();
            button->selected(true);
            m_activeIdx = i;
        } else {
            m_buttons[i]->selected(false);
        }
    }
}

void CGDIpMultiPageCtrl::insertLeftPage(CString title, IMultiPageContent* page)
{
    insertSidePage(m_leftIdx, title, page);
}

void CGDIpMultiPageCtrl::insertRightPage(CString title, IMultiPageContent* page)
{
    insertSidePage(m_rightIdx, title, page);
}

void CGDIpMultiPageCtrl::insertCenterBottomPage(CString title, IMultiPageContent* page)
{
    insertSidePage(m_bottomIdx, title, page);
}

void CGDIpMultiPageCtrl::insertSidePage(int& slot, const CString& title, IMultiPageContent* page)
{
    if (!page)
        return;
    if (slot < 0) {
        appendEntry(title, new CGDIpMultiPageGradientButton, page);
        slot = int(m_pages.size()) - 1;
    } else {
        IMultiPageContent* old = m_pages[slot];
        // The same page again stays; another one replaces it.
        if (old && old != page) {
            old->registerIn(nullptr, -1);
            old->setImpc(nullptr);
            if (old->m_ownedByHost)
                delete old;
        }
        m_pages[slot] = page;
        page->setImpc(this);
        page->registerIn(&m_pages, slot);
    }
    page->v_show(SW_SHOW);
    page->v_init();
}

bool CGDIpMultiPageCtrl::isSideIndex(int index) const
{
    return index == m_leftIdx || index == m_rightIdx || index == m_bottomIdx;
}

bool CGDIpMultiPageCtrl::isCenterTopPage(int index) const
{
    return !isSideIndex(index);
}

IMultiPageContent* CGDIpMultiPageCtrl::getPage(int index) const
{
    return index >= 0 && index < int(m_pages.size()) ? m_pages[index] : nullptr;
}

IMultiPageContent* CGDIpMultiPageCtrl::getActivePage() const
{
    return getPage(m_activeIdx);
}

int CGDIpMultiPageCtrl::getCenterTopePageButtonCount() const
{
    int count = 0;
    for (int i = 0; i < int(m_buttons.size()); ++i)
        count += isCenterTopPage(i) ? 1 : 0;
    return count;
}

int CGDIpMultiPageCtrl::getCenterTopePageFirstButtonIdx() const
{
    for (int i = 0; i < int(m_buttons.size()); ++i) {
        if (isCenterTopPage(i))
            return i;
    }
    return -1;
}

int CGDIpMultiPageCtrl::getCenterTopePageVisibleButtonCount() const
{
    int count = 0;
    for (int i = 0; i < int(m_buttons.size()); ++i)
        count += isCenterTopPage(i) && !m_buttons[i]->m_hidden ? 1 : 0;
    return count;
}

void CGDIpMultiPageCtrl::changeTitle(int index, CString text)
{
    if (index >= 0 && index < int(m_pages.size()))
        m_buttons[index]->setWindowText(text);
}

// The centre-top index of `button` whose page may be shown: a page with a
// window, another than the one shown (unless it is the only tab).
int CGDIpMultiPageCtrl::acceptedIndex(const IMultiPageButton* button) const
{
    const bool onlyTab = getCenterTopePageVisibleButtonCount() == 1;
    IMultiPageContent* active = getActivePage();
    for (int i = 0; i < int(m_buttons.size()); ++i) {
        if (!isCenterTopPage(i) || m_buttons[i] != button || !windowOf(m_pages[i]))
            continue;
        if (m_pages[i] != active || onlyTab)
            return i;
    }
    return -1;
}

void CGDIpMultiPageCtrl::activatePage(const IMultiPageButton* button)
{
    const int i = button ? acceptedIndex(button) : -1;
    if (i < 0)
        return;
    IMultiPageButton* oldButton = m_activeIdx >= 0 ? m_buttons[m_activeIdx] : nullptr;
    IMultiPageContent* oldPage = getActivePage();
    if (oldButton)
        oldButton->selected(false);
    m_buttons[i]->selected(true);
    m_buttons[i]->setFocus();
    m_activeIdx = i;
    switchPages(oldPage, m_pages[i]);
    m_buttons[i]->invalidate(1);
    if (oldButton && oldButton != m_buttons[i])
        oldButton->invalidate(1);
    if (oldPage && oldPage != m_pages[i])
        oldPage->v_deactivate();
    m_pages[i]->v_activate();
}

// One batch: a hide and a show of the same window in one batch ends
// hidden, so the page shown again is only shown.
void CGDIpMultiPageCtrl::switchPages(IMultiPageContent* oldPage, IMultiPageContent* newPage)
{
    std::vector<Placement> batch;
    HWND oldWnd = oldPage != newPage ? windowOf(oldPage) : nullptr;
    if (oldWnd)
        batch.push_back({oldWnd, CRect(), swapHide});
    batch.push_back({windowOf(newPage), CRect(), swapShow});
    applyBatch(batch);
    ITransparentCtrl::releaseHiddenPictures(oldWnd);
}

void CGDIpMultiPageCtrl::activatePage(int index)
{
    if (index >= 0 && index < int(m_buttons.size()))
        activatePage(m_buttons[index]);
}

void CGDIpMultiPageCtrl::checkMsg(MSG* pMsg)
{
    if (pMsg && pMsg->message == WM_KEYDOWN && pMsg->wParam >= VK_F1 && pMsg->wParam <= VK_F8)
        activatePage(int(pMsg->wParam - VK_F1));
}

BOOL CGDIpMultiPageCtrl::PreTranslateMessage(MSG* pMsg)
{
    for (IMultiPageButton* button : m_buttons) {
        if (pMsg->hwnd && pMsg->hwnd == windowOf(button)) {
            checkMsg(pMsg);
            break;
        }
    }
    return CCompCtrl::PreTranslateMessage(pMsg);
}

int CGDIpMultiPageCtrl::setNextPrevCenterTopActivePageIdx(bool forward)
{
    const int count = int(m_buttons.size());
    int index = m_activeIdx;
    // At most one round: without another centre-top page the walk ends.
    for (int step = 0; step < count; ++step) {
        index = forward ? (index + 1 >= count ? 0 : index + 1) : (index - 1 < 0 ? count - 1 : index - 1);
        if (isCenterTopPage(index))
            return index;
    }
    return m_activeIdx;
}

void CGDIpMultiPageCtrl::nextPage(bool forward)
{
    activatePage(setNextPrevCenterTopActivePageIdx(forward));
}

// The fraction of a side panel, its saved value and its hidden value; null
// for a page that is no side panel.
double* CGDIpMultiPageCtrl::panelFraction(IMultiPageContent* panel, double*& saved, double& hidden)
{
    if (panel && panel == getLeftPage()) {
        saved = &m_savedLeftWidth;
        hidden = 0;
        return &m_leftWidth;
    }
    if (panel && panel == getRightPage()) {
        saved = &m_savedRightBoundary;
        hidden = 1.0;
        return &m_rightBoundary;
    }
    if (panel && panel == getCenterBottomPage()) {
        saved = &m_savedBottomHeight;
        hidden = 0;
        return &m_bottomHeight;
    }
    return nullptr;
}

void CGDIpMultiPageCtrl::showRLCPage(int nCmdShow, IMultiPageContent* panel)
{
    double* saved = nullptr;
    double hidden = 0;
    double* fraction = panelFraction(panel, saved, hidden);
    if (fraction && (nCmdShow == SW_SHOW || nCmdShow == SW_HIDE)) {
        const double wanted = nCmdShow == SW_SHOW ? *saved : hidden;
        if (wanted == *fraction)
            return;
        *fraction = wanted;
    }
    recalcLayout();
}

void CGDIpMultiPageCtrl::OnSize(UINT, int, int)
{
    Default();
    recalcLayout();
}

BOOL CGDIpMultiPageCtrl::OnEraseBkgnd(CDC* pDC)
{
    if (!m_transparent) {
        composeOpaque(this, pDC, [this](CDC& mem) { IGDIpGradientRectPack::v_draw(mem); });
        return TRUE;
    }
    beginTransparentPaint(pDC);
    IGDIpGradientRectPack::v_draw(m_memDC);
    handBackgroundToChildren(this, m_memDC);
    endTransparentPaint(pDC);
    return TRUE;
}
