// What the window procedure boundary does with what escaped a handler.

#include "WfxInternal.h"
#include "WfxTestHooks.h"

#include <IError.h>

#include <string>

namespace {

// A report shown while another is open (a failing paint behind the message
// box) goes to the debugger output only.
bool g_reporting = false;

void show(const std::wstring& text)
{
    OutputDebugStringW(text.c_str());
    if (g_reporting)
        return;
    g_reporting = true;
    WfxShowMessageBox(nullptr, text.c_str(), nullptr, MB_OK | MB_ICONERROR);
    g_reporting = false;
}

} // namespace

void wfxReportError(IError* error)
{
    std::wstring text = error->name() + L"\n" + error->format();
    delete error;
    show(text);
}

void wfxReportFailure(const wchar_t* what)
{
    show(std::wstring(L"Unexpected failure: ") + what);
}
