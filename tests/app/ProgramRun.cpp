#include "ProgramRun.h"

#include "WindowShot.h"

#include <commctrl.h>
#include <serialport.h>

namespace kwtest {

namespace {

const int kConnectionCaption = 1069;
const int kPageTree = 1001;
const int kLeftPage = 311;
const int kBottomPage = 313;

// Items in the order the tree shows them: an item, then its children.
// Only handles cross the process boundary, never a pointer.
HTREEITEM itemAt(HWND tree, HTREEITEM item, int& position)
{
    for (; item; item = TreeView_GetNextSibling(tree, item)) {
        if (position-- == 0)
            return item;
        if (HTREEITEM child = itemAt(tree, TreeView_GetChild(tree, item), position))
            return child;
    }
    return nullptr;
}

} // namespace

bool waitUntil(const std::function<bool()>& condition, unsigned timeoutMs)
{
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > timeoutMs)
            return false;
        Sleep(50);
    }
    return true;
}

ProgramRun::~ProgramRun() = default;

bool ProgramRun::start(int port)
{
    writeLastPortNr(static_cast<unsigned>(port));
    return m_child.start(L"Kestrelwave.exe", L"");
}

bool ProgramRun::startConnected(int port, unsigned timeoutMs)
{
    return start(port) && waitMainWindow(timeoutMs) && waitConnectionCaption(L"Connected", timeoutMs);
}

HWND ProgramRun::showPage(int position, int templateId)
{
    if (!waitUntil([&] { return selectTreeItem(position); }, 20000) ||
        !waitUntil([&] { return IsWindowVisible(page(templateId)) != FALSE; }, 5000))
        return nullptr;
    return page(templateId);
}

HWND ProgramRun::mainWindow() const
{
    return windowshot::findMainWindow(m_child.id());
}

HWND ProgramRun::waitMainWindow(unsigned timeoutMs)
{
    HWND found = nullptr;
    waitUntil([&] { return (found = mainWindow()) != nullptr || !m_child.running(); }, timeoutMs);
    return found;
}

std::wstring ProgramRun::controlText(int id) const
{
    HWND main = mainWindow();
    HWND control = main ? windowshot::findDescendant(main, id) : nullptr;
    return control ? windowshot::windowText(control) : std::wstring();
}

// The pages share control ids with the bottom page: look only there.
std::wstring ProgramRun::connectionCaption() const
{
    HWND bottom = page(kBottomPage);
    HWND control = bottom ? windowshot::findDescendant(bottom, kConnectionCaption) : nullptr;
    return control ? windowshot::windowText(control) : std::wstring();
}

bool ProgramRun::waitConnectionCaption(const std::wstring& text, unsigned timeoutMs) const
{
    return waitUntil([&] { return connectionCaption() == text; }, timeoutMs);
}

std::wstring ProgramRun::answerMessageBox(int button, unsigned timeoutMs)
{
    HWND box = nullptr;
    if (!waitUntil([&] { return (box = windowshot::findDialogBox(L"Kestrelwave", m_child.id())) != nullptr; },
                   timeoutMs))
        return std::wstring();
    const std::wstring text = windowshot::dialogText(box);
    PostMessageW(box, WM_COMMAND, button, 0);
    waitUntil([&] { return !IsWindow(box); }, 5000);
    return text;
}

bool ProgramRun::answerOpenFile(const std::wstring& path, unsigned timeoutMs)
{
    const int kFileNameEdit = 1152, kFileNameCombo = 1148;
    HWND dialog = nullptr;
    if (!waitUntil([&] { return (dialog = windowshot::findDialogBox(L"OPEN", m_child.id())) != nullptr; },
                   timeoutMs))
        return false;
    for (int id : {kFileNameCombo, kFileNameEdit})
        if (HWND name = GetDlgItem(dialog, id))
            SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    return waitUntil([&] { return !IsWindow(dialog); }, 10000);
}

HWND ProgramRun::page(int templateId) const
{
    HWND main = mainWindow();
    return main ? windowshot::findDescendant(main, templateId) : nullptr;
}

bool ProgramRun::selectTreeItem(int position)
{
    HWND left = page(kLeftPage);
    HWND tree = left ? windowshot::findDescendant(left, kPageTree) : nullptr;
    HTREEITEM item = tree ? itemAt(tree, TreeView_GetRoot(tree), position) : nullptr;
    return item && SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
}

void ProgramRun::command(int id) const
{
    PostMessageW(mainWindow(), WM_COMMAND, id, 0);
}

bool ProgramRun::screenshot(const std::wstring& name) const
{
    return screenshot(name, mainWindow());
}

bool ProgramRun::screenshot(const std::wstring& name, HWND window) const
{
    const std::wstring folder = ChildProcess::programFolder() + L"..\\screenshots\\";
    CreateDirectoryW(folder.c_str(), nullptr);
    if (!window)
        return false;
    SetForegroundWindow(window);
    Sleep(500);
    return windowshot::savePng(window, folder + name + L".png");
}

int ProgramRun::close(unsigned timeoutMs)
{
    if (HWND main = mainWindow())
        PostMessageW(main, WM_CLOSE, 0, 0);
    return m_child.wait(timeoutMs);
}

} // namespace kwtest
