// The view's page set: the host, the twelve pages with their tab buttons,
// the bottom and the left panel.

#include "COrvoView.h"

#include "CAdvancedSettingsMPDlg.h"
#include "CAutoCalibrationMPDlg.h"
#include "CBaseSettingsMPDlg.h"
#include "CBottomMPDlg.h"
#include "CChart3DMPDlg.h"
#include "CCorRpmMPDlg.h"
#include "CDiagnosticOscMPDlg.h"
#include "CGasInjectionMapMPDlg.h"
#include "CInfoMPDlg.h"
#include "CLeftToolBarMPDlg.h"
#include "CLockDlgMPD.h"
#include "COBDMPDlg.h"
#include "COrvoMenuButton.h"
#include "CSplashDlg.h"
#include "CPetrolChangeSettingsMPD.h"
#include "CSensorsMPDlg.h"
#include "ShellIds.h"

namespace {
const Gdiplus::ARGB kHostGrey = 0xFFC8C8C8;
const UINT kRightAlignedTab = 0x8026;
} // namespace

void COrvoView::createHost()
{
    g_pPageCtrl = &m_pageCtrl;
    m_pageCtrl.Create(CRect(0, 0, 0, 0), this, static_cast<UINT>(-1));
    m_pageCtrl.m_fillBackground = true;
    m_pageCtrl.m_drawGradient = true;
    m_pageCtrl.m_gradientStart = kHostGrey;
    m_pageCtrl.m_gradientEnd = kHostGrey;
    m_pageCtrl.m_tabFont = &m_smallFont;
    m_pageCtrl.m_transparent = false;
    m_pageCtrl.m_arrangement = 1;
    m_pageCtrl.m_noTabs = true;
}

// Created hidden: the host shows only the page it activates. The page
// window's id is its template's, so that it can be found from outside.
template <class Page> Page* COrvoView::makePage(UINT templateId)
{
    Page* page = new Page(nullptr);
    page->m_font = &m_largeFont;
    page->m_fillBackground = false;
    page->m_transparent = true;
    page->Create(templateId, &m_pageCtrl);
    ::SetWindowLongPtrW(page->GetSafeHwnd(), GWLP_ID, templateId);
    if (g_pSplash)
        g_pSplash->serve();
    return page;
}

void COrvoView::insertPage(const wchar_t* caption, COrvoMenuButton* button, IMultiPageContent* page)
{
    m_pageCtrl.insertPage(caption, button, page);
}

void COrvoView::createPages()
{
    m_firstButton = new COrvoMenuButton;
    auto next = [this] { return new COrvoMenuButton(*m_firstButton); };
    insertPage(L"Base Settings", m_firstButton, makePage<CBaseSettingsMPDlg>(IDD_BASE_SETTINGS));
    COrvoMenuButton* petrolChange = next();
    petrolChange->m_textFormat = kRightAlignedTab;
    insertPage(L"Petrol Change Settings", petrolChange,
               makePage<CPetrolChangeSettingsMPD>(IDD_PETROL_CHANGE));
    insertPage(L"Additional Settings", next(), makePage<CAdvancedSettingsMPDlg>(IDD_ADVANCED_SETTINGS));
    insertPage(L"Auto Calibration", next(), makePage<CAutoCalibrationMPDlg>(IDD_AUTO_CALIBRATION));
    insertPage(L"Auto Mapping", next(), makePage<CGasInjectionMapMPDlg>(IDD_GAS_INJECTION_MAP));
    insertPage(L"RPM Map", next(), makePage<CCorRpmMPDlg>(IDD_COR_RPM));
    insertPage(L"RPM Map 3D", next(), makePage<CChart3DMPDlg>(IDD_CHART_3D));
    insertPage(L"Oscilloscope", next(), makePage<CDiagnosticOscMPDlg>(IDD_DIAGNOSTIC_OSC));
    insertPage(L"Petrol OBD", next(), makePage<COBDMPDlg>(IDD_OBD_PAGE));
    // The information page's tab shows no caption: the host lays out no tabs.
    insertPage(L"Petrol OBD", next(), makePage<CInfoMPDlg>(IDD_INFO));
    insertPage(L"Sensors", next(), makePage<CSensorsMPDlg>(IDD_SENSORS));
    insertPage(L"Credit And Inspection", next(), makePage<CLockDlgMPD>(IDD_LOCK));
}

void COrvoView::createPanels()
{
    m_pageCtrl.m_bottomHeight = 0.15;
    m_pageCtrl.m_savedBottomHeight = 0.15;
    m_pBottomPage = makePage<CBottomMPDlg>(IDD_BOTTOM);
    m_pageCtrl.insertCenterBottomPage(L"Bottom", m_pBottomPage);
    m_pageCtrl.m_leftWidth = 0.2;
    m_pageCtrl.m_savedLeftWidth = 0.2;
    m_pageCtrl.m_leftBottomCut = 0.15;
    m_pageCtrl.insertLeftPage(L"Left", makePage<CLeftToolBarMPDlg>(IDD_LEFT_TOOLBAR));
}
