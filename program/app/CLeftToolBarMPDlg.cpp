#include "CLeftToolBarMPDlg.h"

#include "COrvoDoc.h"
#include "CTreeItemData.h"
#include "SkinFile.h"
#include "ShellIds.h"
#include "translate.h"

#include "COrvoView.h"

namespace {

const UINT kTrimIds[4] = {IDC_TRIM_LONG_BANK1, IDC_TRIM_LONG_BANK2, IDC_TRIM_SHORT_BANK1,
                          IDC_TRIM_SHORT_BANK2};
const wchar_t* const kTrimCaptions[4] = {L"Bank 1", L"Bank 2", L"Bank 1", L"Bank 2"};
// The OBD entry of each display: PIDs 0x07, 0x09, 0x06, 0x08.
const unsigned kTrimPids[4] = {1, 3, 0, 2};
const UINT kHeadingIds[2] = {IDC_HEADING_LONG, IDC_HEADING_SHORT};
const wchar_t* const kHeadingCaptions[2] = {L"Long Term Corrections", L"Short Term corrections"};

CLPGDevice& device()
{
    return g_pDocument->m_device;
}

bool hasObdItem()
{
    return !device().m_connected || (device().m_settings.m_devInfo.m_flags1 & 1) != 0;
}

} // namespace

IMPLEMENT_DYNAMIC(CLeftToolBarMPDlg, CGDIpMultiPageDialog)

BEGIN_MESSAGE_MAP(CLeftToolBarMPDlg, CGDIpMultiPageDialog)
ON_NOTIFY(TVN_SELCHANGEDW, IDC_PAGE_TREE, &CLeftToolBarMPDlg::OnTvnSelchanged)
ON_NOTIFY(TVN_DELETEITEMW, IDC_PAGE_TREE, &CLeftToolBarMPDlg::OnTvnDeleteitem)
ON_NOTIFY(TVN_ITEMCHANGEDW, IDC_PAGE_TREE, &CLeftToolBarMPDlg::OnTreeAnswerZero)
ON_NOTIFY(NM_CLICK, IDC_PAGE_TREE, &CLeftToolBarMPDlg::OnTreeAnswerZero)
ON_WM_SIZE()
END_MESSAGE_MAP()

CLeftToolBarMPDlg::CLeftToolBarMPDlg(CWnd* pParent) : CGDIpMultiPageDialog(IDD_LEFT_TOOLBAR, pParent)
{
    m_columnFont.attach({&m_headings[0], &m_headings[1]});
}

CLeftToolBarMPDlg::~CLeftToolBarMPDlg() = default;

void CLeftToolBarMPDlg::DoDataExchange(CDataExchange* pDX)
{
    CGDIpMultiPageDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PAGE_TREE, m_tree);
    for (int i = 0; i < 4; ++i)
        DDX_Control(pDX, kTrimIds[i], m_trims[i]);
    for (int i = 0; i < 2; ++i)
        DDX_Control(pDX, kHeadingIds[i], m_headings[i]);
    DDX_Control(pDX, IDC_LOGO_BUTTON, m_logoButton);
}

BOOL CLeftToolBarMPDlg::OnInitDialog()
{
    CGDIpMultiPageDialog::OnInitDialog();
    const bool withObd = hasObdItem();
    fillTree(withObd);
    if (!withObd)
        hideTrimArea();
    if (g_pPageCtrl)
        g_pPageCtrl->activatePage(m_pageIdx);
    m_treeReady = 1;
    for (COrvoDescribedDisplay& trim : m_trims)
        trim.m_display.SetWindowTextW(L"0%");
    if (withObd)
        showTrims();
    loadLogo();
    fitColumnFont();
    return TRUE;
}

void CLeftToolBarMPDlg::OnSize(UINT nType, int cx, int cy)
{
    CGDIpMultiPageDialog::OnSize(nType, cx, cy);
    fitColumnFont();
}

// The column's width is the host's share of the window: the font gives way.
void CLeftToolBarMPDlg::fitColumnFont()
{
    if (!m_tree.GetSafeHwnd())
        return;
    m_columnFont.fit(m_font, this, [this] {
        m_tree.SetFont(&m_columnFont.m_font);
        return treeFits();
    });
}

// Every item of the unfolded tree shows whole, without scrolling.
bool CLeftToolBarMPDlg::treeFits() const
{
    CRect client;
    m_tree.GetClientRect(&client);
    for (HTREEITEM item = m_tree.GetRootItem(); item; item = m_tree.GetNextItem(item, TVGN_NEXTVISIBLE)) {
        CRect r;
        if (m_tree.GetItemRect(item, &r, TRUE) && (r.right > client.right || r.bottom > client.bottom))
            return false;
    }
    return true;
}

HTREEITEM CLeftToolBarMPDlg::addItem(const wchar_t* text, int pageIdx, HTREEITEM parent)
{
    HTREEITEM item = m_tree.InsertItem(translate(text).c_str(), 0, 0, parent, TVI_LAST);
    m_tree.SetItemState(item, TVIS_BOLD, TVIS_BOLD);
    auto* page = g_pPageCtrl ? dynamic_cast<CGDIpMultiPageDialog*>(g_pPageCtrl->getPage(pageIdx)) : nullptr;
    m_tree.SetItemData(item, reinterpret_cast<DWORD_PTR>(new CTreeItemData(page, pageIdx, text)));
    return item;
}

void CLeftToolBarMPDlg::fillTree(bool withObd)
{
    HTREEITEM base = addItem(L"Base Settings", 0);
    addItem(L"Petrol Change Settings", 1, base);
    addItem(L"Sensors And Add. Settings", 10, base);
    addItem(L"Additional Settings", 2);
    HTREEITEM calibration = addItem(L"Auto Calibration", 3);
    addItem(L"Auto Mapping", 4, calibration);
    addItem(L"RPM Map 2D", 5);
    addItem(L"Oscilloscope", 7);
    if (withObd)
        addItem(L"Petrol OBD", 8);
    addItem(L"ECU Info", 9);
    addItem(L"Credit And Inspection", 11);
    m_tree.Expand(base, TVE_EXPAND);
    m_tree.Expand(calibration, TVE_EXPAND);
}

// Without the OBD page the tree takes the whole column.
void CLeftToolBarMPDlg::hideTrimArea()
{
    for (COrvoDescribedDisplay& trim : m_trims)
        trim.ShowWindow(SW_HIDE);
    for (COrangeStatic& heading : m_headings)
        heading.ShowWindow(SW_HIDE);
    CRect tree, last;
    m_tree.GetWindowRect(&tree);
    m_trims[3].GetWindowRect(&last);
    ScreenToClient(&tree);
    ScreenToClient(&last);
    tree.bottom = last.bottom;
    m_tree.MoveWindow(&tree);
    init(); // the stretched tree is what the page scales from now on
}

// Bank 2 only for more than four cylinders.
void CLeftToolBarMPDlg::showTrims()
{
    const int show = device().m_settings.m_devInfo.m_injCount == 4 ? SW_HIDE : SW_SHOW;
    m_trims[1].ShowWindow(show);
    m_trims[3].ShowWindow(show);
}

void CLeftToolBarMPDlg::loadLogo()
{
    if (!m_logo.Load(skinFile(L"Logo left.tif").c_str()))
        return;
    m_logoButton.m_images.assign(1, &m_logo);
    m_logoButton.setImage(0);
}

void CLeftToolBarMPDlg::OnTvnSelchanged(NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
    if (!m_treeReady)
        return;
    HTREEITEM item = m_tree.GetSelectedItem();
    if (!item || !(m_tree.GetItemState(item, TVIS_SELECTED) & TVIS_SELECTED))
        return;
    auto* data = reinterpret_cast<CTreeItemData*>(m_tree.GetItemData(item));
    if (!data || data->m_pageIdx < 0 || data->m_pageIdx == m_pageIdx || !g_pPageCtrl)
        return;
    g_pPageCtrl->activatePage(data->m_pageIdx);
    m_pageIdx = data->m_pageIdx;
}

void CLeftToolBarMPDlg::OnTvnDeleteitem(NMHDR* pNMHDR, LRESULT* pResult)
{
    auto* info = reinterpret_cast<NMTREEVIEWW*>(pNMHDR);
    delete reinterpret_cast<CTreeItemData*>(info->itemOld.lParam);
    *pResult = 0;
}

void CLeftToolBarMPDlg::OnTreeAnswerZero(NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
}

void CLeftToolBarMPDlg::v_onTimer()
{
    CLPGDevice& dev = device();
    if (!dev.m_connected)
        return;
    for (int i = 0; i < 4; ++i) {
        std::wstring text;
        if (dev.m_obdLinkActive)
            text = dev.getValueText(kTrimPids[i]) + L" %";
        m_trims[i].m_display.SetWindowTextW(text.c_str());
    }
}

void CLeftToolBarMPDlg::translateItems(HTREEITEM first)
{
    for (HTREEITEM item = first; item; item = m_tree.GetNextSiblingItem(item)) {
        if (auto* data = reinterpret_cast<CTreeItemData*>(m_tree.GetItemData(item)))
            m_tree.SetItemText(item, translate(data->m_text).c_str());
        translateItems(m_tree.GetChildItem(item));
    }
}

void CLeftToolBarMPDlg::v_translate()
{
    translateItems(m_tree.GetRootItem());
    for (int i = 0; i < 4; ++i)
        m_trims[i].m_description.SetWindowTextW(translate(kTrimCaptions[i]).c_str());
    for (int i = 0; i < 2; ++i)
        m_headings[i].SetWindowTextW(translate(kHeadingCaptions[i]).c_str());
    fitColumnFont();
}
