#include "ErrorReport.h"

#include <IError.h>
#include <MakerWord.h>
#include <UserInterface.h>

#include <memory>
#include <string>

void reportError(const wchar_t* handler, IError* error, HWND owner)
{
    std::unique_ptr<IError> owned(error);
    showMessageBox(owner, std::wstring(handler) + L"\n" + owned->format(), kMakerWord, MB_OK);
}
