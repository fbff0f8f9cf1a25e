#include "CInjSizeCalcDlg.h"

#include "SettingsDialogsIds.h"
#include "SkinDialogTitle.h"
#include "ValueLists.h"
#include "translate.h"

#include <commctrl.h>

#include <algorithm>
#include <cmath>
#include <cwchar>
#include <iterator>

namespace {

const Gdiplus::ARGB kDialogGrey = 0xFFC8C8C8;
const int kMinPower = 30;
const int kMaxPower = 500;
const double kMaxNozzle = 3.2;

struct Caption
{
    int id;
    const wchar_t* text;
    bool translated;
};

const Caption kCaptions[] = {
    {IDC_CALC_PRESSURE_LABEL, L"Pressure", true},
    {IDC_CALC_POWER_LABEL, L"Power [HP]", true},
    {IDC_CALC_CYLINDERS_LABEL, L"Cylinders count", true},
    {IDC_CALC_INJECTION_TYPE_LABEL, L"Petrol injection type", true},
    {IDC_CALC_LOW_LABEL, L"1.2 bar", false},
    {IDC_CALC_HIGH_LABEL, L"1.5 bar", false},
    {IDC_CALC_MM_LABEL, L"mm", false},
};

// Large nozzles come a step smaller than the formula says.
double limitNozzle(double d)
{
    d = std::min(d, kMaxNozzle);
    return d > 1.5 ? d - 0.1 : d;
}

CString oneDecimal(double value)
{
    wchar_t text[16];
    swprintf(text, std::size(text), L"%.1f", value);
    return text;
}

} // namespace

BEGIN_MESSAGE_MAP(CInjSizeCalcDlg, CSkinDlg)
ON_NOTIFY(UDN_DELTAPOS, IDC_CALC_POWER_SPIN, &CInjSizeCalcDlg::OnDeltaposPower)
ON_BN_CLICKED(IDC_CALC_CALCULATE, &CInjSizeCalcDlg::OnCalculate)
END_MESSAGE_MAP()

CInjSizeCalcDlg::CInjSizeCalcDlg(CWnd* parent) : CSkinDlg(IDD_INJ_SIZE_CALC, parent), m_power(L"120")
{
    m_gradientStart = m_gradientEnd = kDialogGrey;
}

CInjSizeCalcDlg::~CInjSizeCalcDlg() = default;

void CInjSizeCalcDlg::DoDataExchange(CDataExchange* pDX)
{
    CSkinDlg::DoDataExchange(pDX);
    for (size_t i = 0; i < std::size(kCaptions); ++i)
        DDX_Control(pDX, kCaptions[i].id, m_labels[i]);
    DDX_Control(pDX, IDC_CALC_POWER, m_powerEdit);
    DDX_Control(pDX, IDC_CALC_POWER_SPIN, m_powerSpin);
    DDX_Control(pDX, IDC_CALC_CYLINDERS, m_cylinders);
    DDX_Control(pDX, IDC_CALC_INJECTION_TYPE, m_injectionType);
    DDX_Control(pDX, IDC_CALC_CALCULATE, m_calculate);
    DDX_Control(pDX, IDC_CALC_RESULT_LOW, m_lowEdit);
    DDX_Control(pDX, IDC_CALC_RESULT_HIGH, m_highEdit);
    DDX_Text(pDX, IDC_CALC_POWER, m_power);
    DDX_Text(pDX, IDC_CALC_RESULT_LOW, m_lowResult);
    DDX_Text(pDX, IDC_CALC_RESULT_HIGH, m_highResult);
}

BOOL CInjSizeCalcDlg::OnInitDialog()
{
    initTitledSkinDialog(*this, L"Injectors nozzle size calculator");
    for (size_t i = 0; i < std::size(kCaptions); ++i)
        m_labels[i].SetWindowTextW(kCaptions[i].translated ? translate(kCaptions[i].text).c_str()
                                                           : kCaptions[i].text);
    m_calculate.SetWindowTextW(translate(L"Calculate").c_str());
    m_cylinders.resetContent();
    addValueRange(m_cylinders, 0, 3, 8, 1);
    m_cylinders.setSelValue(4);
    rebuildList(m_injectionType, [&] {
        m_injectionType.addValue(0, 0, translate(L"Sequence"));
        m_injectionType.addValue(0, 1, translate(L"Semi sequence"));
        m_injectionType.addValue(0, 2, translate(L"Full group"));
    });
    return TRUE;
}

bool CInjSizeCalcDlg::calculate(double power, int cylinders, bool cng, Nozzles& out)
{
    if (cylinders <= 0 || !(power > 0) || !std::isfinite(power))
        return false;
    const double x = power / cylinders;
    double d = cylinders == 3 || cylinders == 4 ? 0.045 * x + 1.12 : 0.05 * x + 0.7;
    // Down to a tenth; the nudge keeps 1.7 from flooring to 1.6.
    d = std::floor(10 * d + 1e-9) / 10;
    if (cng)
        d = 0.055 * x + 1.0;
    const double e = 0.85 * d;
    out.lowPressure = limitNozzle(d);
    out.highPressure = limitNozzle(e);
    return true;
}

void CInjSizeCalcDlg::OnCalculate()
{
    UpdateData(TRUE);
    const double selected = m_cylinders.getSelValue();
    const int cylinders = selected < 0 ? -1 : int(selected);
    wchar_t* end = nullptr;
    const double power = wcstod(m_power.GetString(), &end);
    const bool number = end != m_power.GetString() && *end == L'\0';
    Nozzles nozzles{};
    if (number && calculate(power, cylinders, g_cngMode != 0, nozzles)) {
        m_lowResult = oneDecimal(nozzles.lowPressure);
        m_highResult = oneDecimal(nozzles.highPressure);
    } else {
        m_lowResult.Empty();
        m_highResult.Empty();
    }
    UpdateData(FALSE);
}

void CInjSizeCalcDlg::OnDeltaposPower(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    UpdateData(TRUE);
    const int power = _wtoi(m_power.GetString()) - reinterpret_cast<NMUPDOWN*>(pNMHDR)->iDelta;
    if (power < kMinPower || power > kMaxPower)
        return;
    m_power.Format(L"%d", power);
    UpdateData(FALSE);
}
