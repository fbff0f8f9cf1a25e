#include "PlaceholderStatic.h"

bool takePlaceholderStatic(UINT id, CWnd* parent, CRect& rect)
{
    CStatic placeholder;
    if (!parent || !placeholder.SubclassDlgItem(id, parent))
        return false;
    placeholder.GetWindowRect(&rect);
    parent->ScreenToClient(&rect);
    placeholder.DestroyWindow();
    return true;
}
