// kwshot: waits for Kestrelwave's main window and saves a picture of it.
//   kwshot [--connected] [--timeout SECONDS] OUT.png
// With --connected it waits until the status caption reads "Connected".
// Prints the path of the picture; exit code 1 when the window did not come.

#include "WindowShot.h"

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

const int kConnectionCaption = 1069;
const int kBottomPage = 313;

bool ready(bool connected, HWND& main)
{
    main = windowshot::findMainWindow();
    if (!main)
        return false;
    if (!connected)
        return true;
    // Pages share control ids with the bottom page: look only there.
    HWND bottom = windowshot::findDescendant(main, kBottomPage);
    HWND caption = bottom ? windowshot::findDescendant(bottom, kConnectionCaption) : nullptr;
    return caption && windowshot::windowText(caption) == L"Connected";
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    bool connected = false;
    int timeout = 120;
    std::wstring out;
    for (int i = 1; i < argc; ++i) {
        if (wcscmp(argv[i], L"--connected") == 0)
            connected = true;
        else if (wcscmp(argv[i], L"--timeout") == 0 && i + 1 < argc)
            timeout = _wtoi(argv[++i]);
        else
            out = argv[i];
    }
    if (out.empty()) {
        fwprintf(stderr, L"usage: kwshot [--connected] [--timeout SECONDS] OUT.png\n");
        return 2;
    }
    HWND main = nullptr;
    for (int waited = 0; !ready(connected, main); waited += 200) {
        if (waited > timeout * 1000) {
            fwprintf(stderr, L"kwshot: no %ls main window\n", connected ? L"connected" : L"");
            return 1;
        }
        Sleep(200);
    }
    Sleep(1000); // the pages paint after the caption changed
    if (!windowshot::savePng(main, out)) {
        fwprintf(stderr, L"kwshot: cannot save %ls\n", out.c_str());
        return 1;
    }
    wprintf(L"%ls\n", out.c_str());
    return 0;
}
