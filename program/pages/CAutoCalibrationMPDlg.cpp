#include "CAutoCalibrationMPDlg.h"

#include "ShellIds.h"

IMPLEMENT_DYNAMIC(CAutoCalibrationMPDlg, CGDIpMultiPageDialog)

CAutoCalibrationMPDlg::CAutoCalibrationMPDlg(CWnd* pParent)
    : CGDIpMultiPageDialog(IDD_AUTO_CALIBRATION, pParent)
{
}

CAutoCalibrationMPDlg::~CAutoCalibrationMPDlg() = default;
