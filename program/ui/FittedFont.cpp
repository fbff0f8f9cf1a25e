#include "FittedFont.h"

#include <CGDIpStatic.h>

#include <cstdlib>

namespace {

const int kSmallest = 8;

} // namespace

void FittedFont::fit(CFont* pageFont, CWnd* container, const std::function<bool()>& fits)
{
    for (CGDIpStatic* stat : m_attached) {
        stat->m_font = &m_font;
        stat->m_takeContainerFont = 0;
    }
    LOGFONTW lf{};
    if (!pageFont || !pageFont->m_hObject || !::GetObjectW(pageFont->m_hObject, sizeof lf, &lf))
        return;
    for (int height = std::abs(lf.lfHeight); height >= kSmallest; --height) {
        lf.lfHeight = lf.lfHeight < 0 ? -height : height;
        if (IOwnFontCtrl::recreateFont(m_font, lf, container) && attachedFit() && fits())
            return;
    }
}

void FittedFont::attach(std::initializer_list<CGDIpStatic*> statics)
{
    m_attached.insert(m_attached.end(), statics.begin(), statics.end());
}

bool FittedFont::attachedFit()
{
    for (CGDIpStatic* stat : m_attached) {
        if (!stat->GetSafeHwnd())
            continue;
        CClientDC dc(stat);
        CFont* old = dc.SelectObject(&m_font);
        TEXTMETRICW tm{};
        dc.GetTextMetrics(&tm);
        CString text;
        stat->GetWindowText(text);
        const CSize extent = dc.GetTextExtent(text);
        dc.SelectObject(old);
        CRect client;
        stat->GetClientRect(&client);
        if (extent.cx > client.Width() || tm.tmHeight - tm.tmInternalLeading > client.Height())
            return false;
    }
    return true;
}
