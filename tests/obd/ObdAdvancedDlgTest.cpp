// The OBD advanced settings dialog against the simulated controller.

#include "COBDAdvancedDlg.h"
#include "ObdPageIds.h"
#include "PageBench.h"

#include <gtest/gtest.h>

#include <functional>

using namespace pagetest;

namespace {

struct AdvancedBench : PageBench
{
    explicit AdvancedBench(int version = 805) : PageBench(config(version)) { connect(); }

    static kwsim::SimConfig config(int version)
    {
        kwsim::SimConfig c;
        c.obdModule = true;
        c.firmwareVersion = version;
        return c;
    }
    // Runs `body` inside the modal dialog, then closes it.
    void run(const std::function<void(CDialog&)>& body)
    {
        uitest::ModalHook hook([&](CDialog& dialog) {
            body(dialog);
            uitest::sendClick(dialog, IDOK);
        });
        ASSERT_TRUE(device().readBlock27(record().m_obdAdvSetup));
        sim.clearRequests();
        COBDAdvancedDlg dialog(&host);
        EXPECT_EQ(IDOK, dialog.DoModal());
    }
};

int items(CDialog& dialog, int id)
{
    return int(::SendDlgItemMessageW(dialog.m_hWnd, id, CB_GETCOUNT, 0, 0));
}

std::wstring item(CDialog& dialog, int id, int index)
{
    wchar_t text[64] = {};
    ::SendDlgItemMessageW(dialog.m_hWnd, id, CB_GETLBTEXT, index, LPARAM(text));
    return text;
}

bool checked(CDialog& dialog, int id)
{
    return ::IsDlgButtonChecked(dialog.m_hWnd, id) == BST_CHECKED;
}

void toggle(CDialog& dialog, int id)
{
    ::CheckDlgButton(dialog.m_hWnd, id, checked(dialog, id) ? BST_UNCHECKED : BST_CHECKED);
    click(dialog, id);
}

} // namespace

TEST(ObdAdvancedDlg, PendingCodesLineFromVersion787AndTheLists)
{
    for (int version : {786, 787}) {
        AdvancedBench bench(version);
        bench.run([&](CDialog& dialog) {
            EXPECT_EQ(version >= 787, visible(dialog, IDC_OBDA_CHK_PENDING)) << version;
            EXPECT_EQ(version >= 787, visible(dialog, IDC_OBDA_LBL_PENDING)) << version;
            if (version == 786)
                return;
            ASSERT_EQ(76, items(dialog, IDC_OBDA_CMB_RPM));
            EXPECT_EQ(L"2000", item(dialog, IDC_OBDA_CMB_RPM, 75));
            EXPECT_EQ(L"500", text(dialog, IDC_OBDA_CMB_RPM)); // the stored RPM
            ASSERT_EQ(1496, items(dialog, IDC_OBDA_CMB_ERR1));
            EXPECT_EQ(L"Off", item(dialog, IDC_OBDA_CMB_ERR1, 0));
            EXPECT_EQ(L"P 0001", item(dialog, IDC_OBDA_CMB_ERR1, 1));
            EXPECT_EQ(L"P 0010", item(dialog, IDC_OBDA_CMB_ERR1, 10)); // no P 000A
            EXPECT_EQ(L"P 2000", item(dialog, IDC_OBDA_CMB_ERR1, 700));
            EXPECT_EQ(L"P 2795", item(dialog, IDC_OBDA_CMB_ERR4, 1495));
        });
        EXPECT_TRUE(bench.writes().empty());
    }
}

TEST(ObdAdvancedDlg, EachChangeWritesBlock27OnceAndNothingElseWritesAtAll)
{
    AdvancedBench bench;
    bench.run([&](CDialog& dialog) {
        toggle(dialog, IDC_OBDA_CHK_STFT);
        EXPECT_EQ(std::vector<int>{27}, bench.writes());
        EXPECT_EQ(0x01, bench.sim.block(27)[17]);
        toggle(dialog, IDC_OBDA_CHK_SELECTED);
        toggle(dialog, IDC_OBDA_CHK_ALL); // takes the place of the selected codes
        EXPECT_FALSE(checked(dialog, IDC_OBDA_CHK_SELECTED));
        EXPECT_EQ(0x21, bench.sim.block(27)[17]);

        choose(dialog, IDC_OBDA_CMB_ERR2, 171); // P 0171
        const std::vector<uint8_t> block = bench.sim.block(27);
        EXPECT_EQ(0x0171, block[10] | block[11] << 8);
        EXPECT_EQ(4u, bench.writes().size());
        choose(dialog, IDC_OBDA_CMB_ERR3, -1); // nothing selected
        choose(dialog, IDC_OBDA_CMB_RPM, 0);   // the RPM stored already
        EXPECT_EQ(4u, bench.writes().size());
        choose(dialog, IDC_OBDA_CMB_RPM, 25); // 1000 RPM
        EXPECT_EQ(5u, bench.writes().size());

        // Offline the box and the list go back: nothing is changed or written.
        bench.device().m_connected = false;
        toggle(dialog, IDC_OBDA_CHK_DIVIDER);
        EXPECT_FALSE(checked(dialog, IDC_OBDA_CHK_DIVIDER));
        choose(dialog, IDC_OBDA_CMB_ERR1, 5);
        EXPECT_EQ(L"Off", text(dialog, IDC_OBDA_CMB_ERR1));
        EXPECT_EQ(0x21, bench.record().m_obdAdvSetup.obd_adv_flag);
        bench.device().m_connected = true;
    });
    EXPECT_EQ(5u, bench.writes().size());
    EXPECT_TRUE(bench.messages().empty());
    const std::vector<uint8_t> block = bench.sim.block(27);
    EXPECT_EQ(4800, block[6] | block[7] << 8); // 1000 RPM as a period
}
