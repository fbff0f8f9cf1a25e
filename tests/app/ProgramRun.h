#pragma once

#include "ChildProcess.h"

#include <windows.h>

#include <functional>
#include <string>

namespace kwtest {

// Kestrelwave.exe started by a test and watched from outside: its windows,
// its message boxes, the pages of its main window.
class ProgramRun
{
public:
    ProgramRun() = default;
    ~ProgramRun();
    ProgramRun(const ProgramRun&) = delete;
    ProgramRun& operator=(const ProgramRun&) = delete;

    // Starts the program looking for its controller on `port` first.
    bool start(int port);
    ChildProcess& child() { return m_child; }

    // The main window once it is shown (null after `timeoutMs`).
    HWND waitMainWindow(unsigned timeoutMs);
    HWND mainWindow() const;
    // The text of a window below the main window by control id.
    std::wstring controlText(int id) const;
    std::wstring connectionCaption() const;
    bool waitConnectionCaption(const std::wstring& text, unsigned timeoutMs) const;
    // A message box of the program captioned "Kestrelwave": its text, and
    // closed with `button`. Empty when none came within `timeoutMs`.
    std::wstring answerMessageBox(int button, unsigned timeoutMs);
    // The program's open-file dialog: `path` typed into it and opened.
    bool answerOpenFile(const std::wstring& path, unsigned timeoutMs);
    // A page window by its template id.
    HWND page(int templateId) const;
    // Selects the navigation tree's item at this place of the tree's order
    // (an item, then its children).
    bool selectTreeItem(int position);
    // Started on `port` and connected: the main window says "Connected".
    bool startConnected(int port, unsigned timeoutMs);
    // The page with this template id, selected through the tree's item at
    // `position` and shown (the tree takes its items a moment after the
    // caption shows); null when it did not show.
    HWND showPage(int position, int templateId);
    // A menu command, as the caption menu sends it.
    void command(int id) const;
    // Saves the main window under <build>/screenshots/<name>.png.
    bool screenshot(const std::wstring& name) const;
    // Saves another window of the program (a dialog) the same way.
    bool screenshot(const std::wstring& name, HWND window) const;
    // Asks the main window to close and waits for the exit code (-1: none).
    int close(unsigned timeoutMs);

private:
    ChildProcess m_child;
};

// Polls `condition` every 50 ms until it holds or `timeoutMs` passed.
bool waitUntil(const std::function<bool()>& condition, unsigned timeoutMs);

} // namespace kwtest
