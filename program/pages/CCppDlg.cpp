#include "CCppDlg.h"

#include "SettingsDialogsIds.h"
#include "SettingsHandler.h"
#include "SkinDialogTitle.h"
#include "ValueLists.h"
#include "translate.h"

#include <CLPGDevice.h>

#include <commctrl.h>

#include <iterator>

namespace {

const Gdiplus::ARGB kDialogGrey = 0xFFC8C8C8;
const UINT kLivePeriodMs = 500;

const CCppDlg::Preset kPresets[] = {
    {0, 90, 150, 195, 238, 1, false},   {1, 45, 140, 180, 230, 1, true},   {2, 60, 45, 30, 5, 0, false},
    {3, 65, 50, 40, 20, 0, false},      {4, 65, 55, 42, 30, 0, true},      {5, 15, 25, 40, 85, 0, false},
    {6, 30, 110, 140, 230, 1, false},   {7, 70, 60, 40, 20, 0, true},      {8, 8, 22, 35, 55, 0, false},
    {9, 215, 180, 140, 45, 1, false},   {10, 220, 170, 120, 70, 2, false}, {11, 80, 60, 40, 20, 0, false},
    {12, 110, 150, 190, 240, 1, false}, {13, 30, 42, 55, 65, 0, false},    {22, 50, 112, 162, 212, 1, true},
    {23, 210, 170, 120, 75, 2, true},
};

struct ListedType
{
    const wchar_t* name;
    int type;
};

const ListedType kListed[] = {
    {L"AEB 1050", 1}, {L"10 - 90 Ohm (1090)", 4}, {L"DYMCO 0-90 Ohm", 7}, {L"AEB 806", 22}, {L"AEB 807A", 23},
};

const int kLevelLabelIds[] = {IDC_GLS_LEVEL_FULL, IDC_GLS_LEVEL_THREE_QUARTERS, IDC_GLS_LEVEL_HALF,
                              IDC_GLS_LEVEL_QUARTER, IDC_GLS_LEVEL_R};
const int kLevelIds[] = {IDC_GLS_FULL, IDC_GLS_THREE_QUARTERS, IDC_GLS_HALF, IDC_GLS_QUARTER};
const int kSpinIds[] = {IDC_GLS_SPIN_FULL, IDC_GLS_SPIN_THREE_QUARTERS, IDC_GLS_SPIN_HALF,
                        IDC_GLS_SPIN_QUARTER};

// The record's gauge values, full first.
unsigned char* levelField(CSensorsSetup& s, int level)
{
    unsigned char* fields[] = {&s.m_fuelFull, &s.m_fuelHgw, &s.m_fuelHalf, &s.m_fuelQuarter};
    return fields[level];
}

bool matches(const CSensorsSetup& s, const CCppDlg::Preset& p)
{
    return s.m_fuelFull == p.full && s.m_fuelHgw == p.threeQuarters && s.m_fuelHalf == p.half &&
           s.m_fuelQuarter == p.quarter;
}

void showVolts(CWnd& edit, unsigned raw)
{
    wchar_t text[16];
    swprintf(text, std::size(text), L"%.2fV", raw * 0.02);
    edit.SetWindowTextW(text);
}

} // namespace

BEGIN_MESSAGE_MAP(CCppDlg, CSkinDlg)
ON_WM_TIMER()
ON_CBN_SELENDOK(IDC_GLS_TYPE, &CCppDlg::OnSelendokComboleveltype)
ON_NOTIFY(UDN_DELTAPOS, IDC_GLS_SPIN_FULL, &CCppDlg::OnDeltaposSpinR1)
ON_NOTIFY(UDN_DELTAPOS, IDC_GLS_SPIN_THREE_QUARTERS, &CCppDlg::OnDeltaposSpinR2)
ON_NOTIFY(UDN_DELTAPOS, IDC_GLS_SPIN_HALF, &CCppDlg::OnDeltaposSpinR3)
ON_NOTIFY(UDN_DELTAPOS, IDC_GLS_SPIN_QUARTER, &CCppDlg::OnDeltaposSpinR4)
END_MESSAGE_MAP()

CCppDlg::CCppDlg(CWnd* parent) : CSkinDlg(IDD_GAS_LEVEL_SENSOR, parent)
{
    m_gradientStart = m_gradientEnd = kDialogGrey;
    m_titleHeight = 0;
}

CCppDlg::~CCppDlg() = default;

const CCppDlg::Preset* CCppDlg::preset(int type)
{
    for (const Preset& p : kPresets)
        if (p.type == type)
            return &p;
    return nullptr;
}

void CCppDlg::DoDataExchange(CDataExchange* pDX)
{
    CSkinDlg::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_GLS_HEADER, m_header);
    DDX_Control(pDX, IDC_GLS_TYPE_LABEL, m_typeLabel);
    DDX_Control(pDX, IDC_GLS_TYPE, m_type);
    for (size_t i = 0; i < std::size(kLevelLabelIds); ++i)
        DDX_Control(pDX, kLevelLabelIds[i], m_levelLabels[i]);
    for (size_t i = 0; i < std::size(kLevelIds); ++i) {
        DDX_Control(pDX, kLevelIds[i], m_levels[i]);
        DDX_Control(pDX, kSpinIds[i], m_spins[i]);
    }
    DDX_Control(pDX, IDC_GLS_LIVE, m_live);
    DDX_Control(pDX, IDOK, m_ok);
}

BOOL CCppDlg::OnInitDialog()
{
    initTitledSkinDialog(*this, L"Gas Level Sensor");
    m_header.SetWindowTextW(translate(L"Gas Level").c_str());
    m_typeLabel.SetWindowTextW(translate(L"Gas Level Sensor").c_str());
    rebuildList(m_type, [&] {
        for (const ListedType& listed : kListed)
            m_type.addValue(0, listed.type, translate(listed.name));
    });
    refreshFromRecord();
    SetTimer(kLiveTimer, kLivePeriodMs);
    showReadOnlyWhileLocked(*this);
    return TRUE;
}

void CCppDlg::showLevels()
{
    CSensorsSetup& s = g_pDevice->m_settings.m_sensorsSetup;
    for (int level = 0; level < 4; ++level)
        showVolts(m_levels[level], *levelField(s, level));
}

// Only listed types ever show: selecting another leaves the list alone.
void CCppDlg::refreshFromRecord()
{
    if (g_pDevice == nullptr)
        return;
    const CSensorsSetup& s = g_pDevice->m_settings.m_sensorsSetup;
    showLevels();
    if (s.m_fuelRes == 1)
        m_type.setSelValue(1);
    else if (s.m_fuelRes == 0)
        m_type.setSelValue(4);
    for (const Preset& p : kPresets)
        if (p.type != 10 && p.type != 23 && matches(s, p))
            m_type.setSelValue(p.type);
    if (s.m_fuelRes == 2)
        m_type.setSelValue(10);
    if (matches(s, *preset(23)))
        m_type.setSelValue(23);
}

// Without a sample yet (no live data from this controller) the reading
// keeps its text rather than showing an empty sample's 0.00V.
void CCppDlg::OnTimer(UINT_PTR nIDEvent)
{
    CSkinDlg::OnTimer(nIDEvent);
    if (nIDEvent != kLiveTimer || g_pDevice == nullptr || !g_pDevice->m_connected ||
        g_pDevice->m_diagData.count() == 0)
        return;
    CDiag newest;
    g_pDevice->m_diagData.getLast(newest);
    showVolts(m_live, newest.getByte(CDiag::kFuelLevelByte));
}

void CCppDlg::OnSelendokComboleveltype()
{
    runSettingsHandler(this, L"CCppDlg::OnSelendokComboleveltype", [&] {
        const Preset* chosen = preset(static_cast<int>(m_type.getSelValue()));
        changeSetting(this, &CLPGDevice::writeBlock30, [&](CSettingsRecord& r) {
            if (chosen == nullptr)
                return false;
            CSensorsSetup& s = r.m_sensorsSetup;
            s.m_fuelType = chosen->full < chosen->quarter ? 1 : 0;
            s.m_fuelQuarter = chosen->quarter;
            s.m_fuelHalf = chosen->half;
            s.m_fuelHgw = chosen->threeQuarters;
            s.m_fuelFull = chosen->full;
            s.m_fuelRes = chosen->res;
            showLevels();
            return true;
        });
    });
}

// The level moves against the spin's delta; a step past the other end
// of the gauge turns its direction, as every other writer of it does.
void CCppDlg::stepLevel(const wchar_t* handler, int level, NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    runSettingsHandler(this, handler, [&] {
        if (g_pDevice == nullptr)
            return;
        const int value = int(*levelField(g_pDevice->m_settings.m_sensorsSetup, level)) -
                          reinterpret_cast<NMUPDOWN*>(pNMHDR)->iDelta;
        if (value < 0 || value > 255)
            return;
        changeSettingAlways(this, &CLPGDevice::writeBlock30, [&](CSettingsRecord& r) {
            CSensorsSetup& s = r.m_sensorsSetup;
            *levelField(s, level) = static_cast<unsigned char>(value);
            s.m_fuelType = s.m_fuelFull < s.m_fuelQuarter ? 1 : 0;
            showVolts(m_levels[level], unsigned(value));
        });
    });
}

void CCppDlg::OnDeltaposSpinR1(NMHDR* pNMHDR, LRESULT* pResult)
{
    stepLevel(L"CCppDlg::OnDeltaposSpinR1", 0, pNMHDR, pResult);
}

void CCppDlg::OnDeltaposSpinR2(NMHDR* pNMHDR, LRESULT* pResult)
{
    stepLevel(L"CCppDlg::OnDeltaposSpinR2", 1, pNMHDR, pResult);
}

void CCppDlg::OnDeltaposSpinR3(NMHDR* pNMHDR, LRESULT* pResult)
{
    stepLevel(L"CCppDlg::OnDeltaposSpinR3", 2, pNMHDR, pResult);
}

void CCppDlg::OnDeltaposSpinR4(NMHDR* pNMHDR, LRESULT* pResult)
{
    stepLevel(L"CCppDlg::OnDeltaposSpinR4", 3, pNMHDR, pResult);
}
