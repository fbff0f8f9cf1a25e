#include "CDataExchange.h"

#include "CWnd.h"
#include "WfxTestHooks.h"

#include <cerrno>
#include <cfloat>
#include <cwchar>
#include <limits>

namespace {

CString controlText(HWND control)
{
    CString text;
    int length = GetWindowTextLengthW(control);
    GetWindowTextW(control, text.GetBuffer(length + 1), length + 1);
    text.ReleaseBuffer();
    return text;
}

[[noreturn]] void rejectText(CDataExchange* pDX, LPCWSTR message)
{
    WfxShowMessageBox(pDX->m_pDlgWnd->m_hWnd, message, nullptr, MB_OK | MB_ICONEXCLAMATION);
    pDX->Fail();
}

// The whole text (blanks around it allowed) as a number in [low, high].
template <class Number> bool parseWhole(const CString& text, Number low, Number high, Number& out)
{
    CString trimmed(text);
    trimmed.Trim();
    if (trimmed.IsEmpty())
        return false;
    wchar_t* end = nullptr;
    errno = 0;
    long double value = std::numeric_limits<Number>::is_integer ? (long double)wcstoll(trimmed, &end, 10)
                                                                : (long double)wcstod(trimmed, &end);
    if (errno == ERANGE || *end != L'\0' || value != value || value < (long double)low ||
        value > (long double)high)
        return false;
    out = Number(value);
    return true;
}

template <class Number> void exchangeInteger(CDataExchange* pDX, int nIDC, Number& value, LPCWSTR format)
{
    HWND control = pDX->PrepareCtrl(nIDC);
    if (!pDX->m_bSaveAndValidate) {
        CString text;
        text.Format(format, value);
        SetWindowTextW(control, text);
        return;
    }
    if (!parseWhole(controlText(control), std::numeric_limits<Number>::lowest(),
                    std::numeric_limits<Number>::max(), value))
        rejectText(pDX, L"Please enter a whole number.");
}

template <class Number> void exchangeFloat(CDataExchange* pDX, int nIDC, Number& value, int digits)
{
    HWND control = pDX->PrepareCtrl(nIDC);
    if (!pDX->m_bSaveAndValidate) {
        CString text;
        text.Format(L"%.*g", digits, double(value));
        SetWindowTextW(control, text);
        return;
    }
    if (!parseWhole(controlText(control), std::numeric_limits<Number>::lowest(),
                    std::numeric_limits<Number>::max(), value))
        rejectText(pDX, L"Please enter a number.");
}

} // namespace

HWND CDataExchange::PrepareCtrl(int nIDC)
{
    HWND control = GetDlgItem(m_pDlgWnd->m_hWnd, nIDC);
    if (!control) {
        CString text;
        text.Format(L"The dialog has no control %d.", nIDC);
        WfxShowMessageBox(m_pDlgWnd->m_hWnd, text, nullptr, MB_OK | MB_ICONERROR);
        Fail();
    }
    m_hWndLastControl = control;
    return control;
}

void CDataExchange::Fail()
{
    if (m_bSaveAndValidate && m_hWndLastControl)
        SetFocus(m_hWndLastControl);
    throw WfxDataExchangeFailure{};
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (rControl.m_hWnd)
        return;
    HWND control = pDX->PrepareCtrl(nIDC);
    if (!rControl.SubclassWindow(control)) {
        CString text;
        text.Format(L"Control %d is already bound to another object.", nIDC);
        WfxShowMessageBox(pDX->m_pDlgWnd->m_hWnd, text, nullptr, MB_OK | MB_ICONERROR);
        pDX->Fail();
    }
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value)
{
    HWND control = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = int(SendMessageW(control, BM_GETCHECK, 0, 0));
    else
        SendMessageW(control, BM_SETCHECK, WPARAM(value < 0 || value > 2 ? 0 : value), 0);
}

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND control = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = controlText(control);
    else
        SetWindowTextW(control, value);
}

void DDX_Text(CDataExchange* pDX, int nIDC, int& value)
{
    exchangeInteger(pDX, nIDC, value, L"%d");
}

void DDX_Text(CDataExchange* pDX, int nIDC, UINT& value)
{
    exchangeInteger(pDX, nIDC, value, L"%u");
}

void DDX_Text(CDataExchange* pDX, int nIDC, long& value)
{
    exchangeInteger(pDX, nIDC, value, L"%ld");
}

void DDX_Text(CDataExchange* pDX, int nIDC, DWORD& value)
{
    exchangeInteger(pDX, nIDC, value, L"%lu");
}

void DDX_Text(CDataExchange* pDX, int nIDC, double& value)
{
    exchangeFloat(pDX, nIDC, value, DBL_DIG);
}

void DDX_Text(CDataExchange* pDX, int nIDC, float& value)
{
    exchangeFloat(pDX, nIDC, value, FLT_DIG);
}
