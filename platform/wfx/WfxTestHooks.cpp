#include "WfxTestHooks.h"

#include <mutex>
#include <utility>

namespace {

std::mutex g_lock;
WfxMessageBoxHook g_messageBox;
WfxModalDialogHook g_modalDialog;
WfxModalSheetHook g_modalSheet;
WfxWaitCursorHook g_waitCursor;
WfxFileDialogHook g_fileDialog;
WfxPrintDialogHook g_printDialog;

template <class Hook> Hook current(const Hook& hook)
{
    std::lock_guard<std::mutex> guard(g_lock);
    return hook;
}

template <class Hook> void replace(Hook& hook, Hook with)
{
    std::lock_guard<std::mutex> guard(g_lock);
    hook = std::move(with);
}

} // namespace

void WfxSetMessageBoxHook(WfxMessageBoxHook hook)
{
    replace(g_messageBox, std::move(hook));
}

int WfxShowMessageBox(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type)
{
    WfxMessageBoxHook hook = current(g_messageBox);
    if (hook)
        return hook(owner, text ? text : L"", caption ? caption : L"", type);
    return MessageBoxW(owner, text, caption, type);
}

void WfxSetModalDialogHook(WfxModalDialogHook hook)
{
    replace(g_modalDialog, std::move(hook));
}

void WfxRunModalDialogHook(CDialog& dialog)
{
    WfxModalDialogHook hook = current(g_modalDialog);
    if (hook)
        hook(dialog);
}

void WfxSetModalSheetHook(WfxModalSheetHook hook)
{
    replace(g_modalSheet, std::move(hook));
}

void WfxRunModalSheetHook(CPropertySheet& sheet)
{
    WfxModalSheetHook hook = current(g_modalSheet);
    if (hook)
        hook(sheet);
}

void WfxSetWaitCursorHook(WfxWaitCursorHook hook)
{
    replace(g_waitCursor, std::move(hook));
}

bool WfxRunWaitCursorHook(bool shown)
{
    WfxWaitCursorHook hook = current(g_waitCursor);
    if (!hook)
        return false;
    hook(shown);
    return true;
}

void WfxSetFileDialogHook(WfxFileDialogHook hook)
{
    replace(g_fileDialog, std::move(hook));
}

BOOL WfxRunFileDialog(OPENFILENAMEW& ofn, BOOL bOpenFileDialog)
{
    WfxFileDialogHook hook = current(g_fileDialog);
    if (hook)
        return hook(ofn, bOpenFileDialog);
    return bOpenFileDialog ? GetOpenFileNameW(&ofn) : GetSaveFileNameW(&ofn);
}

namespace {

// Fills in the default printer's settings and context where the answer left them out.
BOOL takeDefaultPrinter(PRINTDLGW& pd)
{
    PRINTDLGW defaults{};
    defaults.lStructSize = sizeof(defaults);
    defaults.Flags = PD_RETURNDEFAULT | PD_RETURNDC;
    if (!PrintDlgW(&defaults))
        return FALSE;
    pd.hDC = defaults.hDC;
    for (auto [mine, found] :
         {std::pair{&pd.hDevMode, defaults.hDevMode}, {&pd.hDevNames, defaults.hDevNames}}) {
        if (*mine)
            GlobalFree(found);
        else
            *mine = found;
    }
    return TRUE;
}

} // namespace

void WfxSetPrintDialogHook(WfxPrintDialogHook hook)
{
    replace(g_printDialog, std::move(hook));
}

BOOL WfxRunPrintDialog(PRINTDLGW& pd)
{
    WfxPrintDialogHook hook = current(g_printDialog);
    if (!hook)
        return PrintDlgW(&pd);
    if (!hook(pd))
        return FALSE;
    return pd.hDC || !(pd.Flags & PD_RETURNDC) || takeDefaultPrinter(pd);
}
