#include "CWaitCursor.h"

#include "WfxTestHooks.h"

namespace {

int g_depth = 0;
HCURSOR g_previous = nullptr;

void show()
{
    if (g_depth++ > 0 || WfxRunWaitCursorHook(true))
        return;
    g_previous = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
}

void hide()
{
    if (g_depth == 0 || --g_depth > 0 || WfxRunWaitCursorHook(false))
        return;
    SetCursor(g_previous ? g_previous : LoadCursorW(nullptr, IDC_ARROW));
}

} // namespace

CWaitCursor::CWaitCursor()
{
    show();
}

CWaitCursor::~CWaitCursor()
{
    hide();
}

void CWaitCursor::Restore()
{
    if (g_depth > 0 && !WfxRunWaitCursorHook(true))
        SetCursor(LoadCursorW(nullptr, IDC_WAIT));
}
