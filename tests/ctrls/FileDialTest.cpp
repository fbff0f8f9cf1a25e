#include "DanglingDrive.h"
#include "WfxTestSupport.h"

#include <CFileDial.h>
#include <FileDialIds.h>
#include <TempDir.h>

#include <gtest/gtest.h>

#include <functional>

namespace {

std::wstring textOf(HWND wnd)
{
    wchar_t text[512] = {};
    GetWindowTextW(wnd, text, 512);
    return text;
}

// Drives the running file dialog and the name dialogs it opens.
class FileDialScript
{
public:
    explicit FileDialScript(std::function<void(CFileDial&)> script)
        : m_hook([this, script](CDialog& d) {
              if (auto* names = dynamic_cast<CNewFolderNameDial*>(&d)) {
                  captions.push_back(textOf(names->m_hWnd));
                  offered.push_back(textOf(names->GetDlgItem(IDC_NEW_FOLDER_NAME)->m_hWnd));
                  names->SetDlgItemText(IDC_NEW_FOLDER_NAME, nextName.c_str());
                  names->OnOK();
              } else if (auto* dial = dynamic_cast<CFileDial*>(&d)) {
                  script(*dial);
                  if (dial->m_hWnd && dial->ContinueModal())
                      dial->EndDialog(IDCANCEL);
              }
          })
    {
    }

    std::wstring nextName;
    std::vector<std::wstring> captions;
    std::vector<std::wstring> offered;

private:
    wfxtest::ModalHook m_hook;
};

HWND item(CFileDial& d, int id)
{
    return ::GetDlgItem(d.m_hWnd, id);
}

// The list's entries as "name/data".
std::vector<std::wstring> listed(CFileDial& d)
{
    HWND list = item(d, IDC_FILE_LIST);
    std::vector<std::wstring> entries;
    int count = ListView_GetItemCount(list);
    for (int i = 0; i < count; ++i) {
        wchar_t text[260] = {};
        ListView_GetItemText(list, i, 0, text, 260);
        LVITEMW info = {};
        info.mask = LVIF_PARAM;
        info.iItem = i;
        ListView_GetItem(list, &info);
        entries.push_back(std::wstring(text) + L"/" + std::to_wstring(info.lParam));
    }
    return entries;
}

int indexOf(CFileDial& d, const std::wstring& name)
{
    LVFINDINFOW find = {};
    find.flags = LVFI_STRING;
    find.psz = name.c_str();
    return int(
        ::SendMessageW(item(d, IDC_FILE_LIST), LVM_FINDITEMW, WPARAM(-1), reinterpret_cast<LPARAM>(&find)));
}

void doubleClick(CFileDial& d, const std::wstring& name)
{
    HWND list = item(d, IDC_FILE_LIST);
    RECT r;
    ListView_GetItemRect(list, indexOf(d, name), &r, LVIR_LABEL);
    LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    ::SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::SendMessageW(list, WM_LBUTTONUP, 0, at);
    ::SendMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
}

// The prefix's Unix name of a path on drive C.
std::string unixPathOf(const std::wstring& path)
{
    std::string unix = kwtest::winePrefix() + "/drive_c";
    for (wchar_t ch : path.substr(2))
        unix += ch == L'\\' ? '/' : char(ch);
    return unix;
}

HWND g_menuKeysTo = nullptr;

// A popup menu of this thread is showing.
bool menuShown()
{
    bool shown = false;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND wnd, LPARAM found) {
            wchar_t name[16] = {};
            GetClassNameW(wnd, name, 16);
            if (wcscmp(name, L"#32768") == 0 && IsWindowVisible(wnd))
                *reinterpret_cast<bool*>(found) = true;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&shown));
    return shown;
}

// Runs inside the popup menu's loop: picks its first entry, "Usuń".
void CALLBACK chooseFirstMenuEntry(HWND, UINT, UINT_PTR id, DWORD)
{
    if (!menuShown())
        return; // not yet: the list still tracks the button
    KillTimer(nullptr, id);
    ::PostMessageW(g_menuKeysTo, WM_KEYDOWN, VK_DOWN, 1);
    ::PostMessageW(g_menuKeysTo, WM_KEYDOWN, VK_RETURN, 1);
}

void CALLBACK closeMenu(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    EndMenu();
}

void click(CFileDial& d, int id)
{
    d.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(item(d, id)));
}

void choose(CFileDial& d, int combo, int index)
{
    ::SendMessageW(item(d, combo), CB_SETCURSEL, WPARAM(index), 0);
    d.SendMessage(WM_COMMAND, MAKEWPARAM(combo, CBN_SELCHANGE), reinterpret_cast<LPARAM>(item(d, combo)));
}

void typeAndConfirm(CFileDial& d, const wchar_t* name)
{
    ::SetWindowTextW(item(d, IDC_FILE_NAME), name);
    d.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(item(d, IDOK)));
}

class FileDialTest : public testing::Test
{
protected:
    void SetUp() override
    {
        CreateDirectoryW(dir.file(L"sub").c_str(), nullptr);
        kwtest::writeFileBytes(dir.file(L"a.txt"), "a");
        kwtest::writeFileBytes(dir.file(L"b.dat"), "b");
    }

    std::wstring root() const { return dir.path() + L"\\"; }
    static bool exists(const std::wstring& path)
    {
        return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
    }

    std::vector<CFileFilter> types{{L"Text", L"*.txt"}, {L"All", L"*.*"}};
    kwtest::TempDir dir;
};

} // namespace

TEST_F(FileDialTest, OpensAFileByDoubleClickAndPutsTheResourceHandleBack)
{
    HINSTANCE resources = AfxGetResourceHandle();
    std::vector<std::wstring> shown;
    FileDialScript script([&](CFileDial& d) {
        shown = {textOf(d.m_hWnd), textOf(item(d, IDOK)), textOf(item(d, IDC_FOLDER_GROUP)),
                 textOf(item(d, IDC_FOLDER)), textOf(item(d, IDC_DRIVE))};
        EXPECT_EQ((std::vector<std::wstring>{L"sub/1", L"a.txt/2"}), listed(d));
        // OK and Cancel sit 80 by 25 in the bottom-right corner, whatever the size.
        d.SetWindowPos(nullptr, 0, 0, 700, 500, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        CRect ok = wfxtest::rectInParent(*d.GetDlgItem(IDOK));
        CRect cancel = wfxtest::rectInParent(*d.GetDlgItem(IDCANCEL));
        EXPECT_EQ(CSize(80, 25), ok.Size());
        EXPECT_EQ(CSize(80, 25), cancel.Size());
        EXPECT_EQ(ok.right, cancel.right);
        EXPECT_EQ(35, ok.bottom - cancel.bottom);
        CRect window;
        d.GetWindowRect(&window);
        d.ScreenToClient(&window);
        EXPECT_EQ(window.right - 5, ok.right);
        EXPECT_EQ(window.bottom - 5, ok.bottom);
        doubleClick(d, L"a.txt");
    });
    {
        CFileDial dialog;
        EXPECT_NE(resources, AfxGetResourceHandle()); // the library's while it lives
        dialog.init(true, L"txt", dir.path(), types);
        EXPECT_EQ(IDOK, dialog.DoModal());
        EXPECT_EQ(resources, AfxGetResourceHandle());
        EXPECT_EQ(root() + L"a.txt", dialog.getFilePath());
        EXPECT_EQ(L"a.txt", dialog.getFileName());
        EXPECT_EQ(root(), dialog.getFolderPath());
    }
    EXPECT_EQ(resources, AfxGetResourceHandle());
    ASSERT_EQ(5u, shown.size());
    EXPECT_EQ(L"Otwieranie", shown[0]);
    EXPECT_EQ(L"Otwórz", shown[1]);
    EXPECT_EQ(L"Otwórz w:", shown[2]);
    EXPECT_EQ(root(), shown[3]);
    EXPECT_EQ(L"c:", shown[4]);
}

TEST_F(FileDialTest, FoldersTypesAndTheNameField)
{
    std::vector<std::wstring> folders;
    FileDialScript script([&](CFileDial& d) {
        doubleClick(d, L"sub");
        folders.push_back(textOf(item(d, IDC_FOLDER)));
        click(d, IDC_UP);
        folders.push_back(textOf(item(d, IDC_FOLDER)));
        choose(d, IDC_FILE_TYPE, 1);
        EXPECT_EQ((std::vector<std::wstring>{L"sub/1", L"a.txt/2", L"b.dat/2"}), listed(d));
        typeAndConfirm(d, L"b.dat");
    });
    CFileDial dialog;
    dialog.init(true, L"", dir.path(), types);
    EXPECT_EQ(IDOK, dialog.DoModal());
    EXPECT_EQ(root() + L"b.dat", dialog.getFilePath());
    EXPECT_EQ((std::vector<std::wstring>{root() + L"sub\\", root()}), folders);

    FileDialScript cancel([](CFileDial& d) { d.SendMessage(WM_COMMAND, IDCANCEL); });
    CFileDial cancelled;
    cancelled.init(true, L"", L"", {});
    EXPECT_EQ(IDCANCEL, cancelled.DoModal());
}

TEST_F(FileDialTest, SaveAsksBeforeReplacingAnExistingFile)
{
    wfxtest::MessageBoxRecorder boxes(IDNO);
    std::wstring fieldAfterNo;
    FileDialScript script([&](CFileDial& d) {
        EXPECT_EQ(L"Zapisz jako", textOf(d.m_hWnd));
        EXPECT_EQ(L"Zapisz", textOf(item(d, IDOK)));
        typeAndConfirm(d, L"a");
        fieldAfterNo = textOf(item(d, IDC_FILE_NAME));
        choose(d, IDC_FILE_TYPE, 1); // declined: not asked again
        typeAndConfirm(d, L"fresh");
    });
    CFileDial dialog;
    dialog.init(false, L".txt", dir.path(), types);
    EXPECT_EQ(IDOK, dialog.DoModal());
    EXPECT_EQ(L"", fieldAfterNo);
    EXPECT_EQ(L"fresh.txt", dialog.getFileName());
    EXPECT_EQ((std::vector<std::wstring>{L"Czy zamienić istniejący plik?"}), boxes.texts);

    wfxtest::MessageBoxRecorder yes(IDYES);
    FileDialScript replace([&](CFileDial& d) { doubleClick(d, L"a.txt"); });
    CFileDial again;
    again.init(false, L".txt", dir.path(), types);
    EXPECT_EQ(IDOK, again.DoModal());
    EXPECT_EQ(root() + L"a.txt", again.getFilePath());
}

TEST_F(FileDialTest, NewFolderAndRenameStayInsideTheFolder)
{
    wfxtest::MessageBoxRecorder boxes(IDYES);
    FileDialScript* running = nullptr;
    std::vector<std::wstring> afterNew;
    FileDialScript script([&](CFileDial& d) {
        running->nextName = L"made";
        click(d, IDC_NEW_FOLDER);
        afterNew = listed(d);
        for (const wchar_t* bad : {L"..\\escape", L"x/y", L"..", L".", L"c:escape", L"a*b"}) {
            running->nextName = bad;
            click(d, IDC_NEW_FOLDER);
        }
        running->nextName = L"renamed";
        d.onRenameFile(indexOf(d, L"made"));
        running->nextName = L"..\\moved";
        d.onRenameFile(indexOf(d, L"renamed"));
        running->nextName = L"sub"; // taken
        d.onRenameFile(indexOf(d, L"renamed"));
    });
    FileDialScript& ref = script;
    running = &ref;
    CFileDial dialog;
    dialog.init(true, L"", dir.path(), {});
    EXPECT_EQ(IDCANCEL, dialog.DoModal());

    EXPECT_EQ((std::vector<std::wstring>{L"made/1", L"sub/1", L"a.txt/2", L"b.dat/2"}), afterNew);
    EXPECT_TRUE(exists(dir.file(L"renamed")));
    EXPECT_FALSE(exists(dir.file(L"made")));
    EXPECT_FALSE(exists(dir.path() + L"\\..\\escape"));
    EXPECT_FALSE(exists(dir.path() + L"\\..\\moved"));
    std::wstring newFailed = L"Nie udało się stworzyć nowego folderu";
    std::wstring renameFailed = L"Nie udało się zmienić nzawy folderu";
    EXPECT_EQ((std::vector<std::wstring>{newFailed, newFailed, newFailed, newFailed, newFailed, newFailed,
                                         renameFailed, renameFailed}),
              boxes.texts);
    EXPECT_EQ(L"Zmiana nazwy folderu", script.captions.back());
    EXPECT_EQ(L"Nowy folder", script.captions.front());
    EXPECT_EQ(L"renamed", script.offered.back());
}

TEST_F(FileDialTest, DeleteRemovesFilesAndFoldersAndNeverFollowsALink)
{
    kwtest::TempDir outside;
    kwtest::writeFileBytes(outside.file(L"keep.txt"), "k");
    CreateDirectoryW(dir.file(L"sub\\deep").c_str(), nullptr);
    kwtest::writeFileBytes(dir.file(L"sub\\deep\\x.txt"), "x");
    CreateDirectoryW(dir.file(L"linked").c_str(), nullptr);
    ASSERT_TRUE(kwtest::runUnixCommand("ln -s '" + unixPathOf(outside.path()) + "' '" +
                                       unixPathOf(dir.file(L"linked\\link")) + "'"));
    ASSERT_TRUE(exists(dir.file(L"linked\\link\\keep.txt")));

    wfxtest::MessageBoxRecorder boxes(IDYES);
    FileDialScript script([&](CFileDial& d) {
        d.onDeleteFile(indexOf(d, L"a.txt"));
        d.onDeleteFile(indexOf(d, L"sub"));
        DeleteFileW(dir.file(L"b.dat").c_str()); // gone meanwhile
        d.onDeleteFile(indexOf(d, L"b.dat"));
        EXPECT_EQ((std::vector<std::wstring>{L"linked/1", L"b.dat/2"}), listed(d));
        EXPECT_EQ((std::vector<std::wstring>{L"Czy na pewno usunąć plik 'a.txt' ?",
                                             L"Czy na pewno usunąć folder 'sub' i całą jego zawartość?",
                                             L"Obiektu nie można usunąć"}),
                  boxes.texts);
        boxes.texts.clear();
        d.onDeleteFile(indexOf(d, L"linked"));
    });
    CFileDial dialog;
    dialog.init(true, L"", dir.path(), {});
    dialog.DoModal();
    EXPECT_FALSE(exists(dir.file(L"a.txt")));
    EXPECT_FALSE(exists(dir.file(L"sub")));
    // The link goes itself, or where the system cannot remove a link without
    // following it, stays and the folder is reported; its target stays whole.
    EXPECT_TRUE(exists(outside.file(L"keep.txt")));
    if (exists(dir.file(L"linked")))
        EXPECT_EQ(L"Błąd przy usuwaniu folderu", boxes.texts.back());
    else
        EXPECT_EQ(1u, boxes.texts.size());
}

// An index that names no entry (none found, or past the last) must never
// stand for the folder shown: nothing is deleted or renamed.
TEST_F(FileDialTest, AnIndexThatNamesNoEntryTouchesNothing)
{
    wfxtest::MessageBoxRecorder boxes(IDYES);
    FileDialScript* running = nullptr;
    std::vector<std::wstring> before, after;
    FileDialScript script([&](CFileDial& d) {
        before = listed(d);
        const int missing = indexOf(d, L"missing.txt");
        EXPECT_EQ(-1, missing);
        running->nextName = L"renamed";
        for (int item : {missing, int(before.size())}) {
            d.onDeleteFile(item);
            d.onRenameFile(item);
        }
        after = listed(d);
    });
    running = &script;
    CFileDial dialog;
    dialog.init(true, L"", dir.path(), {});
    dialog.DoModal();
    EXPECT_EQ((std::vector<std::wstring>{L"sub/1", L"a.txt/2", L"b.dat/2"}), before);
    EXPECT_EQ(before, after);
    for (const wchar_t* name : {L"sub", L"a.txt", L"b.dat"})
        EXPECT_TRUE(exists(dir.file(name))) << name;
    EXPECT_FALSE(exists(dir.file(L"renamed")));
    EXPECT_TRUE(script.captions.empty()); // no name asked for an entry that is not there
    const std::wstring noEntry = L"Obiektu nie można usunąć";
    const std::wstring renameFailed = L"Nie udało się zmienić nzawy folderu";
    EXPECT_EQ((std::vector<std::wstring>{noEntry, renameFailed, noEntry, renameFailed}), boxes.texts);
}

TEST_F(FileDialTest, FolderThatCannotBeEmptiedIsReported)
{
    CreateDirectoryW(dir.file(L"sub\\deep").c_str(), nullptr);
    std::wstring locked = dir.file(L"sub\\deep\\locked.txt");
    kwtest::writeFileBytes(locked, "l");
    SetFileAttributesW(locked.c_str(), FILE_ATTRIBUTE_READONLY);
    wfxtest::MessageBoxRecorder boxes(IDYES);
    FileDialScript script([&](CFileDial& d) { d.onDeleteFile(indexOf(d, L"sub")); });
    CFileDial dialog;
    dialog.init(true, L"", dir.path(), {});
    dialog.DoModal();
    EXPECT_TRUE(exists(locked));
    ASSERT_EQ(2u, boxes.texts.size());
    EXPECT_EQ(L"Błąd przy usuwaniu folderu", boxes.texts[1]);
    SetFileAttributesW(locked.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(FileDialTest, DriveThatIsNotReadyReturnsToTheFolder)
{
    DanglingDrive drive('q');
    wfxtest::MessageBoxRecorder boxes;
    std::wstring folderAfter, readyFolder;
    FileDialScript script([&](CFileDial& d) {
        HWND drives = item(d, IDC_DRIVE);
        int q = int(::SendMessageW(drives, CB_FINDSTRINGEXACT, WPARAM(-1), reinterpret_cast<LPARAM>(L"q:")));
        if (q < 0) // listed only when the system saw the drive when the dialog started
            q = int(::SendMessageW(drives, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"q:")));
        choose(d, IDC_DRIVE, q);
        folderAfter = textOf(item(d, IDC_FOLDER));
        choose(d, IDC_DRIVE, int(::SendMessageW(drives, CB_FINDSTRINGEXACT, WPARAM(-1), LPARAM(L"c:"))));
        readyFolder = textOf(item(d, IDC_FOLDER));
    });
    CFileDial dialog;
    dialog.init(true, L"", dir.path(), {});
    dialog.DoModal();
    EXPECT_EQ(root(), folderAfter);
    EXPECT_EQ(L"c:\\", readyFolder); // a ready drive opens at its root
    EXPECT_EQ((std::vector<std::wstring>{L"Urządzenie q: nie jest gotowe."}), boxes.texts);
}

TEST_F(FileDialTest, RightClickOffersDeleteAndAnEmptyFolderMeansTheCurrentOne)
{
    wchar_t previous[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, previous);
    SetCurrentDirectoryW(dir.path().c_str());
    wfxtest::MessageBoxRecorder boxes(IDYES);
    std::wstring folder;
    FileDialScript script([&](CFileDial& d) {
        folder = textOf(item(d, IDC_FOLDER));
        HWND list = item(d, IDC_FILE_LIST);
        RECT r;
        ListView_GetItemRect(list, indexOf(d, L"b.dat"), &r, LVIR_LABEL);
        g_menuKeysTo = list;
        UINT_PTR chooser = SetTimer(nullptr, 0, 50, chooseFirstMenuEntry);
        UINT_PTR guard = SetTimer(nullptr, 0, 3000, closeMenu); // never waits on a menu
        LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        ::PostMessageW(list, WM_RBUTTONUP, 0, at); // ends the list's own drag detection
        ::SendMessageW(list, WM_RBUTTONDOWN, MK_RBUTTON, at);
        KillTimer(nullptr, guard);
        KillTimer(nullptr, chooser);
    });
    CFileDial dialog;
    dialog.init(true, L"", L"", {});
    dialog.DoModal();
    SetCurrentDirectoryW(previous);
    EXPECT_EQ(root(), folder);
    EXPECT_EQ((std::vector<std::wstring>{L"Czy na pewno usunąć plik 'b.dat' ?"}), boxes.texts);
    EXPECT_FALSE(exists(dir.file(L"b.dat")));
}
