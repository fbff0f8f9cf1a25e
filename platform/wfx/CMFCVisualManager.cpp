#include "CMFCVisualManager.h"

#include "AfxGlobalData.h"
#include "CDC.h"
#include "CMenuImages.h"

IMPLEMENT_DYNCREATE(CMFCVisualManager, CObject)

namespace {

// Never deleted at exit: a manager's class may live in a module that is
// already gone by then.
CMFCVisualManager* g_instance = nullptr;

BOOL CALLBACK redrawWindow(HWND hWnd, LPARAM)
{
    ::RedrawWindow(hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    return TRUE;
}

COLORREF faceOf(CMFCVisualManager::AFX_BUTTON_STATE state)
{
    AFX_GLOBAL_DATA* colors = GetGlobalData();
    switch (state) {
    case CMFCVisualManager::ButtonsIsPressed:
        return colors->clrBtnShadow;
    case CMFCVisualManager::ButtonsIsHighlighted:
        return colors->clrBtnLight;
    default:
        return colors->clrBtnFace;
    }
}

void frame(CDC* pDC, const CRect& rect, COLORREF topLeft, COLORREF bottomRight)
{
    pDC->Draw3dRect(&rect, topLeft, bottomRight);
}

} // namespace

CMFCVisualManager::CMFCVisualManager() = default;

CMFCVisualManager::~CMFCVisualManager()
{
    if (g_instance == this)
        g_instance = nullptr;
}

void CMFCVisualManager::SetDefaultManager(CRuntimeClass* pRTI)
{
    CObject* object = pRTI ? pRTI->CreateObject() : new CMFCVisualManager;
    CMFCVisualManager* manager = DYNAMIC_DOWNCAST(CMFCVisualManager, object);
    if (!manager) {
        delete object;
        return;
    }
    delete g_instance;
    g_instance = manager;
    manager->OnUpdateSystemColors();
    RedrawAll();
}

CMFCVisualManager* CMFCVisualManager::GetInstance()
{
    if (!g_instance)
        g_instance = new CMFCVisualManager;
    return g_instance;
}

void CMFCVisualManager::RedrawAll()
{
    ::EnumThreadWindows(::GetCurrentThreadId(), redrawWindow, 0);
}

void CMFCVisualManager::OnUpdateSystemColors()
{
    GetGlobalData()->UpdateSysColors();
}

void CMFCVisualManager::OnFillBarBackground(CDC* pDC, CBasePane*, CRect, CRect rectClip, BOOL)
{
    pDC->FillSolidRect(&rectClip, GetGlobalData()->clrBarFace);
}

void CMFCVisualManager::OnDrawSeparator(CDC* pDC, CBasePane*, CRect rect, BOOL bIsHoriz)
{
    CPoint middle = rect.CenterPoint();
    CRect line = bIsHoriz ? CRect(middle.x, rect.top, middle.x + 2, rect.bottom)
                          : CRect(rect.left, middle.y, rect.right, middle.y + 2);
    frame(pDC, line, GetGlobalData()->clrBarShadow, GetGlobalData()->clrBarHilite);
}

void CMFCVisualManager::OnDrawCaptionBarBorder(CDC* pDC, CBasePane*, CRect rect, COLORREF clrBarBorder,
                                               BOOL bFlatBorder)
{
    COLORREF color = clrBarBorder == COLORREF(-1) ? GetGlobalData()->clrBarShadow : clrBarBorder;
    if (bFlatBorder)
        frame(pDC, rect, color, color);
    else
        frame(pDC, rect, GetGlobalData()->clrBarHilite, color);
}

void CMFCVisualManager::OnFillButtonInterior(CDC* pDC, CMFCButton*, CRect rect, AFX_BUTTON_STATE state)
{
    pDC->FillSolidRect(&rect, faceOf(state));
}

void CMFCVisualManager::OnDrawButtonBorder(CDC* pDC, CMFCButton*, CRect rect, AFX_BUTTON_STATE state)
{
    AFX_GLOBAL_DATA* colors = GetGlobalData();
    if (state == ButtonsIsPressed)
        frame(pDC, rect, colors->clrBtnDkShadow, colors->clrBtnHilite);
    else
        frame(pDC, rect, colors->clrBtnHilite, colors->clrBtnDkShadow);
}

COLORREF CMFCVisualManager::GetToolbarButtonTextColor(CMFCButton*, AFX_BUTTON_STATE)
{
    return GetGlobalData()->clrBarText;
}

void CMFCVisualManager::OnFillHighlightedArea(CDC* pDC, CRect rect, CBrush* pBrush, CMFCButton*)
{
    if (pBrush)
        pDC->FillRect(&rect, pBrush);
    else
        pDC->FillSolidRect(&rect, GetGlobalData()->clrHilite);
}

void CMFCVisualManager::OnDrawCaptionButton(CDC* pDC, CRect rect, AFX_BUTTON_STATE state, UINT nSysCommand)
{
    pDC->FillSolidRect(&rect, faceOf(state));
    switch (nSysCommand) {
    case SC_MINIMIZE:
        return CMenuImages::Draw(pDC, CMenuImages::IdMinimize, rect);
    case SC_MAXIMIZE:
        return CMenuImages::Draw(pDC, CMenuImages::IdMaximize, rect);
    case SC_RESTORE:
        return CMenuImages::Draw(pDC, CMenuImages::IdRestore, rect);
    case SC_CLOSE:
        return CMenuImages::Draw(pDC, CMenuImages::IdClose, rect);
    default:
        return;
    }
}

void CMFCVisualManager::OnHighlightMenuItem(CDC* pDC, CRect rect, COLORREF& clrText)
{
    pDC->FillSolidRect(&rect, GetGlobalData()->clrHilite);
    clrText = GetGlobalData()->clrTextHilite;
}

void CMFCVisualManager::OnDrawMenuBorder(CDC* pDC, CRect rect)
{
    frame(pDC, rect, GetGlobalData()->clrBarHilite, GetGlobalData()->clrBarDkShadow);
}

void CMFCVisualManager::OnDrawMenuCheck(CDC* pDC, CRect rect, BOOL bHighlight, BOOL bIsRadio)
{
    if (m_bMenuCheckFrame)
        frame(pDC, rect, GetGlobalData()->clrBarShadow, GetGlobalData()->clrBarShadow);
    CMenuImages::Draw(pDC, bIsRadio ? CMenuImages::IdRadio : CMenuImages::IdCheck, rect,
                      bHighlight ? CMenuImages::ImageWhite : CMenuImages::ImageBlack);
}

void CMFCVisualManager::OnDrawComboBorder(CDC* pDC, CRect rect, BOOL, BOOL, BOOL bIsHighlighted)
{
    AFX_GLOBAL_DATA* colors = GetGlobalData();
    COLORREF color = bIsHighlighted ? colors->clrHilite : colors->clrBtnShadow;
    frame(pDC, rect, color, color);
}

void CMFCVisualManager::OnDrawComboDropButton(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bIsDropped,
                                              BOOL bIsHighlighted)
{
    AFX_BUTTON_STATE state =
        bIsDropped ? ButtonsIsPressed : (bIsHighlighted ? ButtonsIsHighlighted : ButtonsIsRegular);
    pDC->FillSolidRect(&rect, faceOf(state));
    CMenuImages::Draw(pDC, CMenuImages::IdArrowDown, rect,
                      bDisabled ? CMenuImages::ImageGray : CMenuImages::ImageBlack);
}

void CMFCVisualManager::OnFillOutlookPageButton(CDC* pDC, const CRect& rect, BOOL bIsHighlighted,
                                                BOOL bIsPressed, COLORREF& clrText)
{
    AFX_BUTTON_STATE state =
        bIsPressed ? ButtonsIsPressed : (bIsHighlighted ? ButtonsIsHighlighted : ButtonsIsRegular);
    pDC->FillSolidRect(&rect, faceOf(state));
    clrText = GetGlobalData()->clrBtnText;
}

void CMFCVisualManager::OnDrawTask(CDC* pDC, CRect rect, BOOL bIsHighlighted, BOOL bIsSelected)
{
    if (bIsHighlighted || bIsSelected)
        frame(pDC, rect, GetGlobalData()->clrHilite, GetGlobalData()->clrHilite);
}

void CMFCVisualManager::OnFillTasksPaneBackground(CDC* pDC, CRect rect)
{
    pDC->FillSolidRect(&rect, GetGlobalData()->clrWindow);
}

void CMFCVisualManager::OnFillTasksGroupInterior(CDC* pDC, CRect rect, BOOL)
{
    pDC->FillSolidRect(&rect, GetGlobalData()->clrBarFace);
}

void CMFCVisualManager::OnDrawTasksGroupAreaBorder(CDC* pDC, CRect rect, BOOL, BOOL)
{
    frame(pDC, rect, GetGlobalData()->clrBarShadow, GetGlobalData()->clrBarShadow);
}
