#include "CExtPropSheet.h"

#include <WfxRes.h>

CExtPropSheet::CExtPropSheet() : CExtPropSheet(CString(L"CExtPropSheet")) {}

CExtPropSheet::CExtPropSheet(CString caption) : CPropertySheet(caption, nullptr, 0) {}

// The window goes before the pages and the tab control it holds.
CExtPropSheet::~CExtPropSheet()
{
    if (m_hWnd)
        DestroyWindow();
}

void CExtPropSheet::addPage(CExtPropertyPage* page)
{
    if (!page)
        return;
    m_extPages.emplace_back(page);
    AddPage(page);
    if (GetPageIndex(page) < 0) // the shown sheet refused it
        m_extPages.pop_back();
}

void CExtPropSheet::removePage(int index)
{
    if (index < 0 || size_t(index) >= m_extPages.size())
        return;
    RemovePage(m_extPages[size_t(index)].get());
    m_tab.eraseTab(index);
    m_extPages.erase(m_extPages.begin() + index);
}

void CExtPropSheet::Enable(BYTE page, BOOL enable)
{
    if (int(page) != GetActiveIndex())
        m_tab.Enable(page, enable);
}

void CExtPropSheet::enableAllPages(bool enable)
{
    for (int i = 0; i < GetPageCount() && i < 256; ++i)
        Enable(BYTE(i), enable);
}

int CExtPropSheet::doModal()
{
    int result = int(DoModal());
    if (result == IDOK || result == ID_WIZFINISH)
        onOK();
    else if (result == IDCANCEL)
        onCancel();
    return result;
}

void CExtPropSheet::onOK()
{
    updateProps(true);
}

void CExtPropSheet::onCancel()
{
    updateProps(false);
}

void CExtPropSheet::updateProps(bool ok)
{
    for (auto& page : m_extPages)
        page->updateProps(ok);
}

void CExtPropSheet::serialize(CArchive& archive)
{
    for (auto& page : m_extPages)
        page->serialize(archive);
}

BOOL CExtPropSheet::OnInitDialog()
{
    BOOL result = CPropertySheet::OnInitDialog();
    HWND tab = reinterpret_cast<HWND>(SendMessage(PSM_GETTABCONTROL));
    if (tab)
        m_tab.SubclassDlgItem(UINT(::GetDlgCtrlID(tab)), this);
    enableAllPages(true);
    return result;
}

BOOL CExtPropSheet::PreTranslateMessage(MSG* pMsg)
{
    if (m_tab.m_hWnd && m_tab.TranslatePropSheetMsg(pMsg))
        return TRUE;
    return CPropertySheet::PreTranslateMessage(pMsg);
}
