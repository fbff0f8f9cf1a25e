#include "CGDIpDescribedDisplay.h"

#include "DisplayLabels.h"

IMPLEMENT_DYNAMIC(CGDIpDescribedDisplay, CGDIpTransparentCompCtrl)

namespace {
const UINT kDescriptionId = 5000;
const UINT kDisplayId = 5001;
} // namespace

CGDIpDescribedDisplay::CGDIpDescribedDisplay()
{
    displaylabels::applyValueTileLook(*this);
    displaylabels::setUpPair(m_description, m_display);
}

CGDIpDescribedDisplay::~CGDIpDescribedDisplay() = default;

CGDIpDescribedDisplay& CGDIpDescribedDisplay::operator=(const CGDIpDescribedDisplay& other)
{
    CGDIpTransparentCompCtrl::operator=(other);
    m_description = other.m_description;
    m_display = other.m_display;
    m_ratio = other.m_ratio;
    return *this;
}

void CGDIpDescribedDisplay::v_createSizableCtrls()
{
    CRect client;
    GetClientRect(&client);
    const int w = client.Width();
    const int margin = w / 20;
    const int band = client.Height() / 10;
    const CRect description(margin, client.top + band, int(w * m_ratio - margin), client.bottom - band);
    const CRect display(int(w * m_ratio + margin), client.top + band, client.right - w / 100,
                        client.bottom - band);
    displaylabels::create(m_description, L"m_description", WS_CHILD | WS_VISIBLE | SS_CENTERIMAGE,
                          description, this, kDescriptionId, m_font);
    displaylabels::create(m_display, L"m_display", WS_CHILD | WS_VISIBLE | SS_CENTERIMAGE | SS_CENTER,
                          display, this, kDisplayId, m_font);
}
