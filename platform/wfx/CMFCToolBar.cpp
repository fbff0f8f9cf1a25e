#include "CMFCToolBar.h"

IMPLEMENT_DYNAMIC(CMFCToolBar, CPane)

namespace {

CSize g_menuButtonSize;
CSize g_menuImageSize;

} // namespace

void CMFCToolBar::SetMenuSizes(SIZE sizeButton, SIZE sizeImage)
{
    g_menuButtonSize = CSize(sizeButton.cx, sizeButton.cy);
    g_menuImageSize = CSize(sizeImage.cx, sizeImage.cy);
}

CSize CMFCToolBar::GetMenuButtonSize()
{
    return g_menuButtonSize;
}

CSize CMFCToolBar::GetMenuImageSize()
{
    return g_menuImageSize;
}
