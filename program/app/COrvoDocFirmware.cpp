// The firmware update: the newest file of the controller's firmware folder,
// the offer after start-up and the programming through the bootloader.

#include "COrvoDoc.h"

#include "CMainFrame.h"
#include "CTranspWaitWnd.h"
#include "ErrorReport.h"
#include "ProcedureRunner.h"
#include "ProgramBusy.h"
#include "translate.h"

#include <CFileFindEx.h>
#include <CFirmwareFile.h>
#include <COpenFile.h>
#include <IError.h>
#include <MakerWord.h>
#include <ProgramFolder.h>
#include <UserInterface.h>

#include <windows.h>

#include <memory>

namespace {

const wchar_t kCantUpdate[] = L"Can't update device firmware";
const wchar_t kIncorrectFile[] = L"Incorrect firmware file to the controller!";
const uint16_t kFirmwareType = 257;
const uint32_t kFlashStart = 0x1800;
const uint32_t kEraseBlock = 0x800;
const int kAttempts = 10;
const unsigned char kBootRequest = 196;
const unsigned kBootPauseMs = 1000;
const char* const kAccessCodes[] = {"QM284613", "RM284613", "TM284613"};

struct FirmwareTarget
{
    const wchar_t* subFolder;
    uint32_t flashEnd;
};

// By the controller's hardware variant; null for one that cannot be updated.
const FirmwareTarget* targetOf(uint8_t deviceID)
{
    static const FirmwareTarget small{L"\\33EP MOLEX32", 0x8800};
    static const FirmwareTarget large{L"\\33EP128 MOLEX32", 0x13000};
    if (deviceID == '/')
        return &small;
    if (deviceID == '0')
        return &large;
    return nullptr;
}

std::wstring versionText(uint16_t version)
{
    wchar_t text[32];
    swprintf(text, 32, L"v%d.%.2d.", version >> 8, version & 0xFF);
    return text;
}

bool folderExists(const std::wstring& folder)
{
    const DWORD attributes = GetFileAttributesW(folder.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void showError(const wchar_t* text)
{
    showDeviceMessage(text, MB_ICONERROR);
}

// Text only, a 3:1 rectangle without animation.
std::unique_ptr<CTranspWaitWnd> showWaitWindow(CWnd* frame)
{
    auto wait = std::make_unique<CTranspWaitWnd>();
    wait->m_text = translate(L"Device update").c_str();
    wait->m_sizeFactor = 0.15;
    wait->m_widthFactor = 3.0;
    wait->m_animate = 0;
    wait->m_rectangle = 1;
    if (frame)
        wait->show(frame->GetSafeHwnd());
    return wait;
}

bool crosses(uint16_t from, uint16_t to, uint16_t mark)
{
    return (from < mark) != (to < mark);
}

} // namespace

// The file the user chose, read and checked against the controller.
struct FirmwareJob
{
    CFirmwareFile file;
    uint16_t version = 0;
    uint32_t flashEnd = 0;
};

std::wstring COrvoDoc::firmwareFolder()
{
    std::wstring folder = programFolder() + L"\\Kestrelwave Firmware";
    if (const FirmwareTarget* target = targetOf(m_device.m_settings.m_devInfo.m_deviceID))
        folder += target->subFolder;
    return folder;
}

// A missing or unreadable folder holds no firmware.
bool COrvoDoc::findNewestFirmware(std::wstring& path, uint16_t& version)
{
    const std::wstring folder = firmwareFolder();
    if (!targetOf(m_device.m_settings.m_devInfo.m_deviceID) || !folderExists(folder))
        return false;
    std::vector<std::wstring> files;
    try {
        CFileFindEx(folder, {L"afm"}).find(files, true);
    } catch (IError* error) {
        delete error;
        return false;
    }
    uint16_t best = 0;
    for (const std::wstring& file : files) {
        CFirmwareFile firmware;
        uint16_t fileVersion = 0, type = 0;
        std::wstring name;
        if (!firmware.load(file, fileVersion, name, type) || type != kFirmwareType ||
            name != m_device.m_settings.m_devInfo.m_deviceName || fileVersion <= best)
            continue;
        best = fileVersion;
        path = file;
    }
    version = best;
    return best > 0;
}

void COrvoDoc::checkFirmwareUpdate()
{
    std::wstring path;
    uint16_t version = 0;
    if (ProgramBusy::isSet() || !findNewestFirmware(path, version) ||
        version <= static_cast<uint16_t>(m_device.m_settings.m_devInfo.m_version))
        return;
    const std::wstring text = translate(L"A new firmware version is avaiable for this controller") + L" " +
                              versionText(version) + L"\n" + translate(L"Do You want to update controller?");
    if (showMessageBox(HWND(nullptr), text, kMakerWord, MB_YESNO | MB_ICONINFORMATION) == IDYES)
        OnDeviceUpdate();
}

void COrvoDoc::OnDeviceUpdate()
{
    if (ProgramBusy::isSet() || m_device.isLocked())
        return;
    try {
        updateDevice(false);
    } catch (IError* error) {
        reportError(L"COrvoDoc::OnDeviceUpdate()", error);
    }
}

namespace {

// The checks of the file against the controller, before anything is sent.
bool acceptFirmware(FirmwareJob& job, const std::wstring& path, const CDevInfo& device)
{
    std::wstring name;
    uint16_t type = 0;
    if (!job.file.load(path, job.version, name, type)) {
        showError(kCantUpdate);
        return false;
    }
    if (type != kFirmwareType || name != device.m_deviceName) {
        showError(kIncorrectFile);
        return false;
    }
    const uint16_t current = static_cast<uint16_t>(device.m_version);
    if (job.version < current &&
        showMessageBox(
            HWND(nullptr),
            translate(L"Firmware file has older version than device version.\nDo you still want to "
                      L"program device older version?"),
            kMakerWord, MB_YESNO | MB_ICONERROR | MB_DEFBUTTON2) != IDYES)
        return false;
    if (job.version < 775 && current >= 775) {
        showError(kIncorrectFile);
        return false;
    }
    return true;
}

} // namespace

bool COrvoDoc::updateDevice(bool bootloader)
{
    ProgramBusy busy;
    const FirmwareTarget* target = targetOf(m_device.m_settings.m_devInfo.m_deviceID);
    if (!target) {
        showError(kCantUpdate);
        return false;
    }
    const std::wstring path =
        COpenFile(firmwareFolder(), translate(L"Firmware files (*.afm)|*.afm|"), L"afm", false).askFileName();
    if (path.empty())
        return false;
    FirmwareJob job;
    job.flashEnd = target->flashEnd;
    if (!acceptFirmware(job, path, m_device.m_settings.m_devInfo))
        return false;
    // Until the bootloader takes over, every way out hands the controller
    // back: gas, the reading thread and with it the timer and the watchdog.
    ProcedureRunner runner(m_device, nullptr, L"COrvoDoc::OnDeviceUpdate()");
    return updateFirmware(runner, job, bootloader);
}

bool COrvoDoc::updateFirmware(ProcedureRunner& runner, FirmwareJob& job, bool bootloader)
{
    const uint16_t oldVersion = static_cast<uint16_t>(m_device.m_settings.m_devInfo.m_version);
    if (!bootloader)
        runner.switchToPetrolAndWait();
    WaitCursor cursor;
    // Programming needs a quiet line: a thread that would not end stops it here.
    if (!bootloader && !runner.stopReadingThread()) {
        showError(kCantUpdate);
        return false;
    }
    std::unique_ptr<CTranspWaitWnd> wait;
    if (!bootloader)
        wait = showWaitWindow(m_pMainFrame);
    bool enteredBootloader = bootloader;
    bool programmed = false;
    try {
        programmed = programFirmware(job, bootloader, enteredBootloader);
    } catch (...) {
        leftInBootloader(runner, enteredBootloader);
        throw;
    }
    if (!programmed) {
        wait.reset();
        showError(kCantUpdate);
        leftInBootloader(runner, enteredBootloader);
        return false;
    }
    runner.abandon(); // the controller starts afresh on its new firmware
    return finishFirmwareUpdate(oldVersion, job.version, bootloader);
}

// In its bootloader the controller takes no application command: nothing
// is handed back, it counts as lost and the watchdog looks for it.
void COrvoDoc::leftInBootloader(ProcedureRunner& runner, bool entered)
{
    if (!entered)
        return;
    runner.abandon();
    lostAfterUpdate();
}

namespace {

// `entered` notes a controller that took the request, or may have: a
// request whose answer was lost on the way.
bool requestBootloader(CLPGDevice& device, bool& entered)
{
    unsigned short reply = 0xFFFF;
    bool accepted = false;
    try {
        accepted = device.enterBootloader(kBootRequest, reply);
    } catch (...) {
        entered = true;
        throw;
    }
    entered = entered || accepted;
    return accepted;
}

bool attemptProgramming(CLPGDevice& device, const FirmwareJob& job, bool bootloader, bool& entered)
{
    if (!bootloader) {
        for (const char* code : kAccessCodes) {
            device.sendBootCode(code);
            if (requestBootloader(device, entered))
                break;
        }
    }
    if (!requestBootloader(device, entered))
        return false;
    pumpedSleep(kBootPauseMs);
    return device.programFlash(kFlashStart, job.flashEnd, kEraseBlock, job.file.getImage(),
                               static_cast<uint16_t>(job.file.getPageCount())) &&
           device.bootCommand96() && device.bootCommand10();
}

} // namespace

bool COrvoDoc::programFirmware(const FirmwareJob& job, bool bootloader, bool& enteredBootloader)
{
    for (int attempt = 0; attempt < kAttempts; ++attempt)
        if (attemptProgramming(m_device, job, bootloader, enteredBootloader))
            return true;
    return false;
}

// The controller counts as lost and the watchdog looks for it again, also
// for one left waiting in its bootloader.
void COrvoDoc::lostAfterUpdate()
{
    m_device.m_connected = false;
    if (m_pMainFrame) {
        m_pMainFrame->setConnectedState(false);
        m_pMainFrame->startWatchTimer();
    }
}

bool COrvoDoc::finishFirmwareUpdate(uint16_t oldVersion, uint16_t newVersion, bool bootloader)
{
    pumpedSleep(kBootPauseMs);
    m_device.connect();
    if (!m_device.m_connected) {
        showError(kCantUpdate);
        lostAfterUpdate();
        return false;
    }
    if (!bootloader) {
        if (crosses(oldVersion, newVersion, 788)) {
            m_device.sendAction28();
            m_device.sendAction29();
        }
        if (oldVersion < 800 && newVersion >= 800)
            m_device.reset();
        onConnected();
    }
    if (m_pMainFrame)
        m_pMainFrame->setConnectedState(m_device.m_connected);
    return true;
}
