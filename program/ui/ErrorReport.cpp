#include "ErrorReport.h"

#include <IError.h>
#include <UserInterface.h>

#include <memory>
#include <string>

void reportError(const wchar_t* handler, IError* error)
{
    std::unique_ptr<IError> owned(error);
    showMessageBox(HWND(nullptr), std::wstring(handler) + L"\n" + owned->format(), L"Kestrelwave", MB_OK);
}
