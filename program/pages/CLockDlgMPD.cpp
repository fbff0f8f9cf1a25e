#include "CLockDlgMPD.h"

#include "IProgramShell.h"
#include "CPasswdDlg.h"
#include "CheckBoxImages.h"
#include "LockPageIds.h"
#include "SettingsHandler.h"
#include "ShellIds.h"
#include "translate.h"

#include <CLPGDevice.h>
#include <MakerWord.h>
#include <UserInterface.h>

#include <cmath>

namespace {

const uint8_t kInspectionBit = 0x01; // m_advancedSetup.m_advancedFlags
const uint8_t kCreditBit = 0x02;     // m_advancedSetup.m_advancedFlags2
const size_t kPasswordOffset = 36;
const size_t kPasswordSize = 8;
const unsigned kHoursOfOn = 300;
const double kHalfSecondsPerHour = 7200.0;

const wchar_t kSetPassword[] = L"Set Password (Lock)";
const wchar_t kUnlock[] = L"Unlock";

struct HourItem
{
    int value;
    const wchar_t* text;
    bool translated;
};
const HourItem kHourItems[] = {{-1, L"On", true},     {0, L"Off", true},    {10, L"10", false},
                               {20, L"20", false},    {40, L"40", false},   {100, L"100", false},
                               {200, L"200", false},  {300, L"300", false}, {400, L"400", false},
                               {1000, L"1000", false}};

const UINT kLabelIds[4] = {IDC_LOCK_UNIT_INSPECTION, IDC_LOCK_LBL_INSPECTION, IDC_LOCK_LBL_CREDIT,
                           IDC_LOCK_UNIT_CREDIT};

// "On" and no selection both mean 300 hours.
unsigned chosenHours(const CStrValueCmbBox& list)
{
    const double value = std::trunc(list.getSelValue());
    if (value < 0)
        return kHoursOfOn;
    return static_cast<unsigned>(value);
}

// Letters and digits only, as single bytes; false for anything else.
bool passwordBytes(const CString& text, std::string& out)
{
    out.clear();
    for (wchar_t c : std::wstring(text)) {
        const bool allowed = (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z') || (c >= L'0' && c <= L'9');
        if (!allowed)
            return false;
        out.push_back(static_cast<char>(c));
    }
    return true;
}

// Only a controller whose lock block was read can be locked or unlocked;
// one without such a block never gets one.
bool lockable(const CLPGDevice& device)
{
    return device.hasLockBlock() && !device.m_lockUnread;
}

bool acceptableLength(const std::string& password)
{
    return !password.empty() && password.size() <= kPasswordSize;
}

void putU32(std::array<uint8_t, 84>& bytes, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<uint8_t>(value >> (8 * i));
}

} // namespace

IMPLEMENT_DYNAMIC(CLockDlgMPD, CGDIpMultiPageDialog)

BEGIN_MESSAGE_MAP(CLockDlgMPD, CGDIpMultiPageDialog)
ON_BN_CLICKED(IDC_LOCK_CHK_CREDIT, &CLockDlgMPD::OnClickedChkLpgNotAllowed)
ON_BN_CLICKED(IDC_LOCK_CHK_INSPECTION, &CLockDlgMPD::OnClickedChkInspection)
ON_CBN_SELENDOK(IDC_LOCK_CMB_CREDIT, &CLockDlgMPD::OnSelendokCmbSetCredit)
ON_CBN_SELENDOK(IDC_LOCK_CMB_INSPECTION, &CLockDlgMPD::OnSelendokCmbSetService)
ON_BN_CLICKED(IDC_LOCK_BUTTON, &CLockDlgMPD::OnClickedButtonLock)
END_MESSAGE_MAP()

CLockDlgMPD::CLockDlgMPD(CWnd* pParent) : CGDIpMultiPageDialog(IDD_LOCK, pParent) {}

CLockDlgMPD::~CLockDlgMPD() = default;

uint32_t CLockDlgMPD::endCount(uint32_t gasCounter, unsigned hours)
{
    const uint32_t wholeHours = static_cast<uint32_t>(std::trunc(gasCounter * 0.5 / 60 / 60));
    return static_cast<uint32_t>((wholeHours + hours) * kHalfSecondsPerHour);
}

std::string CLockDlgMPD::storedPassword(const LockImage& image)
{
    std::string password;
    for (size_t i = 0; i < kPasswordSize; ++i)
        if (image[kPasswordOffset + i] != 0)
            password.push_back(static_cast<char>(image[kPasswordOffset + i]));
    return password;
}

void CLockDlgMPD::DoDataExchange(CDataExchange* pDX)
{
    CGDIpMultiPageDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LOCK_CHK_CREDIT, m_chkCredit);
    DDX_Check(pDX, IDC_LOCK_CHK_CREDIT, m_credit);
    DDX_Control(pDX, IDC_LOCK_CHK_INSPECTION, m_chkInspection);
    DDX_Check(pDX, IDC_LOCK_CHK_INSPECTION, m_inspection);
    for (int i = 0; i < 4; ++i)
        DDX_Control(pDX, kLabelIds[i], m_labels[i]);
    DDX_Control(pDX, IDC_LOCK_CMB_INSPECTION, m_cmbInspection);
    DDX_Control(pDX, IDC_LOCK_CMB_CREDIT, m_cmbCredit);
    DDX_Control(pDX, IDC_LOCK_BUTTON, m_lockButton);
}

BOOL CLockDlgMPD::OnInitDialog()
{
    m_cmbInspection.m_closedHeight = 56;
    m_cmbCredit.m_closedHeight = 56;
    CGDIpMultiPageDialog::OnInitDialog();
    loadCheckBoxImages(m_selectedImage, m_unselectedImage, {&m_chkCredit, &m_chkInspection});
    return TRUE;
}

void CLockDlgMPD::v_init()
{
    v_translate();
}

void CLockDlgMPD::v_translate()
{
    const bool locked = g_pDevice && g_pDevice->isLocked();
    m_lockButton.SetWindowTextW(translate(locked ? kUnlock : kSetPassword).c_str());
    m_chkCredit.SetWindowTextW(translate(L"Credit").c_str());
    m_labels[2].SetWindowTextW(translate(L"To Credit").c_str());
    m_chkInspection.SetWindowTextW(translate(L"Inspection").c_str());
    m_labels[1].SetWindowTextW(translate(L"To Inspection").c_str());
}

void CLockDlgMPD::v_activate()
{
    if (!g_pDevice)
        return;
    const CAdvancedSetup& setup = g_pDevice->m_settings.m_advancedSetup;
    m_inspection = (setup.m_advancedFlags & kInspectionBit) != 0;
    m_credit = (setup.m_advancedFlags2 & kCreditBit) != 0;
    fillHours(m_cmbInspection, m_inspection != FALSE);
    fillHours(m_cmbCredit, m_credit != FALSE);
    showLockState(g_pDevice->isLocked());
    UpdateData(FALSE);
}

// The lists show only on or off: the hours chosen are not shown again.
void CLockDlgMPD::fillHours(CStrValueCmbBox& list, bool on)
{
    list.resetContent();
    for (const HourItem& item : kHourItems)
        list.addValue(0, item.value, item.translated ? translate(item.text) : item.text);
    list.setSelValue(on ? -1 : 0);
}

// A locked controller keeps its reminders: the check boxes go with the lists.
void CLockDlgMPD::showLockState(bool locked)
{
    m_lockButton.SetWindowTextW(translate(locked ? kUnlock : kSetPassword).c_str());
    m_lockButton.EnableWindow(!g_pDevice || !g_pDevice->m_connected || lockable(*g_pDevice));
    m_cmbInspection.EnableWindow(!locked);
    m_cmbCredit.EnableWindow(!locked);
    m_chkInspection.EnableWindow(!locked);
    m_chkCredit.EnableWindow(!locked);
}

void CLockDlgMPD::OnClickedChkLpgNotAllowed()
{
    runSettingsHandler(this, L"CLockDlgMPD::OnClickedChkLpgNotAllowed", [&] {
        CLPGDevice* device = editableDevice();
        if (!device)
            return;
        UpdateData(TRUE);
        setFlag(device->m_settings.m_advancedSetup.m_advancedFlags2, kCreditBit, m_credit != FALSE);
        UpdateData(FALSE);
        writeSettingsBlock(this, &CLPGDevice::writeBlock26);
    });
}

void CLockDlgMPD::OnClickedChkInspection()
{
    runSettingsHandler(this, L"CLockDlgMPD::OnClickedChkInspection", [&] {
        CLPGDevice* device = editableDevice();
        if (!device)
            return;
        UpdateData(TRUE);
        setFlag(device->m_settings.m_advancedSetup.m_advancedFlags, kInspectionBit, m_inspection != FALSE);
        UpdateData(FALSE);
        writeSettingsBlock(this, &CLPGDevice::writeBlock26);
    });
}

void CLockDlgMPD::OnSelendokCmbSetCredit()
{
    runSettingsHandler(this, L"CLockDlgMPD::OnSelendokCmbSetCredit", [&] {
        if (CLPGDevice* device = editableDevice())
            setCredit(*device, chosenHours(m_cmbCredit));
    });
}

// The end lives in the PC-connection log, which may be written back only
// when it was read in this connection. Switching on, the end goes first and
// the bit only once the end is taken; switching off, the bit goes first: no
// failure leaves the controller's credit on with a stale end.
void CLockDlgMPD::setCredit(CLPGDevice& device, unsigned hours)
{
    if (!device.m_pcConnectionsRead) {
        showCantWrite(this);
        return;
    }
    if (!readGasHours(device)) {
        m_cmbCredit.setSelValue(m_credit ? -1 : 0);
        return;
    }
    CSettingsRecord& record = device.m_settings;
    uint8_t& flags = record.m_advancedSetup.m_advancedFlags2;
    const uint8_t before = flags;
    setFlag(flags, kCreditBit, hours != 0);
    putU32(record.m_devInfo.m_pcConnections, endCount(record.m_devInfo.m_statistic.lpg, hours));
    m_credit = hours != 0;
    UpdateData(FALSE);
    if (hours == 0) {
        if (writeSettingsBlock(this, &CLPGDevice::writeBlock26))
            writeSettingsBlock(this, &CLPGDevice::writeBlock19);
        return;
    }
    if (!writeSettingsBlock(this, &CLPGDevice::writeBlock19)) {
        flags = before;
        m_credit = (before & kCreditBit) != 0;
        UpdateData(FALSE);
        return;
    }
    writeSettingsBlock(this, &CLPGDevice::writeBlock26);
}

void CLockDlgMPD::OnSelendokCmbSetService()
{
    runSettingsHandler(this, L"CLockDlgMPD::OnSelendokCmbSetService", [&] {
        if (CLPGDevice* device = editableDevice())
            setInspection(*device, chosenHours(m_cmbInspection));
    });
}

void CLockDlgMPD::setInspection(CLPGDevice& device, unsigned hours)
{
    if (!readGasHours(device)) {
        m_cmbInspection.setSelValue(m_inspection ? -1 : 0);
        return;
    }
    CAdvancedSetup& setup = device.m_settings.m_advancedSetup;
    setFlag(setup.m_advancedFlags, kInspectionBit, hours != 0);
    setup.m_inspectionEnd = endCount(device.m_settings.m_devInfo.m_statistic.lpg, hours);
    m_inspection = hours != 0;
    UpdateData(FALSE);
    writeSettingsBlock(this, &CLPGDevice::writeBlock26);
}

// An end counts from the gas hours the controller holds now: the counter
// is read only on demand, and another controller may have been connected.
bool CLockDlgMPD::readGasHours(CLPGDevice& device)
{
    if (device.readBlock12())
        return true;
    showPageError(this, L"Can't read settings from device!");
    return false;
}

void CLockDlgMPD::OnClickedButtonLock()
{
    runSettingsHandler(
        this, L"CLockDlgMPD::OnClickedButtonLock",
        [&] {
            CLPGDevice* device = readableDevice();
            if (!device || !lockable(*device))
                return;
            CPasswdDlg dialog(nullptr);
            if (dialog.DoModal() != IDOK)
                return;
            std::string typed;
            if (!passwordBytes(dialog.m_password, typed)) {
                showLockMessage(L"Enter data for blocking:");
                return;
            }
            if (device->isLocked())
                unlock(*device, typed);
            else
                lock(*device, typed);
        },
        false);
}

void CLockDlgMPD::lock(CLPGDevice& device, const std::string& typed)
{
    if (!acceptableLength(typed)) {
        showLockMessage(L"Enter data for blocking:");
        return;
    }
    LockImage image{};
    std::copy(typed.begin(), typed.end(), image.begin() + kPasswordOffset);
    if (!writeLockImage(device, image))
        return;
    showLockState(true);
    enableViewPages(true);
}

// Only the whole stored password unlocks: a prefix of it does not.
void CLockDlgMPD::unlock(CLPGDevice& device, const std::string& typed)
{
    if (!acceptableLength(typed)) {
        showLockMessage(L"Enter password for blocking");
        return;
    }
    if (typed != storedPassword(device.m_settings.m_devInfo.m_lockData)) {
        showPageError(this, L"Invalid password");
        return;
    }
    if (!writeLockImage(device, LockImage{}))
        return;
    showLockState(false);
    enableViewPages(false);
}

// The record takes the new image only once the controller has it.
bool CLockDlgMPD::writeLockImage(CLPGDevice& device, const LockImage& image)
{
    LockImage& stored = device.m_settings.m_devInfo.m_lockData;
    const LockImage previous = stored;
    stored = image;
    bool written = false;
    try {
        WaitCursor wait;
        written = device.writeBlock3();
    } catch (...) {
        stored = previous;
        throw;
    }
    if (written)
        return true;
    stored = previous;
    showCantWrite(this);
    return false;
}

void CLockDlgMPD::enableViewPages(bool locked)
{
    if (g_pShell != nullptr)
        g_pShell->enablePages(locked);
}

void CLockDlgMPD::showLockMessage(const wchar_t* text)
{
    showMessageBox(this, translate(text) + L"\n", kMakerWord, MB_ICONERROR);
}
