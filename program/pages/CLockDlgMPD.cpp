#include "CLockDlgMPD.h"

#include "ShellIds.h"

IMPLEMENT_DYNAMIC(CLockDlgMPD, CGDIpMultiPageDialog)

CLockDlgMPD::CLockDlgMPD(CWnd* pParent) : CGDIpMultiPageDialog(IDD_LOCK, pParent) {}

CLockDlgMPD::~CLockDlgMPD() = default;
