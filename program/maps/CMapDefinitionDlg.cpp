#include "CMapDefinitionDlg.h"

#include "MapsUiIds.h"
#include "SettingsHandler.h"
#include "SkinDialogTitle.h"
#include "translate.h"

#include <CSettingsRecord.h>

#include <algorithm>
#include <cfloat>

namespace {

const Gdiplus::ARGB kDialogGrey = 0xFFC8C8C8;

} // namespace

struct CMapDefinitionDlg::Field
{
    double CMapDefinitionDlg::*member;
    int edit;
    int spin;
    int label;
    const wchar_t* caption;
    const wchar_t* format;
    double step;
    double low;
    double high;
};

// The spins keep the load limits within 0 .. 50 and the RPM limits within 500 .. 10000.
const CMapDefinitionDlg::Field CMapDefinitionDlg::kFields[4] = {
    {&CMapDefinitionDlg::m_minValue, IDC_DEF_MIN_VALUE, IDC_DEF_MIN_VALUE_SPIN, IDC_DEF_MIN_VALUE_LABEL,
     L"Minimal value", L"%.2f", 0.1, 0.0, DBL_MAX},
    {&CMapDefinitionDlg::m_minRpm, IDC_DEF_MIN_RPM, IDC_DEF_MIN_RPM_SPIN, IDC_DEF_MIN_RPM_LABEL,
     L"Minimal RPM", L"%.0f", 100, 500, DBL_MAX},
    {&CMapDefinitionDlg::m_maxValue, IDC_DEF_MAX_VALUE, IDC_DEF_MAX_VALUE_SPIN, IDC_DEF_MAX_VALUE_LABEL,
     L"Maximum value", L"%.2f", 0.1, -DBL_MAX, 50},
    {&CMapDefinitionDlg::m_maxRpm, IDC_DEF_MAX_RPM, IDC_DEF_MAX_RPM_SPIN, IDC_DEF_MAX_RPM_LABEL,
     L"Maximum RPM", L"%.0f", 100, -DBL_MAX, 10000},
};

BEGIN_MESSAGE_MAP(CMapDefinitionDlg, CSkinDlg)
ON_NOTIFY(UDN_DELTAPOS, IDC_DEF_MIN_VALUE_SPIN, &CMapDefinitionDlg::OnDeltaposSpinMinValue)
ON_NOTIFY(UDN_DELTAPOS, IDC_DEF_MAX_VALUE_SPIN, &CMapDefinitionDlg::OnDeltaposSpinMaxValue)
ON_NOTIFY(UDN_DELTAPOS, IDC_DEF_MIN_RPM_SPIN, &CMapDefinitionDlg::OnDeltaposSpinMinRpm)
ON_NOTIFY(UDN_DELTAPOS, IDC_DEF_MAX_RPM_SPIN, &CMapDefinitionDlg::OnDeltaposSpinMaxRpm)
END_MESSAGE_MAP()

CMapDefinitionDlg::CMapDefinitionDlg(CWnd* parent) : CSkinDlg(IDD_MAP_DEFINITION, parent)
{
    m_gradientStart = m_gradientEnd = kDialogGrey;
}

CMapDefinitionDlg::~CMapDefinitionDlg() = default;

void CMapDefinitionDlg::DoDataExchange(CDataExchange* pDX)
{
    CSkinDlg::DoDataExchange(pDX);
    for (int i = 0; i < 4; ++i) {
        DDX_Control(pDX, kFields[i].label, m_labels[i]);
        DDX_Control(pDX, kFields[i].edit, m_edits[i]);
        DDX_Control(pDX, kFields[i].spin, m_spins[i]);
    }
    DDX_Control(pDX, IDOK, m_ok);
    DDX_Control(pDX, IDCANCEL, m_cancel);
}

BOOL CMapDefinitionDlg::OnInitDialog()
{
    initTitledSkinDialog(*this, L"Map coordinates");
    for (int i = 0; i < 4; ++i) {
        m_labels[i].SetWindowTextW(translate(kFields[i].caption).c_str());
        showValue(kFields[i]);
    }
    m_ok.SetWindowTextW(translate(L"OK").c_str());
    m_cancel.SetWindowTextW(translate(L"Cancel").c_str());
    showReadOnlyWhileLocked(*this);
    return TRUE;
}

double& CMapDefinitionDlg::value(const Field& field)
{
    return this->*field.member;
}

double CMapDefinitionDlg::readEdit(const Field& field)
{
    CString text;
    GetDlgItem(field.edit)->GetWindowTextW(text);
    text.Replace(L",", L".");
    return _wtof(text);
}

void CMapDefinitionDlg::showValue(const Field& field)
{
    CString text;
    text.Format(field.format, value(field));
    int i = int(&field - kFields);
    m_edits[i].SetWindowTextW(text);
}

void CMapDefinitionDlg::spin(int index, NMHDR* pNMHDR, LRESULT* pResult)
{
    const Field& field = kFields[index];
    const auto* updown = reinterpret_cast<NMUPDOWN*>(pNMHDR);
    double v = readEdit(field) - updown->iDelta * field.step;
    value(field) = std::clamp(v, field.low, field.high);
    showValue(field);
    *pResult = 0;
}

void CMapDefinitionDlg::OnDeltaposSpinMinValue(NMHDR* pNMHDR, LRESULT* pResult)
{
    spin(0, pNMHDR, pResult);
}

void CMapDefinitionDlg::OnDeltaposSpinMinRpm(NMHDR* pNMHDR, LRESULT* pResult)
{
    spin(1, pNMHDR, pResult);
}

void CMapDefinitionDlg::OnDeltaposSpinMaxValue(NMHDR* pNMHDR, LRESULT* pResult)
{
    spin(2, pNMHDR, pResult);
}

void CMapDefinitionDlg::OnDeltaposSpinMaxRpm(NMHDR* pNMHDR, LRESULT* pResult)
{
    spin(3, pNMHDR, pResult);
}

LoadAxis CMapDefinitionDlg::heldLoadAxis() const
{
    static const CSettingsRecord defaults;
    LoadAxis axis = spreadLoadAxis(m_minValue, m_maxValue);
    ::heldLoadAxis(m_record ? *m_record : defaults, axis);
    return axis;
}

RpmAxis CMapDefinitionDlg::heldRpmAxis() const
{
    RpmAxis axis = spreadRpmAxis(m_minRpm, m_maxRpm);
    ::heldRpmAxis(axis);
    return axis;
}

bool CMapDefinitionDlg::limitsFit() const
{
    if (!(m_minValue >= 0 && m_minValue < 100) || !(m_maxValue >= 0 && m_maxValue < 100))
        return false;
    if (!(m_minRpm >= 500 && m_minRpm <= 6000) || !(m_maxRpm >= 1500 && m_maxRpm <= 10000))
        return false;
    if (m_maxValue < m_minValue || m_maxRpm < m_minRpm)
        return false;
    static const CSettingsRecord defaults;
    LoadAxis load = spreadLoadAxis(m_minValue, m_maxValue);
    RpmAxis rpm = spreadRpmAxis(m_minRpm, m_maxRpm);
    return ::heldLoadAxis(m_record ? *m_record : defaults, load) && ::heldRpmAxis(rpm);
}

// Out-of-range limits keep the dialog open without a word, as the edits show what is wrong.
void CMapDefinitionDlg::OnOK()
{
    for (const Field& field : kFields)
        value(field) = readEdit(field);
    if (!limitsFit())
        return;
    CSkinDlg::OnOK();
}
