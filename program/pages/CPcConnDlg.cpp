#include "CPcConnDlg.h"

#include "CLPGDevice.h"
#include "PagesUiIds.h"
#include "PcConnectionLog.h"
#include "translate.h"

namespace {

const Gdiplus::ARGB kDialogGrey = 0xFFC8C8C8;
const unsigned kRecords = 8;

std::wstring timeText(const PcConnectionEntry& entry)
{
    CString text;
    text.Format(L"%02u:%02u:%02u", unsigned(entry.hour), unsigned(entry.minute), unsigned(entry.second));
    return std::wstring(text);
}

std::wstring codeText(const PcConnectionEntry& entry)
{
    const unsigned char bytes[4] = {
        static_cast<unsigned char>(entry.pcCode >> 24), static_cast<unsigned char>(entry.pcCode >> 16),
        static_cast<unsigned char>(entry.pcCode >> 8), static_cast<unsigned char>(entry.pcCode)};
    return CPcConnDlg::formatPcCode(bytes);
}

} // namespace

CPcConnDlg::CPcConnDlg(CWnd* parent) : CSkinDlg(IDD_PCCONN_DLG, parent), m_readPcCode(&getPcCodeBytes)
{
    m_gradientStart = m_gradientEnd = kDialogGrey;
    m_titleHeight = 0;
}

CPcConnDlg::~CPcConnDlg() = default;

void CPcConnDlg::DoDataExchange(CDataExchange* pDX)
{
    CSkinDlg::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PCCONN_CAPTION, m_caption);
    DDX_Control(pDX, IDC_PCCONN_CODE_LABEL, m_codeLabel);
    DDX_Control(pDX, IDC_PCCONN_CODE, m_code);
    DDX_Control(pDX, IDOK, m_ok);
    DDX_Control(pDX, IDC_PCCONN_LIST, m_list);
}

std::wstring CPcConnDlg::formatPcCode(const unsigned char* bytes)
{
    CString text;
    text.Format(L"%02X%02X-%02X%02X", unsigned(bytes[0]), unsigned(bytes[1]), unsigned(bytes[2]),
                unsigned(bytes[3]));
    return std::wstring(text);
}

BOOL CPcConnDlg::OnInitDialog()
{
    CSkinDlg::OnInitDialog();
    m_caption.SetWindowTextW(translate(L"PC Connections").c_str());
    m_codeLabel.SetWindowTextW(translate(L"PC Code").c_str());
    // A code that can't be read shows as zeros, never as stale bytes.
    unsigned char code[4] = {};
    if (!m_readPcCode || !m_readPcCode(code))
        std::fill(code, code + 4, 0);
    m_code.SetWindowTextW(formatPcCode(code).c_str());
    m_list.SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT | LVS_EX_BORDERSELECT);
    insertColumns();
    fillRows();
    return TRUE;
}

void CPcConnDlg::insertColumns()
{
    m_list.InsertColumn(0, translate(L"Connections").c_str(), LVCFMT_LEFT, 260);
    m_list.InsertColumn(1, translate(L"Date").c_str(), LVCFMT_LEFT, 130);
    m_list.InsertColumn(2, translate(L"Time").c_str(), LVCFMT_LEFT, 130);
    m_list.InsertColumn(3, translate(L"PC Computer Code").c_str(), LVCFMT_LEFT, 130);
}

// Only a log read from this controller in this connection is shown: what
// the record holds otherwise is another controller's or nobody's.
void CPcConnDlg::fillRows()
{
    if (!g_pDevice || !g_pDevice->m_pcConnectionsRead)
        return;
    const PcConnectionLog& log = g_pDevice->m_settings.m_devInfo.m_pcConnections;
    if (pcConnectionAt(log, 0).date == 0)
        return;
    addRow(translate(L"First PC Connection"), 0);
    for (unsigned k = 1; k < kRecords; ++k) {
        const PcConnectionEntry entry = pcConnectionAt(log, k);
        if (entry.date == 0)
            continue;
        const bool modified = entry.kind == PcConnectionEntry::kModification;
        addRow(translate(modified ? L"Modification From PC" : L"PC Connection"), k);
    }
}

void CPcConnDlg::addRow(const std::wstring& label, unsigned record)
{
    const PcConnectionEntry entry = pcConnectionAt(g_pDevice->m_settings.m_devInfo.m_pcConnections, record);
    const int row = m_list.InsertItem(m_list.GetItemCount(), label.c_str());
    if (row < 0)
        return;
    m_list.SetItemText(row, 1, formatProdDate(entry.date).c_str());
    m_list.SetItemText(row, 2, timeText(entry).c_str());
    m_list.SetItemText(row, 3, codeText(entry).c_str());
}
