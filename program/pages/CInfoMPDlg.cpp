#include "CInfoMPDlg.h"

#include "COnBoardDiagDialog.h"
#include "COrvoListCtrlHeaderItem.h"
#include "CPcConnDlg.h"
#include "InfoPageIds.h"
#include "PetrolProcedure.h"
#include "ProgramBusy.h"
#include "SettingsHandler.h"
#include "ShellIds.h"
#include "translate.h"

#include <CDiag.h>
#include <CLPGDevice.h>
#include <CListCtrlRowItemColorPack.h>
#include <IError.h>
#include <UserInterface.h>

#include <cmath>
#include <cstdio>
#include <memory>

namespace {

const int kTicksPerRefresh = 40;
const int kOnBoardDiagVersion = 805;
const unsigned char kOnBoardDiagHardware = '0';

const UINT kButtonIds[4] = {IDC_INFO_CLEAR_ERRORS, IDC_INFO_READ_ERRORS, IDC_INFO_PC_CONNECTIONS,
                            IDC_INFO_ONBOARD_DIAG};
const wchar_t* const kButtonTexts[4] = {L"Clear Errors", L"Read Errors", L"PC Connections",
                                        L"On Board Diagnostic"};
const UINT kEditIds[5] = {IDC_INFO_VERSION, IDC_INFO_SERIAL, IDC_INFO_PROD_DATE, IDC_INFO_PETROL_TIME,
                          IDC_INFO_GAS_TIME};
const UINT kCaptionIds[7] = {IDC_INFO_LBL_VERSION,     IDC_INFO_LBL_SERIAL,   IDC_INFO_LBL_PROD_DATE,
                             IDC_INFO_LBL_PETROL_TIME, IDC_INFO_LBL_GAS_TIME, IDC_INFO_LBL_ERRORS,
                             IDC_INFO_LBL_FREEZE};
// The "Freeze Frame" caption keeps the template's text.
const wchar_t* const kCaptionTexts[6] = {L"Program Version",     L"Serial Number",    L"Production Date",
                                         L"Petrol Driving Time", L"Gas Driving Time", L"Errors"};
enum EditIndex
{
    kVersionEdit,
    kSerialEdit,
    kProdDateEdit,
    kPetrolTimeEdit,
    kGasTimeEdit
};

// Block 36: two freeze-frame records of 24 bytes.
const size_t kFreezeRecordSize = 24;
const size_t kFreezeRecords = 2;
const size_t kObdStatusAt = 20;
const size_t kModuleAt = 21;
const size_t kMaskAt = 22;
const unsigned kFreezeInjectors = 4;

// The controller's gas modes 4 and 5 are gas as well.
bool isGasMode(unsigned char mode)
{
    return mode == CDiag::kModeGas || mode == 4 || mode == 5;
}

std::wstring format(const wchar_t* pattern, double value)
{
    wchar_t text[64];
    swprintf(text, 64, pattern, value);
    return text;
}

// The record's bytes in their places of a live-data sample.
CDiag freezeFrameSample(const unsigned char* record)
{
    CDiag sample;
    unsigned char* s = sample.data();
    const std::pair<size_t, size_t> bytes[] = {{6, 0},  {7, 1},  {8, 2},  {9, 3},
                                               {11, 6}, {12, 7}, {13, 8}, {15, 10}};
    for (const auto& [from, to] : bytes)
        s[to] = record[from];
    s[16] = record[0];
    s[17] = record[1];
    for (unsigned n = 0; n < kFreezeInjectors; ++n)
        std::copy(record + 2, record + 6, s + 18 + 4 * n);
    return sample;
}

} // namespace

IMPLEMENT_DYNAMIC(CInfoMPDlg, CGDIpMultiPageDialog)

BEGIN_MESSAGE_MAP(CInfoMPDlg, CGDIpMultiPageDialog)
ON_BN_CLICKED(IDC_INFO_READ_ERRORS, &CInfoMPDlg::OnReadErrors)
ON_BN_CLICKED(IDC_INFO_CLEAR_ERRORS, &CInfoMPDlg::OnClearErrors)
ON_BN_CLICKED(IDC_INFO_PC_CONNECTIONS, &CInfoMPDlg::OnPcConnections)
ON_BN_CLICKED(IDC_INFO_ONBOARD_DIAG, &CInfoMPDlg::OnOnBoardDiagnostic)
ON_NOTIFY(NM_CLICK, IDC_INFO_ERROR_LIST, &CInfoMPDlg::OnErrorListClick)
END_MESSAGE_MAP()

CInfoMPDlg::CInfoMPDlg(CWnd* pParent) : CGDIpMultiPageDialog(IDD_INFO, pParent) {}

CInfoMPDlg::~CInfoMPDlg() = default;

void CInfoMPDlg::DoDataExchange(CDataExchange* pDX)
{
    CGDIpMultiPageDialog::DoDataExchange(pDX);
    for (int i = 0; i < 4; ++i)
        DDX_Control(pDX, kButtonIds[i], m_buttons[i]);
    for (int i = 0; i < 5; ++i)
        DDX_Control(pDX, kEditIds[i], m_edits[i]);
    for (int i = 0; i < 7; ++i)
        DDX_Control(pDX, kCaptionIds[i], m_captions[i]);
}

BOOL CInfoMPDlg::OnInitDialog()
{
    CGDIpMultiPageDialog::OnInitDialog();
    m_errorList.CreateFromStatic(0, this, IDC_INFO_ERROR_LIST);
    m_freezeList.CreateFromStatic(0, this, IDC_INFO_FREEZE_LIST);
    addColumn(m_errorList, L"Error", 0.2);
    addColumn(m_errorList, L"Description", 0.8);
    addColumn(m_freezeList, L"Parameter", 0.7);
    addColumn(m_freezeList, L"Value", 0.3);
    v_translate();
    return TRUE;
}

void CInfoMPDlg::addColumn(CGDIpListCtrl& list, const wchar_t* text, double width)
{
    auto* item = new COrvoListCtrlHeaderItem;
    item->m_text = text;
    item->m_widthRatio = width;
    list.insertHeaderColumn(item);
}

void CInfoMPDlg::addRow(CGDIpListCtrl& list, const std::wstring& first, const std::wstring& second)
{
    auto* row = new CGDIpListCtrlRow;
    row->m_owner = &list;
    row->m_header = &list.getHeader();
    CListCtrlRowItemColorPack pack;
    for (const std::wstring* text : {&first, &second}) {
        auto* item = new CGDIpListCtrlRowItem;
        item->setColors(&pack);
        item->m_owner = &list;
        item->m_row = row;
        item->m_text = *text;
        row->m_items.push_back(item);
    }
    list.getRows().push_back(row);
}

void CInfoMPDlg::v_translate()
{
    for (int i = 0; i < 4; ++i)
        m_buttons[i].SetWindowTextW(translate(kButtonTexts[i]).c_str());
    for (int i = 0; i < 6; ++i)
        m_captions[i].SetWindowTextW(translate(kCaptionTexts[i]).c_str());
}

void CInfoMPDlg::v_activate()
{
    try {
        refreshInfo();
    } catch (IError* error) {
        delete error;
    }
    m_errorList.invalidate();
    m_freezeList.invalidate();
    const CDevInfo* info = g_pDevice ? &g_pDevice->m_settings.m_devInfo : nullptr;
    const bool onBoard =
        info && info->m_version >= kOnBoardDiagVersion && info->m_deviceID == kOnBoardDiagHardware;
    m_buttons[3].ShowWindow(onBoard ? SW_SHOW : SW_HIDE);
}

// Every 40th tick: with the 100 ms frame timer, every 4 s.
void CInfoMPDlg::v_onTimer()
{
    if (--m_countdown > 0)
        return;
    m_countdown = kTicksPerRefresh;
    try {
        refreshInfo();
    } catch (IError* error) {
        delete error;
    }
}

std::wstring CInfoMPDlg::drivingTime(uint32_t halfSeconds)
{
    const unsigned s = static_cast<unsigned>(std::trunc(halfSeconds * 0.5));
    const unsigned m = s / 60;
    const unsigned h = m / 60;
    wchar_t text[64];
    swprintf(text, 64, L"%4d %ls: %02d %ls", h, translate(L"h").c_str(), m - 60 * h,
             translate(L"min").c_str());
    return text;
}

void CInfoMPDlg::refreshInfo()
{
    if (!g_pDevice)
        return;
    CLPGDevice& device = *g_pDevice;
    const CDevInfo& info = device.m_settings.m_devInfo;
    m_edits[kProdDateEdit].SetWindowTextW(info.m_prodDate.c_str());
    wchar_t version[64];
    swprintf(version, 64, L"%ls  v %d.%01d", L"", (info.m_version >> 8) & 0xFF, info.m_version & 0xFF);
    m_edits[kVersionEdit].SetWindowTextW(version);
    m_edits[kSerialEdit].SetWindowTextW(info.m_serial.c_str());
    if (!readableDevice() || !device.readBlock12())
        return;
    m_edits[kPetrolTimeEdit].SetWindowTextW(drivingTime(info.m_statistic.gas).c_str());
    m_edits[kGasTimeEdit].SetWindowTextW(drivingTime(info.m_statistic.lpg).c_str());
}

void CInfoMPDlg::emptyLists()
{
    m_errorList.deleteItems();
    m_freezeList.deleteItems();
    m_errorList.invalidate();
    m_freezeList.invalidate();
}

void CInfoMPDlg::OnReadErrors()
{
    runSettingsHandler(this, L"CInfoMPDlg::OnReadErrors", [&] {
        CLPGDevice* device = readableDevice();
        unsigned char report[kErrorCodesSize] = {};
        if (!device || !device->readErrorCodes(report)) {
            showProgramMessage(this, L"Can't read error codes from device", MB_OK);
            return;
        }
        emptyLists();
        for (const std::wstring& message : device->decodeReport(report))
            addRow(m_errorList, device->errorCode(message), message);
        m_errorList.invalidate();
    });
}

void CInfoMPDlg::OnClearErrors()
{
    runSettingsHandler(this, L"CInfoMPDlg::OnClearErrors", [&] {
        CLPGDevice* device = readableDevice();
        if (!device) {
            showProgramMessage(this, L"Can't clear device error codes", MB_OK);
            return;
        }
        PetrolProcedure procedure(this, *device);
        if (!procedure.runner().reset()) {
            showProgramMessage(this, L"Can't clear device error codes", MB_OK);
            return;
        }
        emptyLists();
        procedure.finish();
    });
}

void CInfoMPDlg::OnPcConnections()
{
    CPcConnDlg dialog(this);
    dialog.DoModal();
}

void CInfoMPDlg::OnOnBoardDiagnostic()
{
    COnBoardDiagDialog dialog(this);
    dialog.DoModal();
}

void CInfoMPDlg::OnErrorListClick(NMHDR* pHdr, LRESULT* pResult)
{
    *pResult = 0;
    runSettingsHandler(
        this, L"CInfoMPDlg::OnErrorSelected",
        [&] { OnErrorSelected(reinterpret_cast<CGDIpListCtrlRow*>(pHdr->idFrom)); }, false);
}

void CInfoMPDlg::OnErrorSelected(CGDIpListCtrlRow* row)
{
    m_freezeList.deleteItems();
    m_freezeList.invalidate();
    CLPGDevice* device = readableDevice();
    if (!row || row->m_items.size() < 2 || !device)
        return;
    unsigned char frames[kBlock36DataSize] = {};
    {
        WaitCursor wait;
        if (!device->readBlock36(frames))
            return;
    }
    // Errors of module 0 have no freeze frame.
    const CErrorPlace place = device->findMessage(row->m_items[1]->m_text);
    if (place.module == 0 || place.mask == 0)
        return;
    for (size_t k = 0; k < kFreezeRecords; ++k) {
        const unsigned char* record = frames + k * kFreezeRecordSize;
        if (record[kModuleAt] == place.module && record[kMaskAt] == place.mask) {
            showFreezeFrame(record);
            return;
        }
    }
}

void CInfoMPDlg::showFreezeFrame(const unsigned char* record)
{
    const CDiag sample = freezeFrameSample(record);
    const bool gas = isGasMode(sample.getMode());
    addRow(m_freezeList, L"ECU state", gas ? L"GAS" : L"PETROL");
    addRow(m_freezeList, L"Gas valve state", gas ? L"ON" : L"OFF");
    addRow(m_freezeList, L"RPM", format(L"%.0f", sample.getRpm()));
    wchar_t label[64];
    for (unsigned n = 0; n < kFreezeInjectors; ++n) {
        swprintf(label, 64, L"Petrol injection time (%u)", n + 1);
        addRow(m_freezeList, label, format(L"%.2f ms", sample.getInjectionTime(n)));
    }
    for (unsigned n = 0; n < kFreezeInjectors; ++n) {
        swprintf(label, 64, L"Gas injection time (%u)", n + 1);
        addRow(m_freezeList, label, format(L"%.2f ms", gas ? sample.getCorrectedInjectionTime(n) : 0.0));
    }
    addRow(m_freezeList, L"Gas presure", format(L"%.2f", sample.getPressure() / 100));
    addRow(m_freezeList, L"Manifold pressure", format(L"%.2f", sample.getManifoldPressure() / 100));
    addRow(m_freezeList, L"Reducer temperature", format(L"%.0f", sample.getTemperature1()));
    addRow(m_freezeList, L"Gas temperature", format(L"%.0f", sample.getTemperature2()));
    addRow(m_freezeList, L"Lambda 1", format(L"%.2f", sample.getVoltage6()));
    addRow(m_freezeList, L"Lambda 2", format(L"%.2f", sample.getVoltage7()));
    addRow(m_freezeList, L"OBD connection status", record[kObdStatusAt] != 0 ? L"ON" : L"OFF");
    m_freezeList.invalidate();
}
