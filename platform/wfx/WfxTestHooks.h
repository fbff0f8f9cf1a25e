#pragma once

// Hooks that let tests stand in for the user, so that no test ever waits on
// a modal window. Set a hook to an empty function to remove it.

#include "WfxApi.h"

#include <commdlg.h>

#include <functional>

class CDialog;
class CPropertySheet;

// Answers every message box (CWnd::MessageBox, AfxMessageBox and errors
// reported at a window procedure boundary) instead of showing it; returns
// the button the user would have pressed.
using WfxMessageBoxHook = std::function<int(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type)>;
WFX_API void WfxSetMessageBoxHook(WfxMessageBoxHook hook);
WFX_API int WfxShowMessageBox(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type);

// Called when a modal dialog is initialised and about to run its loop; it
// may end the dialog (EndDialog) or send it messages. Without a hook the
// dialog waits for the user.
using WfxModalDialogHook = std::function<void(CDialog& dialog)>;
WFX_API void WfxSetModalDialogHook(WfxModalDialogHook hook);
WFX_API void WfxRunModalDialogHook(CDialog& dialog);

// The same for property sheets run by CPropertySheet::DoModal: called once
// the sheet and its first page are initialised.
using WfxModalSheetHook = std::function<void(CPropertySheet& sheet)>;
WFX_API void WfxSetModalSheetHook(WfxModalSheetHook hook);
WFX_API void WfxRunModalSheetHook(CPropertySheet& sheet);

// Told when the wait cursor is shown (true) and taken away (false), instead
// of changing the cursor.
using WfxWaitCursorHook = std::function<void(bool shown)>;
WFX_API void WfxSetWaitCursorHook(WfxWaitCursorHook hook);
WFX_API bool WfxRunWaitCursorHook(bool shown);

// Answers open and save file dialogs instead of showing them. It gets the
// dialog's settings (filter, initial folder, title, flags, default
// extension) and, standing for OK, writes the chosen path into ofn.lpstrFile
// (at most ofn.nMaxFile characters with the terminator) and returns TRUE;
// FALSE stands for Cancel.
using WfxFileDialogHook = std::function<BOOL(OPENFILENAMEW& ofn, BOOL bOpenFileDialog)>;
WFX_API void WfxSetFileDialogHook(WfxFileDialogHook hook);
// The hook when one is set, else the system's dialog.
WFX_API BOOL WfxRunFileDialog(OPENFILENAMEW& ofn, BOOL bOpenFileDialog);

// Answers the print dialog (CPrintDialog::DoModal, and GetDefaults, whose
// flags carry PD_RETURNDEFAULT) instead of showing it: TRUE stands for OK.
// The hook may set pd.hDC (a context it made, which the dialog then owns)
// and the page range; when it leaves pd.hDC empty, the default printer's
// context is taken as the system would.
using WfxPrintDialogHook = std::function<BOOL(PRINTDLGW& pd)>;
WFX_API void WfxSetPrintDialogHook(WfxPrintDialogHook hook);
// The hook when one is set, else the system's dialog.
WFX_API BOOL WfxRunPrintDialog(PRINTDLGW& pd);
