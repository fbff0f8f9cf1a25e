#pragma once

#include <Wfx.h>

#include <functional>
#include <initializer_list>
#include <vector>

class CGDIpStatic;

// The page's font made smaller, a pixel at a time, until the texts of a
// group of controls show whole: for controls whose room a fixed layout does
// not let grow. Made again in the same object, so controls may keep a
// pointer to it.
class FittedFont
{
public:
    FittedFont() = default;
    FittedFont(const FittedFont&) = delete;
    FittedFont& operator=(const FittedFont&) = delete;

    // The largest font, no higher than `pageFont`, in which the attached
    // statics' texts show whole and `fits` answers true (the smallest tried
    // when none does). Windows of `container` that hold the previous font
    // get the new one.
    void fit(
        CFont* pageFont, CWnd* container, const std::function<bool()>& fits = [] { return true; });
    // The statics draw with this font from every fit on, whatever font
    // their container hands them.
    void attach(std::initializer_list<CGDIpStatic*> statics);

    CFont m_font;

private:
    bool attachedFit();

    std::vector<CGDIpStatic*> m_attached;
};
