#include "CObdDetectDlg.h"

#include "ObdDetectIds.h"
#include "UiTestSupport.h"

#include <commctrl.h>
#include <gtest/gtest.h>

namespace {
void spin(CDialog& dialog, int delta)
{
    NMUPDOWN change{};
    change.hdr = {::GetDlgItem(dialog.m_hWnd, IDC_DETECT_SHIFT_SPIN), UINT_PTR(IDC_DETECT_SHIFT_SPIN),
                  UINT(UDN_DELTAPOS)};
    change.iDelta = delta;
    ::SendMessageW(dialog.m_hWnd, WM_NOTIFY, IDC_DETECT_SHIFT_SPIN, LPARAM(&change));
}
} // namespace

TEST(ObdDetectDlg, ShiftStepsByTenAndStopsAtTwentyAndTwoHundred)
{
    uitest::HostWindow host;
    CObdDetectDlg dialog(&host);
    std::vector<std::wstring> shown;
    uitest::ModalHook hook([&](CDialog& d) {
        shown.push_back(uitest::itemText(d, IDC_DETECT_SHIFT));
        shown.push_back(uitest::itemText(d, IDC_DETECT_CAPTION));
        for (int i = 0; i < 8; ++i)
            spin(d, 1);
        shown.push_back(uitest::itemText(d, IDC_DETECT_SHIFT));
        spin(d, 1); // one step below 20 stays at 20
        shown.push_back(uitest::itemText(d, IDC_DETECT_SHIFT));
        spin(d, -30);
        shown.push_back(uitest::itemText(d, IDC_DETECT_SHIFT));
        spin(d, -1);
        spin(d, 2);
        d.EndDialog(IDOK);
    });
    EXPECT_EQ(IDOK, dialog.DoModal());
    EXPECT_EQ((std::vector<std::wstring>{L"100", L"The maximum shift", L"20", L"20", L"200"}), shown);
    EXPECT_DOUBLE_EQ(180.0, dialog.m_maxShift);
}
