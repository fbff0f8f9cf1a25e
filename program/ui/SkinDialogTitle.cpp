#include "SkinDialogTitle.h"

#include "translate.h"

#include <CSkinDlg.h>

CString initTitledSkinDialog(CSkinDlg& dialog, const wchar_t* title)
{
    const CString text = translate(title).c_str();
    dialog.SetWindowTextW(text);
    dialog.CSkinDlg::OnInitDialog();
    dialog.CWnd::SetWindowTextW(text);
    return text;
}
