#pragma once

// A library of test windows, to prove that classes, handler tables, run-time
// classes and dialog templates work across module borders.

#include "WfxTestLibIds.h"

#include <Wfx.h>

#include <string>
#include <vector>

#ifdef WFXTESTLIB_BUILD
#define WFXTESTLIB_API __declspec(dllexport)
#else
#define WFXTESTLIB_API __declspec(dllimport)
#endif

// A window class meant to be derived from in the program.
class WFXTESTLIB_API CLibBaseWnd : public CWnd
{
    DECLARE_DYNCREATE(CLibBaseWnd)

public:
    CLibBaseWnd();
    ~CLibBaseWnd() override;
    BOOL CreateChild(CWnd* pParent, UINT nID);

    std::vector<std::wstring> m_log;

protected:
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLibCommand();

    DECLARE_MESSAGE_MAP()
};

// A dialog whose template only this library holds.
class WFXTESTLIB_API CLibDialog : public CDialog
{
    DECLARE_DYNAMIC(CLibDialog)

public:
    explicit CLibDialog(CWnd* pParent = nullptr);

    CString m_text;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};

// The library's own application object, defined statically in the library.
WFXTESTLIB_API CWinApp* libModuleApp();
