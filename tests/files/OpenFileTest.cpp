#include <COpenFile.h>
#include <TempDir.h>

#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <thread>

namespace {

const wchar_t* const kFilter = L"Settings file (*.settings)|*.settings|";
const int kFileNameBox = 1148; // the name box of the system dialog

// Waits for the dialog of the title and acts on it, as a user would. A
// dialog still open long after is cancelled, so a failing test never hangs.
class DialogUser
{
public:
    DialogUser(const wchar_t* title, std::function<void(HWND)> act)
        : m_thread([=] {
              HWND dialog = nullptr;
              for (int i = 0; i < 2000 && !dialog; ++i) {
                  Sleep(10);
                  dialog = FindWindowW(L"#32770", title);
              }
              if (!dialog)
                  return;
              Sleep(200);
              act(dialog);
              for (int i = 0; i < 500 && IsWindow(dialog); ++i)
                  Sleep(10);
              while (IsWindow(dialog)) {
                  PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
                  Sleep(100);
              }
          })
    {
    }
    ~DialogUser() { m_thread.join(); }

private:
    std::thread m_thread;
};

TEST(OpenFileTest, HookAnswersInPlaceOfTheDialog)
{
    COpenFile::setAnswerHook([](const COpenFile& dialog) {
        EXPECT_EQ(L"C:\\folder\\", dialog.initialFolder());
        EXPECT_EQ(kFilter, dialog.filter());
        EXPECT_EQ(L"settings", dialog.defaultExtension());
        EXPECT_TRUE(dialog.isSave());
        return std::wstring(L"C:\\folder\\car.settings");
    });
    EXPECT_EQ(L"C:\\folder\\car.settings",
              COpenFile(L"C:\\folder\\", kFilter, L"settings", true).askFileName());
    COpenFile::setAnswerHook(nullptr);
}

TEST(OpenFileTest, CancellingTheDialogGivesAnEmptyPath)
{
    kwtest::TempDir dir;
    DialogUser user(L"OPEN", [](HWND dialog) { PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0); });
    EXPECT_EQ(L"", COpenFile(dir.path(), kFilter, L"settings", false).askFileName());
}

TEST(OpenFileTest, SaveDialogStartsInTheFolderAndAddsTheExtension)
{
    kwtest::TempDir dir;
    DialogUser user(L"SAVE", [](HWND dialog) {
        SetDlgItemTextW(dialog, kFileNameBox, L"my car");
        PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    });
    std::wstring chosen = COpenFile(dir.path(), kFilter, L"settings", true).askFileName();
    EXPECT_EQ(0, lstrcmpiW(dir.file(L"my car.settings").c_str(), chosen.c_str())) << chosen;
}

} // namespace
