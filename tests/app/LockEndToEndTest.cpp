// The lock through the program's own window against kwsim.exe: the
// password typed into the real dialog, the lock block on the line, the
// pages that a locked controller leaves usable, also after the next
// connection, and no write from any page, dialog or command while locked.

#include "KwSimProcess.h"
#include "ProgramRun.h"
#include "SimController.h"
#include "WindowShot.h"

#include <DeviceSettingsFiles.h>
#include <SettingsFileIO.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <functional>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace {

using kwtest::ProgramRun;
using kwtest::waitUntil;

const unsigned kStartMs = 90000;
const int kLockPage = 327;
const int kInfoPage = 322;
const int kLockButton = 1102;
const int kPasswordEdit = 1230;
// The last item of the tree of a controller without an OBD module.
const int kCreditInspectionItem = 9;
const int kOtherPages[] = {316, 315, 326, 318, 317, 319, 320, 321, 312, 323};

std::vector<std::vector<uint8_t>> writesOf(const std::vector<kwsim::SimRequest>& log, uint8_t block)
{
    std::vector<std::vector<uint8_t>> out;
    for (const kwsim::SimRequest& r : log)
        if (r.cmd == block)
            out.push_back(r.payload);
    return out;
}

std::vector<std::vector<uint8_t>> lockWrites(const kwtest::KwSimProcess& sim)
{
    return writesOf(sim.requests(), 3);
}

bool started(ProgramRun& program, const kwtest::KwSimProcess& sim)
{
    return program.startConnected(sim.programPort(), kStartMs);
}

bool showLockPage(ProgramRun& program)
{
    return program.showPage(kCreditInspectionItem, kLockPage) != nullptr;
}

std::wstring lockButtonText(ProgramRun& program)
{
    HWND button = windowshot::findDescendant(program.page(kLockPage), kLockButton);
    return button ? windowshot::windowText(button) : std::wstring();
}

// The lock button pressed and `password` typed into the password dialog.
bool pressLock(ProgramRun& program, const std::wstring& password)
{
    HWND button = windowshot::findDescendant(program.page(kLockPage), kLockButton);
    if (!button)
        return false;
    PostMessageW(program.page(kLockPage), WM_COMMAND, MAKEWPARAM(kLockButton, BN_CLICKED), LPARAM(button));
    HWND dialog = nullptr;
    if (!waitUntil(
            [&] {
                return (dialog = windowshot::findDialogBox(L"Password", program.child().id())) != nullptr;
            },
            10000))
        return false;
    SendMessageW(GetDlgItem(dialog, kPasswordEdit), WM_SETTEXT, 0, LPARAM(password.c_str()));
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), LPARAM(GetDlgItem(dialog, IDOK)));
    return waitUntil([&] { return !IsWindow(dialog); }, 10000);
}

bool onlyLockAndInfoEnabled(ProgramRun& program)
{
    for (int id : kOtherPages)
        if (IsWindowEnabled(program.page(id)))
            return false;
    return IsWindowEnabled(program.page(kLockPage)) && IsWindowEnabled(program.page(kInfoPage));
}

bool allEnabled(ProgramRun& program)
{
    for (int id : kOtherPages)
        if (!IsWindowEnabled(program.page(id)))
            return false;
    return true;
}

} // namespace

TEST(ProgramLock, LocksThroughTheWindowStaysLockedOnTheNextConnectionAndUnlocks)
{
    kwtest::KwSimProcess sim;
    ASSERT_TRUE(sim.start(L"--version 805"));
    {
        ProgramRun program;
        ASSERT_TRUE(started(program, sim)) << program.connectionCaption();
        ASSERT_TRUE(showLockPage(program));
        EXPECT_EQ(L"Set Password (Lock)", lockButtonText(program));
        ASSERT_TRUE(pressLock(program, L"ABC123"));
        ASSERT_TRUE(waitUntil([&] { return lockWrites(sim).size() == 1; }, 10000));
        std::vector<uint8_t> image(60, 0);
        const std::string password = "ABC123";
        std::copy(password.begin(), password.end(), image.begin() + 36);
        EXPECT_EQ(image, lockWrites(sim)[0]);
        EXPECT_TRUE(waitUntil([&] { return lockButtonText(program) == L"Unlock"; }, 5000));
        EXPECT_TRUE(onlyLockAndInfoEnabled(program));
        EXPECT_TRUE(program.screenshot(L"page-credit-inspection-locked"));
        EXPECT_EQ(0, program.close(30000));
    }
    // The next connection reads the lock back: the pages stay disabled.
    ProgramRun program;
    ASSERT_TRUE(started(program, sim)) << program.connectionCaption();
    EXPECT_TRUE(waitUntil([&] { return onlyLockAndInfoEnabled(program); }, 10000));
    ASSERT_TRUE(showLockPage(program));
    EXPECT_TRUE(waitUntil([&] { return lockButtonText(program) == L"Unlock"; }, 5000));

    // A prefix of the password does not unlock; the whole of it does.
    ASSERT_TRUE(pressLock(program, L"ABC"));
    EXPECT_EQ(L"Invalid password", program.answerMessageBox(IDOK, 10000));
    EXPECT_EQ(1u, lockWrites(sim).size());
    ASSERT_TRUE(pressLock(program, L"ABC123"));
    ASSERT_TRUE(waitUntil([&] { return lockWrites(sim).size() == 2; }, 10000));
    EXPECT_EQ(std::vector<uint8_t>(60, 0), lockWrites(sim)[1]);
    EXPECT_TRUE(waitUntil([&] { return allEnabled(program); }, 5000));
    EXPECT_EQ(L"Set Password (Lock)", lockButtonText(program));
    EXPECT_EQ(0, program.close(30000));
}

namespace {

const int kBottomPage = 313;
// Every page: settings, calibration, maps, oscilloscope, OBD, the lock and
// information pages, then the bottom and navigation pages.
const int kEveryPage[] = {316, 315, 326, 323, 318, 317, 319, 320, 321, 312, 322, 327, kBottomPage, 311};
// Connect, Load, Save, Restore, the two languages, Device update, hidden
// features, About.
const int kMenuCommands[] = {32771, 32772, 32774, 32775, 32777, 32776, 32778, 32780, 57664};
const int kFileNameCombo = 1148, kFileNameEdit = 1152;
const int kConsoleButton = 1001;
// Block 18 with the link on; no ECU answers it.
const std::wstring kLinkOn = L"DF070000E8070000"
                             L"01020803";

// Controls of the system that need no test here; a scroll bar would hold
// a sent click in its own loop.
const std::set<std::wstring> kSystemClasses = {L"Static",        L"SysTreeView32",    L"ScrollBar",
                                               L"ListBox",       L"ComboBoxEx32",     L"ToolbarWindow32",
                                               L"SysListView32", L"SysHeader32",      L"msctls_trackbar32",
                                               L"#32770",        L"msctls_progress32"};

std::wstring className(HWND window)
{
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

std::vector<HWND> descendants(HWND window)
{
    std::vector<HWND> out;
    EnumChildWindows(
        window,
        [](HWND child, LPARAM list) {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&out));
    return out;
}

// Uses every control of every page and dialog of a program whose controller
// is locked, one message at a time, as the user's action reaches the
// program; each dialog or message box it opens meanwhile is used in turn and
// closed.
class LockedProgramDriver
{
public:
    // `openPath`: the settings file chosen in every file dialog that opens one.
    LockedProgramDriver(ProgramRun& program, const std::wstring& openPath)
        : m_program(program), m_openPath(openPath)
    {
    }

    void menu(int command) { send(m_program.mainWindow(), WM_COMMAND, command, 0); }

    void useEveryControl(HWND window)
    {
        for (HWND control : descendants(window)) {
            if (!IsWindow(control))
                continue;
            const std::wstring kind = className(control);
            const HWND parent = GetParent(control);
            const WPARAM id = WPARAM(GetDlgCtrlID(control));
            if (kind == L"Button") {
                if (id == IDOK || id == IDCANCEL)
                    continue;
                const LONG type = GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK;
                if (type == BS_CHECKBOX || type == BS_AUTOCHECKBOX)
                    send(control, BM_SETCHECK,
                         SendMessageW(control, BM_GETCHECK, 0, 0) ? BST_UNCHECKED : BST_CHECKED, 0);
                send(parent, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), LPARAM(control));
            } else if (kind == L"ComboBox") {
                const LRESULT items = SendMessageW(control, CB_GETCOUNT, 0, 0);
                for (LRESULT item = 0; item < std::min<LRESULT>(items, 2); ++item) {
                    send(control, CB_SETCURSEL, item, 0);
                    send(parent, WM_COMMAND, MAKEWPARAM(id, CBN_SELENDOK), LPARAM(control));
                }
            } else if (kind == L"Edit") {
                send(control, WM_SETTEXT, 0, LPARAM(L"3"));
                send(parent, WM_COMMAND, MAKEWPARAM(id, EN_KILLFOCUS), LPARAM(control));
            } else if (!kSystemClasses.count(kind)) {
                // Spins (their upper half), tables, charts and drawn boxes:
                // a click of either button.
                RECT r{};
                GetClientRect(control, &r);
                const LPARAM at = MAKELPARAM(r.right / 2, r.bottom / 4);
                // The system's controls would show the window menu for a right click.
                const bool own = kind.rfind(L"Wfx:", 0) == 0;
                for (UINT down : {WM_LBUTTONDOWN, WM_RBUTTONDOWN}) {
                    if (down == WM_RBUTTONDOWN && !own)
                        continue;
                    send(control, down, down == WM_LBUTTONDOWN ? MK_LBUTTON : MK_RBUTTON, at);
                    send(control, down + 1, 0, at);
                }
            }
        }
    }

    // A double click of a button as the button tells its parent.
    void doubleClick(HWND window, int id)
    {
        HWND button = GetDlgItem(window, id);
        send(window, WM_COMMAND, MAKEWPARAM(id, BN_DOUBLECLICKED), LPARAM(button));
    }

    // Titles of the dialogs and texts of the message boxes met, in order.
    std::vector<std::wstring> met;
    // Titles of the dialogs that showed a control enabled besides OK and Cancel.
    std::set<std::wstring> editable;

private:
    static bool hasEnabledControl(HWND dialog)
    {
        for (HWND child : descendants(dialog)) {
            const int id = GetDlgCtrlID(child);
            if (id != IDOK && id != IDCANCEL && className(child) != L"Static" && IsWindowEnabled(child))
                return true;
        }
        return false;
    }

    std::vector<HWND> openDialogs() const
    {
        struct Search
        {
            DWORD pid;
            std::vector<HWND> found;
        } search{m_program.child().id(), {}};
        EnumWindows(
            [](HWND window, LPARAM param) {
                auto* s = reinterpret_cast<Search*>(param);
                DWORD pid = 0;
                GetWindowThreadProcessId(window, &pid);
                if (pid == s->pid && IsWindowVisible(window) && className(window) == L"#32770")
                    s->found.push_back(window);
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&search));
        return search.found;
    }

    // Until `done`, whatever the program opens is used and closed.
    void watch(const std::function<bool()>& done, DWORD timeoutMs = 60000)
    {
        const DWORD start = GetTickCount();
        while (!done() && GetTickCount() - start < timeoutMs) {
            for (HWND dialog : openDialogs())
                if (m_known.insert(dialog).second)
                    handle(dialog);
            Sleep(20);
        }
    }

    // The program takes the message on its own time: meanwhile the dialogs
    // it opens are handled here.
    void send(HWND target, UINT message, WPARAM wParam, LPARAM lParam)
    {
        std::atomic<bool> done{false};
        std::thread sender([&] {
            DWORD_PTR result = 0;
            SendMessageTimeoutW(target, message, wParam, lParam, SMTO_NORMAL, 60000, &result);
            done = true;
        });
        watch([&] { return done.load(); });
        sender.join();
    }

    void handle(HWND dialog)
    {
        const std::wstring title = windowshot::windowText(dialog);
        if (title == L"Kestrelwave") {
            met.push_back(windowshot::dialogText(dialog));
            PostMessageW(dialog, WM_COMMAND, GetDlgItem(dialog, IDYES) ? IDYES : IDOK, 0);
        } else if (GetDlgItem(dialog, kFileNameCombo)) {
            // A file dialog is the system's: a settings file is opened,
            // nothing is saved.
            met.push_back(title);
            const bool open = title == L"OPEN";
            if (open)
                for (int id : {kFileNameCombo, kFileNameEdit})
                    if (HWND name = GetDlgItem(dialog, id))
                        SendMessageW(name, WM_SETTEXT, 0, LPARAM(m_openPath.c_str()));
            PostMessageW(dialog, WM_COMMAND, open ? IDOK : IDCANCEL, 0);
        } else {
            met.push_back(title);
            if (hasEnabledControl(dialog))
                editable.insert(title);
            useEveryControl(dialog);
            // OK first, as the user's boldest answer.
            for (WPARAM button : {IDOK, IDCANCEL}) {
                if (IsWindow(dialog))
                    PostMessageW(dialog, WM_COMMAND, button, 0);
                watch([&] { return !IsWindowVisible(dialog); }, 3000);
            }
        }
        watch([&] { return !IsWindowVisible(dialog); });
    }

    ProgramRun& m_program;
    const std::wstring m_openPath;
    std::set<HWND> m_known;
};

// What the log shows that a locked controller should never have received:
// a block write (but the unlock, the PC-connection log after it and block
// 18 of the start-up test), a memory or map-step write, a command that
// changes settings or outputs, a bootloader command. The fuel switch of
// the bottom page and the clearing of errors of the information page stay
// the user's.
std::vector<std::string> forbiddenRequests(const std::vector<kwsim::SimRequest>& log, size_t startupEnd,
                                           size_t unlockFrom)
{
    const std::set<int> changingActions = {19, 20, 23, 24, 28, 29, 96};
    std::vector<std::string> out;
    for (size_t i = 0; i < log.size(); ++i) {
        const kwsim::SimRequest& r = log[i];
        bool allowed = r.cmd == 25 || (r.cmd == 2 && !changingActions.count(r.selector));
        allowed =
            allowed || (r.cmd == 18 && i < startupEnd) || ((r.cmd == 3 || r.cmd == 19) && i >= unlockFrom);
        if (!allowed)
            out.push_back(std::to_string(r.cmd) + "/" + std::to_string(r.selector) + " at " +
                          std::to_string(i));
    }
    return out;
}

std::vector<uint8_t> bytesOf(const std::wstring& hex)
{
    std::vector<uint8_t> out;
    for (size_t i = 0; i + 1 < hex.size(); i += 2)
        out.push_back(uint8_t(std::stoi(std::wstring(hex, i, 2), nullptr, 16)));
    return out;
}

} // namespace

// A locked controller with an OBD module, an untouched set-up and a preset
// beside the program: every control of every page and dialog, and every
// menu command, used while it is locked; a file dialog that opens a file
// is given the preset. The controller receives no write
// but the start-up OBD test, which puts block 18 back as found, the unlock
// and the PC-connection log at the close.
TEST(ProgramLock, LockedControllerTakesNoWriteFromAnyPageDialogOrCommand)
{
    const std::wstring preset = presetFilePath(kInitialSettingsPreset);
    CreateDirectoryW(preset.substr(0, preset.rfind(L'\\')).c_str(), nullptr);
    ASSERT_TRUE(writeSettingsFile(preset, CSettingsRecord()));
    kwtest::KwSimProcess sim;
    const std::wstring password = L"3132333435363738";
    ASSERT_TRUE(sim.start(L"--version 805 --hardware 0 --obd-module --ecu none --block 18:" + kLinkOn +
                          L" --block 3:" + std::wstring(72, L'0') + password + std::wstring(32, L'0')));
    ProgramRun program;
    ASSERT_TRUE(started(program, sim)) << program.connectionCaption();
    // The start-up link test: its tries, then block 18 as found.
    ASSERT_TRUE(waitUntil(
        [&] {
            const auto writes = writesOf(sim.requests(), 18);
            return !writes.empty() && writes.back() == bytesOf(kLinkOn);
        },
        60000));
    const size_t startupEnd = sim.requests().size();
    EXPECT_TRUE(onlyLockAndInfoEnabled(program));

    LockedProgramDriver driver(program, preset);
    for (int page : kEveryPage) {
        SCOPED_TRACE(page);
        ASSERT_TRUE(program.page(page));
        driver.useEveryControl(program.page(page));
    }
    driver.doubleClick(program.page(kBottomPage), kConsoleButton);
    for (int command : kMenuCommands)
        driver.menu(command);
    for (const wchar_t* dialog : {L"Console Setup", L"On Board Diagnostic Setup", L"PC connections"})
        EXPECT_NE(driver.met.end(), std::find(driver.met.begin(), driver.met.end(), dialog)) << dialog;
    // The settings dialogs only show.
    for (const wchar_t* dialog : {L"Console Setup", L"On Board Diagnostic Setup"})
        EXPECT_EQ(0u, driver.editable.count(dialog)) << dialog;
    EXPECT_TRUE(onlyLockAndInfoEnabled(program));

    const size_t unlockFrom = sim.requests().size();
    ASSERT_TRUE(pressLock(program, L"12345678"));
    ASSERT_TRUE(waitUntil([&] { return lockWrites(sim).size() == 1; }, 10000));
    EXPECT_EQ(std::vector<uint8_t>(60, 0), lockWrites(sim)[0]);
    EXPECT_EQ(0, program.close(30000));
    DeleteFileW(preset.c_str());

    const std::vector<kwsim::SimRequest> log = sim.requests();
    EXPECT_EQ(std::vector<std::string>{}, forbiddenRequests(log, startupEnd, unlockFrom));
    EXPECT_EQ(1u, writesOf(log, 19).size());
}
