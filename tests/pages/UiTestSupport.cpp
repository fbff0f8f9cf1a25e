#include "UiTestSupport.h"

#include <IGDIpHelper.h>

namespace uitest {

namespace {

struct GdiplusStart
{
    GdiplusStart() { IGDIpHelper::startupGDIp(); }
} const g_gdiplusStart;

} // namespace

void sendClick(CDialog& dialog, int id)
{
    ::SendMessageW(dialog.m_hWnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                   LPARAM(::GetDlgItem(dialog.m_hWnd, id)));
}

std::wstring itemText(CDialog& dialog, int id)
{
    wchar_t text[256] = {};
    ::GetDlgItemTextW(dialog.m_hWnd, id, text, 256);
    return text;
}

} // namespace uitest
