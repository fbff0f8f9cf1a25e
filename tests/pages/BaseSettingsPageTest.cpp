// The base settings page against the simulated controller.

#include "BaseSettingsIds.h"
#include "CBaseSettingsMPDlg.h"
#include "SettingsPagesSupport.h"
#include "ShellIds.h"

#include <CLPGDevice.h>

#include <gtest/gtest.h>

using namespace pagestest;

TEST(BaseSettingsPage, ShowsTheRecord)
{
    ConnectedBench bench;
    uitest::HostWindow host(900, 700);
    auto page = makePage<CBaseSettingsMPDlg>(host, IDD_BASE_SETTINGS);
    ASSERT_TRUE(page->GetSafeHwnd());
    EXPECT_EQ(L"x 1", selectedText(*page, IDC_BASE_RATIO));
}
