// kwshot: watches Kestrelwave from outside for the start command.
//   kwshot [--connected] [--timeout SECONDS] OUT.png
// Waits for the main window (with --connected until the status caption reads
// "Connected") and saves a picture of it. A message box of the program ends
// the wait: the screen with the box is saved and the box's text printed.
// On a timeout the screen is saved as it is.
//   kwshot --close [--timeout SECONDS]
// Asks the main window to close, as its close box does, and waits for it.
// Exit codes: 0 done, 1 timed out or not closed, 2 usage, 3 a message box.

#include "WindowShot.h"

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

const int kConnectionCaption = 1069;
const int kBottomPage = 313;
const int kPollMs = 200;
const int kBoxExit = 3;

struct Options
{
    bool connected = false;
    bool close = false;
    int timeout = 120;
    std::wstring out;
};

bool parse(int argc, wchar_t** argv, Options& options)
{
    for (int i = 1; i < argc; ++i) {
        if (wcscmp(argv[i], L"--connected") == 0)
            options.connected = true;
        else if (wcscmp(argv[i], L"--close") == 0)
            options.close = true;
        else if (wcscmp(argv[i], L"--timeout") == 0 && i + 1 < argc)
            options.timeout = _wtoi(argv[++i]);
        else
            options.out = argv[i];
    }
    return options.close != !options.out.empty();
}

// The program's own message boxes carry its name as their caption.
HWND messageBox()
{
    return windowshot::findDialogBox(L"Kestrelwave");
}

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

int saveScreen(const std::wstring& out, int exitCode)
{
    if (!windowshot::savePng(GetDesktopWindow(), out))
        fwprintf(stderr, L"kwshot: cannot save %ls\n", out.c_str());
    return exitCode;
}

int photograph(const Options& options)
{
    HWND main = nullptr;
    for (int waited = 0; !ready(options.connected, main); waited += kPollMs) {
        if (HWND box = messageBox()) {
            Sleep(500); // let the box paint
            wprintf(L"%ls\n", windowshot::dialogText(box).c_str());
            return saveScreen(options.out, kBoxExit);
        }
        if (waited > options.timeout * 1000)
            return saveScreen(options.out, 1);
        Sleep(kPollMs);
    }
    Sleep(1000); // the pages paint after the caption changed
    if (!windowshot::savePng(main, options.out)) {
        fwprintf(stderr, L"kwshot: cannot save %ls\n", options.out.c_str());
        return 1;
    }
    return 0;
}

// A box is modal over the window: closing under it is not what a user can do,
// nor is closing the splash.
int closeMainWindow(int timeout)
{
    HWND main = windowshot::findMainWindow();
    if (!main || messageBox())
        return 1;
    PostMessageW(main, WM_CLOSE, 0, 0);
    for (int waited = 0; IsWindow(main); waited += kPollMs) {
        if (waited > timeout * 1000)
            return 1;
        Sleep(kPollMs);
    }
    return 0;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    Options options;
    if (!parse(argc, argv, options)) {
        fwprintf(stderr, L"usage: kwshot [--connected] [--timeout SECONDS] OUT.png\n"
                         L"       kwshot --close [--timeout SECONDS]\n");
        return 2;
    }
    return options.close ? closeMainWindow(options.timeout) : photograph(options);
}
