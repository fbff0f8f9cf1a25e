#include "CImageCheckBox.h"

#include "FolderBesideProgram.h"
#include "TransparentPaint.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CImageCheckBox, CButton)

BEGIN_MESSAGE_MAP(CImageCheckBox, CButton)
ON_WM_PAINT()
ON_WM_KILLFOCUS()
ON_WM_SETFOCUS()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONDBLCLK()
ON_WM_KEYDOWN()
ON_WM_SIZE()
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

std::wstring CImageCheckBox::m_sPath;
std::wstring CImageCheckBox::m_sSkins = L"\\Skins\\";

CImageCheckBox::CImageCheckBox() : ITransparentCtrl(this)
{
    m_gradientStart = m_gradientEnd = 0x327D7D7D;
    setMarginFractions(0, 0, 0, 0);
    setCornerFractions(0);
}

CImageCheckBox::~CImageCheckBox() = default;

std::wstring CImageCheckBox::getPath()
{
    return folderBesideProgram(m_sPath, m_sSkins);
}

void CImageCheckBox::setInternalImages(CExtImage* checked, CExtImage* unchecked)
{
    m_checkedSource = checked;
    m_uncheckedSource = unchecked;
    m_imagesSet = checked && unchecked;
    if (m_hWnd) {
        layout();
        CButton::Invalidate(TRUE);
    }
}

void CImageCheckBox::SetWindowTextW(const wchar_t* text)
{
    m_caption = text ? text : L"";
    if (m_hWnd) {
        layout();
        CButton::Invalidate(TRUE);
    }
}

void CImageCheckBox::PreSubclassWindow()
{
    ModifyStyle(0, BS_CHECKBOX);
    ModifyStyleEx(0, WS_EX_TRANSPARENT);
    CButton::PreSubclassWindow();
    m_style = GetStyle();
    m_exStyle = GetExStyle();
    GetWindowText(m_caption);
    layout();
}

void CImageCheckBox::measureCaption()
{
    CClientDC dc(this);
    CFont* old = m_font ? dc.SelectObject(m_font) : nullptr;
    CSize size = dc.GetTextExtent(m_caption);
    if (old)
        dc.SelectObject(old);
    m_captionWidth = size.cx;
    m_captionHeight = size.cy;
}

// Scaled copies of both images that fit a square of the box side.
void CImageCheckBox::scaleImages()
{
    m_checkedImage = *m_checkedSource;
    m_uncheckedImage = *m_uncheckedSource;
    for (CExtImage* image : {&m_checkedImage, &m_uncheckedImage}) {
        const int longer = std::max(image->GetWidth(), image->GetHeight());
        const int k = (longer + m_imageSide - 1) / m_imageSide;
        if (image->IsLoaded() && k > 1)
            image->downSampling(k, k);
    }
}

void CImageCheckBox::placeImage(const CRect& client)
{
    const bool images = m_imagesSet && m_checkedImage.IsLoaded();
    const int w = images ? m_checkedImage.GetWidth() : m_imageSide;
    const int h = images ? m_checkedImage.GetHeight() : m_imageSide;
    if (m_caption.IsEmpty() && m_centerImage) {
        m_imageX = client.left + (client.Width() - w) / 2;
        m_imageY = client.top + (client.Height() - h) / 2;
    } else {
        m_imageX = (m_style & BS_LEFTTEXT) ? client.right - m_imageSide - 2 : client.left + 2;
        m_imageY = images ? client.top + (client.Height() - h) / 2 : client.top;
    }
    m_boxRect = CRect(m_imageX, m_imageY, m_imageX + m_imageSide, m_imageY + m_imageSide);
}

void CImageCheckBox::layout()
{
    if (!m_hWnd)
        return;
    measureCaption();
    CRect client;
    GetClientRect(&client);
    v_recalcData(client);
    m_imageSide = std::min(client.Height(), client.Width());
    if (m_imagesSet && m_imageSide > 0)
        scaleImages();
    placeImage(client);
}

UINT CImageCheckBox::captionFormat() const
{
    UINT format = DT_VCENTER;
    if (m_style & BS_RIGHT)
        format |= DT_RIGHT;
    if ((m_style & BS_CENTER) == BS_CENTER)
        format |= DT_CENTER;
    if (m_style & BS_BOTTOM)
        format |= DT_BOTTOM;
    if ((m_style & BS_VCENTER) == BS_VCENTER)
        format = (format & ~UINT(DT_BOTTOM)) | DT_VCENTER;
    return format | DT_SINGLELINE | DT_NOPREFIX;
}

void CImageCheckBox::drawBox(CDC& dc)
{
    const bool checked = GetCheck() == BST_CHECKED;
    if (m_imagesSet) {
        const CExtImage& image = checked ? m_checkedImage : m_uncheckedImage;
        if (image.IsLoaded())
            image.alphaBlend(dc.m_hDC, m_imageX, m_imageY);
        return;
    }
    CRect box = m_boxRect;
    UINT state = DFCS_BUTTONCHECK | (checked ? DFCS_CHECKED : 0) | (IsWindowEnabled() ? 0 : DFCS_INACTIVE);
    dc.DrawFrameControl(&box, DFC_BUTTON, state);
}

CRect CImageCheckBox::captionRect() const
{
    CRect client;
    GetClientRect(&client);
    const bool images = m_imagesSet && m_checkedImage.IsLoaded();
    const int imageWidth = images ? m_checkedImage.GetWidth() : m_imageSide;
    CRect text = client;
    if (m_style & BS_LEFTTEXT) {
        text.left = client.left + imageWidth + 2;
        text.right = client.right - m_imageSide - 5;
    } else {
        text.left = client.left + imageWidth + 10;
    }
    return text;
}

void CImageCheckBox::drawCaption(CDC& dc)
{
    CRect text = captionRect();
    if (m_font)
        dc.SelectObject(m_font);
    dc.SetTextColor(IsWindowEnabled() ? m_captionColor : m_disabledColor);
    dc.SetBkMode(TRANSPARENT);
    dc.DrawText(m_caption, &text, captionFormat());
}

void CImageCheckBox::drawFocus(CDC& dc, const CRect& client)
{
    if (m_noFocusFrame || (GetState() != BST_FOCUS && !m_hasFocus))
        return;
    CRect frame = client;
    if (m_caption.IsEmpty() && m_centerImage) {
        frame = m_boxRect;
        frame.InflateRect(1, 1);
    }
    dc.DrawFocusRect(&frame);
}

void CImageCheckBox::paint(CDC& dc)
{
    CRect client;
    GetClientRect(&client);
    m_enabledLook = IsWindowEnabled() != FALSE;
    paintTransparent(*this, dc, m_memDC, [this, &client](CDC& mem) {
        v_draw(mem);
        drawBox(mem);
        drawCaption(mem);
        drawFocus(mem, client);
    });
}

void CImageCheckBox::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    paint(*CDC::FromHandle(lpDrawItemStruct->hDC));
}

void CImageCheckBox::OnPaint()
{
    CPaintDC dc(this);
    paint(dc);
}

void CImageCheckBox::toggle()
{
    SetCheck(GetCheck() == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED);
}

void CImageCheckBox::notifyParent()
{
    ::PostMessageW(::GetParent(m_hWnd), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), BN_CLICKED), LPARAM(m_hWnd));
}

// The parent recomposes the background around the box and the box repaints
// over it; `now` does it before returning instead of leaving it queued.
void CImageCheckBox::repaintAround(bool now)
{
    CWnd* parent = GetParent();
    if (!parent) {
        CButton::Invalidate(TRUE);
        return;
    }
    CRect area;
    GetWindowRect(&area);
    parent->ScreenToClient(&area);
    area.InflateRect(3, 3);
    UINT flags = RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN;
    parent->RedrawWindow(&area, nullptr, now ? flags | RDW_UPDATENOW : flags);
}

// Repainting at once instead of running the whole message queue here: a
// queued message could destroy this box before the command is posted.
void CImageCheckBox::click()
{
    toggle();
    SetFocus();
    m_hasFocus = true;
    repaintAround(true);
    notifyParent();
}

void CImageCheckBox::OnLButtonDown(UINT, CPoint)
{
    click();
}

void CImageCheckBox::OnLButtonDblClk(UINT, CPoint)
{
    click();
}

void CImageCheckBox::OnKeyDown(UINT nChar, UINT, UINT)
{
    SetFocus();
    if (nChar == VK_SPACE) {
        toggle();
        notifyParent();
    }
    repaintAround(true);
}

void CImageCheckBox::OnSetFocus(CWnd*)
{
    Default();
    m_hasFocus = true;
    repaintAround(false);
}

void CImageCheckBox::OnKillFocus(CWnd*)
{
    Default();
    m_hasFocus = false;
    repaintAround(false);
}

void CImageCheckBox::OnSize(UINT, int, int)
{
    Default();
    layout();
}

BOOL CImageCheckBox::OnEraseBkgnd(CDC*)
{
    return TRUE;
}
