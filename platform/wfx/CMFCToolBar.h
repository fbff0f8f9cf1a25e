#pragma once

#include "CPane.h"

// A bar of buttons. The framework builds only its menu-bar kind
// (CMFCMenuBar); the sizes of menu buttons and their images are shared by
// all bars and menus of the program.
class WFX_API CMFCToolBar : public CPane
{
    DECLARE_DYNAMIC(CMFCToolBar)

public:
    CMFCToolBar() = default;

    // (0, 0) leaves the size to the text.
    static void SetMenuSizes(SIZE sizeButton, SIZE sizeImage);
    static CSize GetMenuButtonSize();
    static CSize GetMenuImageSize();
};
