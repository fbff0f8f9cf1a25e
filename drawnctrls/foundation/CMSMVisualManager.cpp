#include "CMSMVisualManager.h"

IMPLEMENT_DYNCREATE(CMSMVisualManager, CMFCVisualManagerOffice2003)

namespace {

const int imageCount = 12;

// The first of the three images (normal, highlighted, pressed) of a command.
int imageGroup(UINT sysCommand)
{
    switch (sysCommand) {
    case SC_MINIMIZE:
        return 0;
    case SC_MAXIMIZE:
        return 3;
    case SC_RESTORE:
        return 6;
    case SC_CLOSE:
        return 9;
    default:
        return -1;
    }
}

UINT colorDepth(int bitsPerPixel)
{
    switch (bitsPerPixel) {
    case 4:
        return ILC_COLOR4;
    case 8:
        return ILC_COLOR8;
    case 16:
        return ILC_COLOR16;
    case 24:
        return ILC_COLOR24;
    case 32:
        return ILC_COLOR32;
    default:
        return ILC_COLOR;
    }
}

} // namespace

CMSMVisualManager::CMSMVisualManager()
{
    GetGlobalData()->clrBtnShadow = RGB(0x80, 0x80, 0x80);
    m_clrBarGradientDark = m_clrBarGradientLight = m_clrBar;
    m_clrToolBarGradientDark = m_clrToolBarGradientLight = m_clrBar;
    m_clrToolBarGradientVertDark = m_clrToolBarGradientVertLight = m_clrBar;
    m_brBarBkgnd.DeleteObject();
    m_brBarBkgnd.CreateSolidBrush(m_clrBar);
    m_brBar.CreateSolidBrush(m_clrBar);
    m_penLine.CreatePen(PS_SOLID, 1, RGB(0x80, 0x80, 0x80));
}

CMSMVisualManager::~CMSMVisualManager() = default;

BOOL CMSMVisualManager::LoadMSMCaptionButtonsIcons(UINT bitmapId)
{
    return LoadMSMCaptionButtonsIcons(MAKEINTRESOURCEW(bitmapId));
}

BOOL CMSMVisualManager::LoadMSMCaptionButtonsIcons(const wchar_t* name)
{
    HINSTANCE module = AfxFindResourceHandle(name, RT_BITMAP);
    HBITMAP bitmap = HBITMAP(::LoadImageW(module, name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    const BOOL loaded = bitmap && loadCaptionButtons(bitmap);
    if (bitmap)
        ::DeleteObject(bitmap);
    return loaded;
}

BOOL CMSMVisualManager::loadCaptionButtons(HBITMAP bitmap)
{
    BITMAP info{};
    ::GetObjectW(bitmap, sizeof(info), &info);
    const int width = info.bmWidth / imageCount;
    if (width <= 0 || info.bmHeight <= 0)
        return FALSE;
    CImageList images;
    if (!images.Create(width, info.bmHeight, colorDepth(info.bmBitsPixel) | ILC_MASK, imageCount, 0))
        return FALSE;
    CBitmap strip;
    strip.Attach(bitmap);
    const int added = images.Add(&strip, RGB(0xFF, 0, 0xFF));
    strip.Detach();
    if (added < 0)
        return FALSE;
    m_captionButtons.DeleteImageList();
    m_captionButtons.Attach(images.Detach());
    m_captionButtonSize = CSize(width, info.bmHeight);
    return TRUE;
}

int CMSMVisualManager::GetMSMCaptionButtonsImageCount() const
{
    return m_captionButtons.GetSafeHandle() ? m_captionButtons.GetImageCount() : 0;
}

void CMSMVisualManager::MSMDrawCaptionButton(CDC* pDC, CRect rect, AFX_BUTTON_STATE state, UINT sysCommand)
{
    const int group = imageGroup(sysCommand);
    if (group >= 0 && GetMSMCaptionButtonsImageCount() > imageCount - 1) {
        const int offset = state == ButtonsIsPressed ? 2 : state == ButtonsIsHighlighted ? 1 : 0;
        const CPoint at(rect.left + (rect.Width() - m_captionButtonSize.cx) / 2,
                        rect.top + (rect.Height() - m_captionButtonSize.cy) / 2);
        m_captionButtons.Draw(pDC, group + offset, at, ILD_TRANSPARENT);
        return;
    }
    if (group >= 0) {
        OnDrawCaptionButton(pDC, rect, state, sysCommand);
        return;
    }
    UINT kind = sysCommand == SC_CONTEXTHELP ? DFCS_CAPTIONHELP : DFCS_CAPTIONCLOSE;
    pDC->DrawFrameControl(&rect, DFC_CAPTION, kind | (state == ButtonsIsPressed ? DFCS_PUSHED : 0));
}

void CMSMVisualManager::frameRect(CDC* pDC, const CRect& rect, COLORREF color)
{
    pDC->Draw3dRect(&rect, color, color);
}

void CMSMVisualManager::OnFillBarBackground(CDC* pDC, CBasePane*, CRect rectClient, CRect, BOOL)
{
    pDC->FillRect(&rectClient, &m_brBar);
}

void CMSMVisualManager::OnFillButtonInterior(CDC* pDC, CMFCButton* pButton, CRect rect,
                                             AFX_BUTTON_STATE state)
{
    if (state == ButtonsIsRegular)
        pDC->FillRect(&rect, &m_brBar);
    else
        CMFCVisualManagerOffice2003::OnFillButtonInterior(pDC, pButton, rect, state);
}

void CMSMVisualManager::OnFillOutlookPageButton(CDC* pDC, const CRect& rect, BOOL bIsHighlighted,
                                                BOOL bIsPressed, COLORREF& clrText)
{
    pDC->FillSolidRect(&rect, bIsPressed ? m_clrHighlightDn : bIsHighlighted ? m_clrHighlight : m_clrBar);
    clrText = m_clrButtonText;
}

void CMSMVisualManager::OnDrawTask(CDC* pDC, CRect rect, BOOL bIsHighlighted, BOOL bIsSelected)
{
    if (bIsHighlighted || bIsSelected)
        frameRect(pDC, rect, m_clrMenuFocusLine);
}

COLORREF CMSMVisualManager::GetToolbarButtonTextColor(CMFCButton*, AFX_BUTTON_STATE)
{
    return m_clrButtonText;
}

void CMSMVisualManager::OnFillHighlightedArea(CDC* pDC, CRect rect, CBrush*, CMFCButton*)
{
    pDC->FillSolidRect(&rect, m_clrHighlight);
}

void CMSMVisualManager::OnDrawCaptionBarBorder(CDC* pDC, CBasePane*, CRect rect, COLORREF, BOOL)
{
    frameRect(pDC, rect, m_clrBar);
}

void CMSMVisualManager::OnDrawMenuBorder(CDC* pDC, CRect rect)
{
    frameRect(pDC, rect, m_clrMenuFocusLine);
}

void CMSMVisualManager::OnDrawButtonBorder(CDC* pDC, CMFCButton*, CRect rect, AFX_BUTTON_STATE state)
{
    if (state != ButtonsIsRegular)
        frameRect(pDC, rect, m_clrMenuFocusLine);
}

void CMSMVisualManager::OnHighlightMenuItem(CDC* pDC, CRect rect, COLORREF& clrText)
{
    pDC->FillRect(&rect, &m_brBar);
    frameRect(pDC, rect, m_clrSecondLine);
    clrText = m_clrButtonText;
}

void CMSMVisualManager::OnDrawSeparator(CDC* pDC, CBasePane*, CRect rect, BOOL bIsHoriz)
{
    CPen* old = pDC->SelectObject(&m_penLine);
    if (bIsHoriz) {
        pDC->MoveTo(rect.CenterPoint().x, rect.top);
        pDC->LineTo(rect.CenterPoint().x, rect.bottom);
    } else {
        pDC->MoveTo(rect.left, rect.CenterPoint().y);
        pDC->LineTo(rect.right, rect.CenterPoint().y);
    }
    pDC->SelectObject(old);
}

void CMSMVisualManager::OnDrawComboBorder(CDC* pDC, CRect rect, BOOL, BOOL bIsDropped, BOOL bIsHighlighted)
{
    frameRect(pDC, rect, bIsDropped || bIsHighlighted ? m_clrSecondLine : m_clrMenuFocusLine);
}

void CMSMVisualManager::OnDrawComboDropButton(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bIsDropped,
                                              BOOL bIsHighlighted)
{
    pDC->FillSolidRect(&rect, bIsDropped ? m_clrHighlightDn : bIsHighlighted ? m_clrHighlight : m_clrBar);
    CMenuImages::Draw(pDC, CMenuImages::IdArrowDown, rect,
                      bDisabled ? CMenuImages::ImageGray : CMenuImages::ImageWhite);
}

void CMSMVisualManager::OnFillTasksPaneBackground(CDC* pDC, CRect rect)
{
    pDC->FillRect(&rect, &m_brBar);
}
