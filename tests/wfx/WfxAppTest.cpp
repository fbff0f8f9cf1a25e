#include "WfxTestSupport.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const wchar_t kKey[] = L"KestrelwaveTest";

// An application whose profile lives under a key of the test's own,
// removed before and after.
class ProfileApp : public CWinAppEx
{
public:
    ProfileApp()
    {
        SetRegistryKey(kKey);
        RegDeleteTreeW(HKEY_CURRENT_USER, path().c_str());
    }
    ~ProfileApp() override { RegDeleteTreeW(HKEY_CURRENT_USER, path().c_str()); }

    std::wstring path() const { return std::wstring(L"Software\\") + kKey + L"\\" + m_pszProfileName; }
    bool hasKey(LPCWSTR section) const
    {
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, (path() + L"\\" + section).c_str(), 0, KEY_READ, &key) !=
            ERROR_SUCCESS)
            return false;
        RegCloseKey(key);
        return true;
    }
};

std::wstring fullPath(LPCWSTR path)
{
    wchar_t full[MAX_PATH] = {};
    GetFullPathNameW(path, MAX_PATH, full, nullptr);
    return full;
}

} // namespace

TEST(WfxApplication, ProfileKeepsNumbersAndTextsUnderTheRegistryKey)
{
    ProfileApp app;
    EXPECT_STREQ(app.m_pszAppName, app.m_pszProfileName);
    EXPECT_TRUE(app.WriteProfileInt(L"Settings", L"Port", 7));
    EXPECT_TRUE(app.WriteProfileString(L"Settings", L"Name", L"Żółw"));
    EXPECT_EQ(7u, app.GetProfileInt(L"Settings", L"Port", 1));
    EXPECT_EQ(L"Żółw", app.GetProfileString(L"Settings", L"Name").str());
    EXPECT_EQ(3u, app.GetProfileInt(L"Settings", L"Missing", 3));
    EXPECT_EQ(L"none", app.GetProfileString(L"Settings", L"Missing", L"none").str());
    EXPECT_EQ(9u, app.GetProfileInt(L"Settings", L"Name", 9)); // a text is no number

    DWORD port = 0;
    DWORD size = sizeof(port);
    EXPECT_EQ(ERROR_SUCCESS, RegGetValueW(HKEY_CURRENT_USER, (app.path() + L"\\Settings").c_str(), L"Port",
                                          RRF_RT_REG_DWORD, nullptr, &port, &size));
    EXPECT_EQ(7u, port);

    EXPECT_TRUE(app.WriteProfileString(L"Settings", L"Name", nullptr));
    EXPECT_EQ(L"", app.GetProfileString(L"Settings", L"Name").str());
    EXPECT_TRUE(app.WriteProfileString(L"Settings", L"Name", nullptr)); // already gone
    EXPECT_TRUE(app.WriteProfileString(L"Settings", nullptr, nullptr));
    EXPECT_FALSE(app.hasKey(L"Settings"));
}

TEST(WfxApplication, ProfileWithoutRegistryKeyIsAnIniFile)
{
    CWinApp app(L"Ini Test");
    std::wstring file = std::wstring(app.m_pszProfileName);
    EXPECT_NE(std::wstring::npos, file.find(L".INI"));
    EXPECT_TRUE(app.WriteProfileInt(L"Section", L"Number", 42));
    EXPECT_TRUE(app.WriteProfileString(L"Section", L"Text", L"hello"));
    EXPECT_EQ(42u, app.GetProfileInt(L"Section", L"Number", 0));
    EXPECT_EQ(L"hello", app.GetProfileString(L"Section", L"Text").str());
    EXPECT_TRUE(app.WriteProfileString(L"Section", nullptr, nullptr));
    EXPECT_EQ(L"gone", app.GetProfileString(L"Section", L"Text", L"gone").str());
}

TEST(WfxApplication, RecentFileListKeepsTheNewestFourOnce)
{
    ProfileApp app;
    app.LoadStdProfileSettings(4);
    ASSERT_NE(nullptr, app.m_pRecentFileList);
    CRecentFileList& recent = *app.m_pRecentFileList;
    EXPECT_EQ(4, recent.GetSize());
    for (LPCWSTR name :
         {L"C:\\a.settings", L"C:\\b.settings", L"C:\\c.settings", L"C:\\d.settings", L"C:\\e.settings"})
        app.AddToRecentFileList(name);
    EXPECT_EQ(L"C:\\e.settings", recent[0].str());
    EXPECT_EQ(L"C:\\b.settings", recent[3].str()); // a dropped out
    app.AddToRecentFileList(L"c:\\C.SETTINGS");    // the same file moves to the front
    EXPECT_EQ(L"c:\\C.SETTINGS", recent[0].str());
    EXPECT_EQ(L"C:\\e.settings", recent[1].str());
    EXPECT_EQ(L"C:\\d.settings", recent[2].str());
    EXPECT_EQ(L"C:\\b.settings", recent[3].str());
    app.AddToRecentFileList(L"relative.settings");
    EXPECT_EQ(fullPath(L"relative.settings"), recent[0].str());
    recent.Remove(1);
    recent.Remove(9);
    EXPECT_EQ(L"C:\\e.settings", recent[1].str());
    EXPECT_EQ(L"", recent[3].str());

    // Written when the application ends, read back at the next start.
    app.ExitInstance();
    EXPECT_EQ(L"C:\\d.settings", app.GetProfileString(L"Recent File List", L"File3").str());
    EXPECT_EQ(L"", app.GetProfileString(L"Recent File List", L"File4").str());
    CRecentFileList again(0, L"Recent File List", L"File%d", 4);
    again.ReadList();
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(recent[i].str(), again[i].str());
}

TEST(WfxApplication, CleanStateEmptiesOnlyTheWorkspaceSection)
{
    ProfileApp app;
    app.WriteProfileInt(L"Workspace\\Pane", L"Width", 10);
    app.WriteProfileInt(L"Workspace", L"Layout", 1);
    app.WriteProfileInt(L"Recent File List", L"Kept", 1);
    EXPECT_STREQ(L"Workspace", app.GetRegistryBase());
    EXPECT_TRUE(app.CleanState());
    EXPECT_FALSE(app.hasKey(L"Workspace"));
    EXPECT_EQ(1u, app.GetProfileInt(L"Recent File List", L"Kept", 0));
    EXPECT_TRUE(app.CleanState()); // nothing left to clean
    ASSERT_NE(nullptr, app.GetContextMenuManager());
    EXPECT_EQ(app.GetContextMenuManager(), app.GetContextMenuManager());
}

TEST(WfxApplication, CommandLineNamesTheFileToOpen)
{
    CCommandLineInfo none;
    EXPECT_EQ(CCommandLineInfo::FileNew, none.m_nShellCommand);
    EXPECT_TRUE(none.m_bShowSplash);

    CCommandLineInfo info;
    info.ParseParam(L"NoLogo", TRUE, FALSE);
    info.ParseParam(L"unknown", TRUE, FALSE);
    info.ParseParam(L"C:\\first.settings", FALSE, FALSE);
    info.ParseParam(L"C:\\second.settings", FALSE, TRUE);
    EXPECT_FALSE(info.m_bShowSplash);
    EXPECT_EQ(CCommandLineInfo::FileOpen, info.m_nShellCommand);
    EXPECT_EQ(L"C:\\first.settings", info.m_strFileName.str());
}

TEST(WfxApplication, RunWithoutMainWindowEndsAtOnce)
{
    class CEmptyApp : public CWinApp
    {
    public:
        BOOL InitInstance() override { return TRUE; }
    } app;
    EXPECT_EQ(0, AfxWinMain(GetModuleHandleW(nullptr), nullptr, const_cast<LPWSTR>(L""), SW_HIDE));
}
