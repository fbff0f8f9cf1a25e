#pragma once

#include <Wfx.h>

#include <initializer_list>

class CGDIpStatic;

// The underlined heading font of the settings pages: "Times New Roman",
// bold, anti-aliased, 20 high when made, and made again in the same object
// at every resize with a character height of the page's client height / 25.
class PageHeadingFont
{
public:
    PageHeadingFont();
    PageHeadingFont(const PageHeadingFont&) = delete;
    PageHeadingFont& operator=(const PageHeadingFont&) = delete;

    // The headings draw with this font from now on.
    void attach(std::initializer_list<CGDIpStatic*> headings);
    // Called from the page's WM_SIZE after the base's sizing.
    void resize(CWnd& page, int clientHeight);

    CFont m_font;

private:
    static LOGFONTW logFont(int characterHeight);
};
