// The lock through the program's own window against kwsim.exe: the
// password typed into the real dialog, the lock block on the line, and
// the pages that a locked controller leaves usable, also after the next
// connection.

#include "KwSimProcess.h"
#include "ProgramRun.h"
#include "SimController.h"
#include "WindowShot.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
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

std::vector<kwsim::SimRequest> lockWrites(const kwtest::KwSimProcess& sim)
{
    std::vector<kwsim::SimRequest> writes;
    std::istringstream lines(sim.log());
    for (std::string line; std::getline(lines, line);) {
        kwsim::SimRequest request;
        if (kwsim::SimRequest::fromLogLine(line, request) && request.cmd == 3)
            writes.push_back(request);
    }
    return writes;
}

bool started(ProgramRun& program, const kwtest::KwSimProcess& sim)
{
    return program.start(sim.programPort()) && program.waitMainWindow(kStartMs) &&
           program.waitConnectionCaption(L"Connected", kStartMs);
}

// The tree takes its items a moment after the caption shows.
bool showLockPage(ProgramRun& program)
{
    return waitUntil([&] { return program.selectTreeItem(kCreditInspectionItem); }, 20000) &&
           waitUntil([&] { return IsWindowVisible(program.page(kLockPage)) != FALSE; }, 5000);
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
        EXPECT_EQ(image, lockWrites(sim)[0].payload);
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
    EXPECT_EQ(std::vector<uint8_t>(60, 0), lockWrites(sim)[1].payload);
    EXPECT_TRUE(waitUntil([&] { return allEnabled(program); }, 5000));
    EXPECT_EQ(L"Set Password (Lock)", lockButtonText(program));
    EXPECT_EQ(0, program.close(30000));
}
