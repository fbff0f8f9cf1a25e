#include "CObdDetectDlg.h"

#include "ObdDetectIds.h"
#include "SkinDialogTitle.h"
#include "translate.h"

#include <commctrl.h>

#include <algorithm>

namespace {
const Gdiplus::ARGB kDialogGrey = 0xFFC8C8C8;
const double kMinShift = 20.0;
const double kMaxShift = 200.0;
const double kShiftStep = 10.0;
} // namespace

BEGIN_MESSAGE_MAP(CObdDetectDlg, CSkinDlg)
ON_NOTIFY(UDN_DELTAPOS, IDC_DETECT_SHIFT_SPIN, &CObdDetectDlg::OnDeltaposShift)
END_MESSAGE_MAP()

CObdDetectDlg::CObdDetectDlg(CWnd* parent) : CSkinDlg(IDD_OBD_DETECT, parent)
{
    m_gradientStart = m_gradientEnd = kDialogGrey;
}

CObdDetectDlg::~CObdDetectDlg() = default;

void CObdDetectDlg::DoDataExchange(CDataExchange* pDX)
{
    CSkinDlg::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_DETECT_CAPTION, m_caption);
    DDX_Control(pDX, IDC_DETECT_SHIFT, m_shift);
    DDX_Control(pDX, IDC_DETECT_SHIFT_SPIN, m_shiftSpin);
    DDX_Control(pDX, IDC_DETECT_UNITS, m_units);
    DDX_Control(pDX, IDOK, m_ok);
}

BOOL CObdDetectDlg::OnInitDialog()
{
    initTitledSkinDialog(*this, L"Detect");
    m_caption.SetWindowTextW(translate(L"The maximum shift").c_str());
    showShift();
    return TRUE;
}

// Stops at both ends: a step below 20 % stays at 20 %.
void CObdDetectDlg::OnDeltaposShift(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    const int delta = reinterpret_cast<NMUPDOWN*>(pNMHDR)->iDelta;
    m_maxShift = std::clamp(m_maxShift - kShiftStep * delta, kMinShift, kMaxShift);
    showShift();
}

void CObdDetectDlg::showShift()
{
    CString text;
    text.Format(L"%.0f", m_maxShift);
    m_shift.SetWindowTextW(text);
}
