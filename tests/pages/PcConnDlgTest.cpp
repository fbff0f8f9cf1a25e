#include "CLPGDevice.h"
#include "CPcConnDlg.h"
#include "PagesUiIds.h"
#include "SimBench.h"
#include "UiTestSupport.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <array>

using namespace uitest;

namespace {

// What the dialog showed: the list's rows of four columns, its extended
// style and the PC code.
struct Shown
{
    std::vector<std::array<std::wstring, 4>> rows;
    DWORD exStyle = 0;
    int columns = 0;
    std::wstring code;
};

std::wstring cellText(HWND list, int row, int column)
{
    wchar_t text[128] = {};
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = 128;
    SendMessageW(list, LVM_GETITEMTEXTW, WPARAM(row), LPARAM(&item));
    return text;
}

Shown showDialog(bool (*readPcCode)(unsigned char*) = nullptr)
{
    HostWindow host;
    Shown shown;
    ModalHook hook([&](CDialog& dialog) {
        HWND list = GetDlgItem(dialog.m_hWnd, IDC_PCCONN_LIST);
        const int count = int(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
        for (int row = 0; row < count; ++row)
            shown.rows.push_back({cellText(list, row, 0), cellText(list, row, 1), cellText(list, row, 2),
                                  cellText(list, row, 3)});
        shown.exStyle = DWORD(SendMessageW(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
        shown.columns = int(SendMessageW(ListView_GetHeader(list), HDM_GETITEMCOUNT, 0, 0));
        shown.code = itemText(dialog, IDC_PCCONN_CODE);
        sendClick(dialog, IDOK);
    });
    CPcConnDlg dialog(&host);
    if (readPcCode)
        dialog.m_readPcCode = readPcCode;
    EXPECT_EQ(IDOK, dialog.DoModal());
    return shown;
}

void putRecord(std::vector<uint8_t>& log, int k, unsigned date, uint8_t kind, std::array<uint8_t, 4> code)
{
    uint8_t* at = log.data() + 4 + 10 * k;
    at[0] = uint8_t(date);
    at[1] = uint8_t(date >> 8);
    at[2] = 7;
    at[3] = 5;
    at[4] = uint8_t(9 + k);
    at[5] = kind;
    std::copy(code.begin(), code.end(), at + 6);
}

// The first connection and records 1 to 7 of kinds 2, 0, empty, 3, 1, 2, 1.
std::vector<uint8_t> pcLog()
{
    std::vector<uint8_t> log(84, 0);
    putRecord(log, 0, 1000, 1, {0x0A, 0xB0, 0x03, 0xFF});
    const uint8_t kinds[] = {2, 0, 0, 3, 1, 2, 1};
    for (int k = 1; k <= 7; ++k)
        if (k != 3)
            putRecord(log, k, 1000 + k, kinds[k - 1], {uint8_t(k), 0, 0, 0x10});
    return log;
}

bool failingPcCode(unsigned char* bytes)
{
    bytes[0] = 0x55; // a partial read must not show
    return false;
}

bool knownPcCode(unsigned char* bytes)
{
    const unsigned char code[4] = {0x12, 0x34, 0xAB, 0xCD};
    std::copy(code, code + 4, bytes);
    return true;
}

} // namespace

TEST(PcConnDlg, ShowsTheLogReadFromTheController)
{
    kwtest::SimBench bench;
    bench.with([](kwsim::SimState& s) { s.blocks.set(19, pcLog()); });
    bench.open();
    ASSERT_TRUE(bench.device->readAllSettings());

    const Shown shown = showDialog(knownPcCode);
    EXPECT_EQ(L"1234-ABCD", shown.code);
    EXPECT_EQ(DWORD(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT | LVS_EX_BORDERSELECT), shown.exStyle);
    EXPECT_EQ(4, shown.columns);
    ASSERT_EQ(7u, shown.rows.size()); // the empty record 3 is skipped
    EXPECT_EQ((std::array<std::wstring, 4>{L"First PC Connection", formatProdDate(1000), L"07:05:09",
                                           L"0AB0-03FF"}),
              shown.rows[0]);
    const wchar_t* labels[] = {L"Modification From PC", L"PC Connection",        L"PC Connection",
                               L"PC Connection",        L"Modification From PC", L"PC Connection"};
    const int records[] = {1, 2, 4, 5, 6, 7};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(labels[i], shown.rows[i + 1][0]) << i;
        EXPECT_EQ(formatProdDate(1000 + records[i]), shown.rows[i + 1][1]) << i;
        EXPECT_EQ(L"07:05:" + std::to_wstring(9 + records[i]), shown.rows[i + 1][2]) << i;
    }
    EXPECT_EQ(L"0400-0010", shown.rows[3][3]);

    // All eight records: eight rows, no more.
    std::vector<uint8_t> full = pcLog();
    putRecord(full, 3, 1003, 1, {3, 0, 0, 0x10});
    bench.with([&](kwsim::SimState& s) { s.blocks.set(19, full); });
    ASSERT_TRUE(bench.device->readBlock19());
    EXPECT_EQ(8u, showDialog().rows.size());
}

TEST(PcConnDlg, ShowsNoRowsWithoutAFirstConnectionOrALogOfThisConnection)
{
    kwtest::SimBench bench;
    std::vector<uint8_t> noFirst = pcLog();
    std::fill(noFirst.begin() + 4, noFirst.begin() + 14, 0);
    bench.with([&](kwsim::SimState& s) { s.blocks.set(19, noFirst); });
    bench.open();
    ASSERT_TRUE(bench.device->readAllSettings());
    Shown shown = showDialog(failingPcCode);
    EXPECT_TRUE(shown.rows.empty());
    EXPECT_EQ(L"0000-0000", shown.code);

    // Connected again, to a controller that keeps no log: the record still
    // holds the previous controller's, which is not this one's history.
    bench.with([](kwsim::SimState& s) { s.blocks.set(19, pcLog()); });
    ASSERT_TRUE(bench.device->readAllSettings());
    EXPECT_EQ(7u, showDialog().rows.size());
    bench.with([](kwsim::SimState& s) { s.blocks.setVersion(777); });
    ASSERT_TRUE(bench.device->readAllSettings());
    EXPECT_NE(0, bench.device->m_settings.m_devInfo.m_pcConnections[4]);
    EXPECT_TRUE(showDialog().rows.empty());
}
