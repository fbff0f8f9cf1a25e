#pragma once

#include "PrambleGDIpApi.h"

// A control's text colour and font. The font belongs to someone else (the
// control's owner or its container) and must outlive the control; a
// container that rebuilds its font does so in place (recreateFont), so the
// pointer its children hold stays valid.
class PRAMBLEGDIP_API IOwnFontCtrl
{
public:
    IOwnFontCtrl() = default;
    IOwnFontCtrl(const IOwnFontCtrl&) = default;
    IOwnFontCtrl& operator=(const IOwnFontCtrl&) = default;
    virtual ~IOwnFontCtrl();

    // Gives `font` a new face in the same object. Child windows of
    // `container` that were given the old font get the new one before the
    // old one is deleted. FALSE (and the old font kept) when the new one
    // can't be made.
    static BOOL recreateFont(CFont& font, const LOGFONTW& logFont, CWnd* container = nullptr);

    COLORREF m_textColor = 0;
    CFont* m_font = nullptr;
    int m_takeContainerFont = 1; // 1: a sizable container hands this control its font
};
