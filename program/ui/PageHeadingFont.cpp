#include "PageHeadingFont.h"

#include <CGDIpStatic.h>

#include <cwchar>

namespace {

const int kInitialHeight = 20;
const int kHeightDivisor = 25;

} // namespace

PageHeadingFont::PageHeadingFont()
{
    const LOGFONTW lf = logFont(kInitialHeight);
    m_font.CreateFontIndirect(&lf);
}

LOGFONTW PageHeadingFont::logFont(int characterHeight)
{
    LOGFONTW lf{};
    lf.lfHeight = -characterHeight;
    lf.lfWeight = FW_BOLD;
    lf.lfUnderline = TRUE;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfQuality = ANTIALIASED_QUALITY;
    lf.lfPitchAndFamily = FF_MODERN;
    wcscpy(lf.lfFaceName, L"Times New Roman");
    return lf;
}

void PageHeadingFont::attach(std::initializer_list<CGDIpStatic*> headings)
{
    for (CGDIpStatic* heading : headings) {
        heading->m_font = &m_font;
        heading->m_takeContainerFont = 0;
    }
}

void PageHeadingFont::resize(CWnd& page, int clientHeight)
{
    const int height = clientHeight / kHeightDivisor;
    if (height <= 0)
        return;
    const LOGFONTW lf = logFont(height);
    IOwnFontCtrl::recreateFont(m_font, lf, &page);
}
