#include "CImageButton.h"

#include "ImageFit.h"
#include "FolderBesideProgram.h"
#include "TransparentPaint.h"

IMPLEMENT_DYNAMIC(CImageButton, CButton)

BEGIN_MESSAGE_MAP(CImageButton, CButton)
ON_WM_SIZE()
END_MESSAGE_MAP()

std::wstring CImageButton::m_sPath;
std::wstring CImageButton::m_sSkins = L"\\Skins\\";

namespace {

// Loads path into image, leaving it empty when the file can't be read.
bool loadImage(CExtImage& image, const std::wstring& path)
{
    image = CExtImage();
    return image.Load(path.c_str()) != 0;
}

} // namespace

CImageButton::CImageButton() : ITransparentCtrl(this) {}

CImageButton::~CImageButton() = default;

std::wstring CImageButton::getPath()
{
    return folderBesideProgram(m_sPath, m_sSkins);
}

bool CImageButton::loadImages(std::wstring folder, std::wstring name)
{
    m_name = name;
    const std::wstring base = getPath() + folder + L"\\" + name;
    const bool active = loadImage(m_active, base + L"_active.tif");
    const bool inactive = loadImage(m_inactive, base + L"_inactive.tif");
    const bool selected = loadImage(m_selected, base + L"_selected.tif");
    v_recalcData();
    return active && inactive && selected;
}

void CImageButton::PreSubclassWindow()
{
    ModifyStyle(0, BS_OWNERDRAW);
    CButton::PreSubclassWindow();
    v_recalcData();
}

void CImageButton::v_recalcData()
{
    if (m_hWnd)
        GetClientRect(&m_client);
    m_activePos = fitImage(m_activeScaled, m_active, m_client);
    m_selectedPos = fitImage(m_selectedScaled, m_selected, m_client);
    m_inactivePos = fitImage(m_inactiveScaled, m_inactive, m_client);
}

void CImageButton::OnSize(UINT, int, int)
{
    Default();
    v_recalcData();
}

void CImageButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    CDC* dc = CDC::FromHandle(lpDrawItemStruct->hDC);
    paintTransparent(*this, *dc, m_memDC,
                     [this, lpDrawItemStruct](CDC& mem) { v_draw(mem, lpDrawItemStruct); });
}

void CImageButton::v_draw(CDC& dc, LPDRAWITEMSTRUCT dis)
{
    if ((dis->itemState & ODS_SELECTED) && m_selectedScaled.IsLoaded()) {
        m_selectedScaled.alphaBlend(dc, m_selectedPos.x, m_selectedPos.y);
    } else if ((dis->itemState & ODS_DISABLED) && m_inactiveScaled.IsLoaded()) {
        m_inactiveScaled.alphaBlend(dc, m_inactivePos.x, m_inactivePos.y);
    } else if (m_active.IsLoaded()) {
        m_activeScaled.alphaBlend(dc, m_activePos.x, m_activePos.y);
    } else {
        if (m_font)
            dc.SelectObject(m_font);
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextColor(RGB(255, 0, 0));
        CRect r(m_client);
        dc.DrawText(m_name.empty() ? CString(L"err") : CString(m_name), &r,
                    DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
    }
}
