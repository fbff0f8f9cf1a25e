#include "CGDIpInjectorStateDisplay.h"

#include "DisplayLabels.h"

#include <FolderBesideProgram.h>

#include <algorithm>

IMPLEMENT_DYNAMIC(CGDIpInjectorStateDisplay, CGDIpTransparentCompCtrl)

std::wstring CGDIpInjectorStateDisplay::m_sPath;

namespace {
const UINT kNameId = 5000;
const UINT kValueId = 5001;
const DWORD kLabelStyle = WS_CHILD | WS_VISIBLE | SS_CENTERIMAGE | SS_CENTER;
} // namespace

CGDIpInjectorStateDisplay::CGDIpInjectorStateDisplay()
{
    displaylabels::applyValueTileLook(*this);
    displaylabels::setUpPair(m_name, m_value);
}

CGDIpInjectorStateDisplay::~CGDIpInjectorStateDisplay() = default;

CGDIpInjectorStateDisplay& CGDIpInjectorStateDisplay::operator=(const CGDIpInjectorStateDisplay& other)
{
    CGDIpTransparentCompCtrl::operator=(other);
    m_name = other.m_name;
    m_value = other.m_value;
    m_state = other.m_state;
    m_nameCreated = other.m_nameCreated;
    m_valueCreated = other.m_valueCreated;
    m_imagesSet = other.m_imagesSet;
    std::copy(std::begin(other.m_images), std::end(other.m_images), m_images);
    return *this;
}

void CGDIpInjectorStateDisplay::setInternalImages(CExtImage* state0, CExtImage* state1, CExtImage* state2)
{
    m_images[0] = state0;
    m_images[1] = state1;
    m_images[2] = state2;
    m_imagesSet = true;
}

std::wstring CGDIpInjectorStateDisplay::getPath()
{
    return folderBesideProgram(m_sPath, L"\\Skins\\");
}

void CGDIpInjectorStateDisplay::v_createSizableCtrls()
{
    CRect client;
    GetClientRect(&client);
    const int w = client.Width();
    const int h = client.Height();
    const int top = client.top + h / 20;
    const int bottom = client.bottom - h / 10;
    m_nameCreated = displaylabels::create(m_name, L"B1", kLabelStyle, CRect(w / 10, top, w / 5, bottom), this,
                                          kNameId, m_font);
    m_valueCreated =
        displaylabels::create(m_value, L"8.56", kLabelStyle,
                              CRect(w / 2, top, client.right - w / 100, bottom), this, kValueId, m_font);
}

void CGDIpInjectorStateDisplay::v_recalcData(const CRect& r)
{
    CGDIpTransparentCompCtrl::v_recalcData(r);
    if (!m_name.m_hWnd || !m_hWnd)
        return;
    m_name.GetWindowRect(&m_imageRect);
    ScreenToClient(&m_imageRect);
    const int d = m_imageRect.Height();
    if (!m_imagesSet || d <= 0)
        return;
    takeStateImage(d);
    if (!m_image.IsLoaded())
        return;
    m_imageRect.left = m_imageRect.right + d / 2;
    m_imageRect.top += (d - m_image.GetHeight()) / 2;
    m_imageRect.right = m_imageRect.left + m_image.GetWidth();
    m_imageRect.bottom = m_imageRect.top + m_image.GetHeight();
}

void CGDIpInjectorStateDisplay::takeStateImage(int height)
{
    // Another state keeps the image taken before.
    if (m_state >= 0 && m_state <= 2 && m_images[m_state] && m_images[m_state]->IsLoaded())
        m_image = *m_images[m_state];
    if (!m_image.IsLoaded())
        return;
    const int side = std::min(m_image.GetWidth(), m_image.GetHeight());
    const int factor = (side + height - 1) / height;
    if (factor > 1)
        m_image.downSampling(factor, factor);
}

void CGDIpInjectorStateDisplay::v_draw(CDC& dc)
{
    if (m_imagesSet && m_image.IsLoaded())
        m_image.alphaBlend(dc.m_hDC, m_imageRect.left, m_imageRect.top, 1, 1);
}

void CGDIpInjectorStateDisplay::Invalidate(int)
{
    if (!m_hWnd)
        return;
    CRect client;
    GetClientRect(&client);
    v_recalcData(client);
    InvalidateRect(&m_imageRect, FALSE);
}
