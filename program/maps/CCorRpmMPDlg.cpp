#include "CCorRpmMPDlg.h"

#include "CMapDefinitionDlg.h"
#include "CMapEdit.h"
#include "CheckBoxImages.h"
#include "LiveSample.h"
#include "MapsUiIds.h"
#include "PetrolProcedure.h"
#include "RoundFunctions.h"
#include "ShellIds.h"
#include "translate.h"

#include <CCellArrayEdit.h>
#include <CDiag.h>
#include <CImageCheckBox.h>
#include <CLPGDevice.h>
#include <UserInterface.h>

#include <algorithm>

namespace {

const int kStepIds[6] = {IDC_MAP_PLUS1,  IDC_MAP_PLUS2,  IDC_MAP_PLUS5,
                         IDC_MAP_MINUS1, IDC_MAP_MINUS2, IDC_MAP_MINUS5};
const uint16_t kVacuumMap = 0x0400;
const uint16_t kObdMappingOffered = 0x0200;
const int kMapTypeFirmware = 785;
// The template's button rows, 26 units, in the pixels a list is sized in.
const int kButtonRowHeight = 42;

CSettingsRecord& record()
{
    static CSettingsRecord offline;
    return g_pDevice ? g_pDevice->m_settings : offline;
}

bool isVacuum(const CSettingsRecord& r)
{
    return (r.m_advancedSetup.m_advancedFlags3 & kVacuumMap) != 0;
}

bool ctrlDown()
{
    return GetKeyState(VK_LCONTROL) < 0 || GetKeyState(VK_RCONTROL) < 0 || GetKeyState(VK_CONTROL) < 0;
}

bool shiftDown()
{
    return GetKeyState(VK_LSHIFT) < 0 || GetKeyState(VK_RSHIFT) < 0 || GetKeyState(VK_SHIFT) < 0;
}

std::vector<CString> axisTitles(const CSettingsRecord& r, bool rpm)
{
    std::vector<CString> titles;
    if (rpm)
        for (double p : r.m_corrMap.m_colAxis)
            titles.push_back(CMapArray::rpmPointText(p));
    else
        for (double p : r.m_corrMap.m_rowAxis)
            titles.push_back(CMapArray::loadPointText(r, p));
    return titles;
}

} // namespace

IMPLEMENT_DYNAMIC(CCorRpmMPDlg, CGDIpMultiPageDialog)

BEGIN_MESSAGE_MAP(CCorRpmMPDlg, CGDIpMultiPageDialog)
ON_BN_CLICKED(IDC_MAP_NEIGHBOURS, &CCorRpmMPDlg::OnClickedChkNeighbours)
ON_BN_CLICKED(IDC_MAP_CLEAR, &CCorRpmMPDlg::OnBnClickedBtnClearMap)
ON_BN_CLICKED(IDC_MAP_OBD_MAPPING, &CCorRpmMPDlg::OnClickedChkObdMapping)
ON_BN_CLICKED(IDC_MAP_OBD_START, &CCorRpmMPDlg::OnClickedBtnObdMapStart)
ON_BN_CLICKED(IDC_MAP_OBD_STOP, &CCorRpmMPDlg::OnClickedBtnObdMapStop)
ON_BN_CLICKED(IDC_MAP_OBD_CALCULATE, &CCorRpmMPDlg::OnClickedBtnObdMapCalculate)
ON_BN_CLICKED(IDC_MAP_PLUS1, &CCorRpmMPDlg::OnClickedBtnPlus1)
ON_BN_CLICKED(IDC_MAP_PLUS2, &CCorRpmMPDlg::OnClickedBtnPlus2)
ON_BN_CLICKED(IDC_MAP_PLUS5, &CCorRpmMPDlg::OnClickedBtnPlus5)
ON_BN_CLICKED(IDC_MAP_MINUS1, &CCorRpmMPDlg::OnClickedBtnMinus1)
ON_BN_CLICKED(IDC_MAP_MINUS2, &CCorRpmMPDlg::OnClickedBtnMinus2)
ON_BN_CLICKED(IDC_MAP_MINUS5, &CCorRpmMPDlg::OnClickedBtnMinus5)
ON_CBN_SELENDOK(IDC_MAP_TYPE, &CCorRpmMPDlg::OnSelendokCmbMapType)
ON_BN_CLICKED(IDC_MAP_DEFINITION, &CCorRpmMPDlg::OnClickedBtnDefinition)
ON_WM_DESTROY()
END_MESSAGE_MAP()

CCorRpmMPDlg::CCorRpmMPDlg(CWnd* pParent) : CGDIpMultiPageDialog(IDD_COR_RPM, pParent) {}

CCorRpmMPDlg::~CCorRpmMPDlg() = default;

void CCorRpmMPDlg::DoDataExchange(CDataExchange* pDX)
{
    CGDIpMultiPageDialog::DoDataExchange(pDX);
    for (int i = 0; i < 6; ++i)
        DDX_Control(pDX, kStepIds[i], m_stepButtons[i]);
    DDX_Control(pDX, IDC_MAP_NEIGHBOURS, m_neighboursCheck);
    DDX_Control(pDX, IDC_MAP_CLEAR, m_clearButton);
    DDX_Control(pDX, IDC_MAP_OBD_CALCULATE, m_calculateButton);
    DDX_Control(pDX, IDC_MAP_OBD_STOP, m_stopButton);
    DDX_Control(pDX, IDC_MAP_OBD_START, m_startButton);
    DDX_Control(pDX, IDC_MAP_OBD_MAPPING, m_obdMappingCheck);
    DDX_Check(pDX, IDC_MAP_NEIGHBOURS, m_neighbours);
    DDX_Check(pDX, IDC_MAP_OBD_MAPPING, m_obdMapping);
    DDX_Control(pDX, IDC_MAP_TYPE, m_mapTypeCombo);
    DDX_Control(pDX, IDC_MAP_DEFINITION, m_definitionButton);
}

BOOL CCorRpmMPDlg::OnInitDialog()
{
    createMapTable();
    // As high as the buttons beside it, so the page's font fits in it.
    m_mapTypeCombo.m_closedHeight = kButtonRowHeight;
    CGDIpMultiPageDialog::OnInitDialog();
    initControls();
    m_obdMappingCheck.ShowWindow(SW_HIDE);
    m_calculateButton.ShowWindow(SW_HIDE);
    m_stopButton.ShowWindow(SW_HIDE);
    m_startButton.ShowWindow(SW_HIDE);
    return TRUE;
}

void CCorRpmMPDlg::createMapTable()
{
    m_mapTable.CreateFromStatic(0x10010001, this, IDC_MAP_TABLE);
    std::vector<CString> columns = axisTitles(record(), true);
    std::vector<CString> rows = axisTitles(record(), false);
    auto* edit = new CCellArrayEdit;
    edit->Create(0x40000001, CRect(0, 0, 0, 0), &m_mapTable, IDC_MAP_EDITOR);
    m_mapTable.init(new CMapEdit(edit), L"ms", 25, 43, columns, 25, 43, rows, RGB(0, 0, 0),
                    RGB(0xFF, 0xF7, 0xF5), RGB(0, 0, 0), RGB(0xFF, 0xFF, 0xFF), RGB(0xA0, 0xFF, 0xA0),
                    RGB(0xD2, 0xD2, 0xD2), GetFont(),
                    CCellArray::EditColumnHeaders | CCellArray::EditRowHeaders);
}

void CCorRpmMPDlg::initControls()
{
    loadCheckBoxImages(m_checkSelected, m_checkUnselected, {&m_neighboursCheck, &m_obdMappingCheck});
    m_mapTable.setCurrentPoint(1200, 3.0);
    refreshMap();
    v_translate();
    UpdateData(FALSE);
}

void CCorRpmMPDlg::refreshMap()
{
    if (!m_mapTable.GetSafeHwnd())
        return;
    const CSettingsRecord& r = record();
    m_mapTable.showAxes(r);
    m_mapTable.showMap(r.m_corrMap);
    const bool vacuum = isVacuum(r);
    m_mapTypeCombo.setSelValue(vacuum ? 1.0 : 0.0);
    m_mapTable.getFirstCell()->setTxt(translate(vacuum ? L"bar" : L"ms").c_str());
}

void CCorRpmMPDlg::v_activate()
{
    refreshMap();
    const bool linkActive = g_pDevice && g_pDevice->m_obdLinkActive;
    if (!linkActive) {
        m_obdMapping = 0;
        endMapping(editableDevice());
    }
    bool offered = false;
    if (g_pDevice && (g_pDevice->m_settings.m_advancedSetup.m_advancedFlags3 & kObdMappingOffered) &&
        (g_pDevice->m_settings.m_devInfo.m_flags1 & 0x01)) {
        m_obdMapping = 1;
        offered = true;
        UpdateData(FALSE);
    }
    m_obdMappingCheck.ShowWindow(linkActive || offered ? SW_SHOW : SW_HIDE);
    showObdButtons();
    const int version = g_pDevice ? g_pDevice->m_settings.m_devInfo.m_version : 0;
    m_mapTypeCombo.ShowWindow(version >= kMapTypeFirmware ? SW_SHOW : SW_HIDE);
    m_mapTable.SetFocus();
}

void CCorRpmMPDlg::showObdButtons()
{
    const int show = m_obdMapping ? SW_SHOW : SW_HIDE;
    m_startButton.ShowWindow(show);
    m_stopButton.ShowWindow(show);
    m_calculateButton.ShowWindow(show);
    m_calculateButton.EnableWindow(!m_mappingRunning);
}

void CCorRpmMPDlg::v_onTimer()
{
    CDiag sample;
    if (!newestSample(sample))
        return;
    const double rpm = sample.getRpm();
    double injection = 0;
    for (int n = 0; n < 2 * g_pDevice->m_settings.m_devInfo.m_injCount; ++n)
        injection = std::max(injection, round2(sample.getInjectionTime(n)));
    const double load = isVacuum(record()) ? sample.getManifoldPressure() / 100 : injection;
    m_mapTable.setCurrentPoint(rpm, load);
    if (!m_mappingRunning)
        return;
    CObdDiagnostic& obd = *g_pDevice;
    m_mapFromOBD.addSample(record().m_corrMap, rpm, load, obd.getValue(0), obd.getValue(1), obd.getValue(2),
                           obd.getValue(3));
    static int ticks = 0;
    if (ticks++ > 10) {
        ticks = 0;
        showObdResults();
    }
}

BOOL CCorRpmMPDlg::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && handleMapKey(*pMsg))
        return TRUE;
    return CGDIpMultiPageDialog::PreTranslateMessage(pMsg);
}

// The arrows work the table, except in the header editor and the map-type
// list, which need them for themselves.
bool CCorRpmMPDlg::handleMapKey(const MSG& msg)
{
    const UINT key = UINT(msg.wParam);
    if (key < VK_LEFT || key > VK_DOWN)
        return false;
    HWND focus = ::GetFocus();
    CItemCtrl* editor = m_mapTable.getEditor();
    HWND editWnd = editor ? editor->getWindow().GetSafeHwnd() : nullptr;
    if (focus && ((editWnd && focus == editWnd) || focus == m_mapTypeCombo.GetSafeHwnd() ||
                  ::IsChild(m_mapTypeCombo.GetSafeHwnd(), focus)))
        return false;
    if ((key == VK_UP || key == VK_DOWN) && ctrlDown()) {
        WaitCursor wait;
        m_mapTable.incrementSelected(key == VK_UP ? +1 : -1);
    } else if (shiftDown()) {
        m_mapTable.extendSelection(key);
    } else {
        m_mapTable.moveSelection(key);
    }
    return true;
}

void CCorRpmMPDlg::stepSelected(int step)
{
    if (!editableDevice())
        return;
    WaitCursor wait;
    m_mapTable.incrementSelected(step);
}

void CCorRpmMPDlg::OnClickedChkNeighbours()
{
    UpdateData(TRUE);
    m_mapTable.setNeighbours(m_neighbours != 0);
    m_mapTable.setRepeatCount(0);
}

void CCorRpmMPDlg::OnClickedChkObdMapping()
{
    UpdateData(TRUE);
    m_clearButton.EnableWindow(!m_obdMapping);
    showObdButtons();
    m_calculateButton.EnableWindow(FALSE);
}

// Cleared in the record only when the controller cleared its own.
void CCorRpmMPDlg::OnBnClickedBtnClearMap()
{
    CLPGDevice* device = editableDevice();
    if (!device)
        return;
    runSettingsHandler(this, L"CCorRpmMPDlg::OnBnClickedBtnClearMap", [&] {
        if (!device->sendAction20() || !device->sendAction19())
            showCantWrite(this);
        else if (!device->readCorrectionMap())
            for (auto& row : device->m_settings.m_corrMap.m_injMapTable)
                row.fill(0.0);
    });
    refreshMap();
}

void CCorRpmMPDlg::OnSelendokCmbMapType()
{
    CLPGDevice* device = editableDevice();
    if (!device)
        return;
    const bool vacuum = int(m_mapTypeCombo.getSelValue()) == 1;
    if (vacuum == isVacuum(device->m_settings))
        return;
    runSettingsHandler(this, L"CCorRpmMPDlg::OnSelendokCmbMapType", [&] { changeMapType(*device, vacuum); });
    refreshMap();
}

// Petrol, the load axis in its new units (block 34), the type (block 26),
// the restart; then back to gas unless the engine was on petrol. A failed
// write puts the old type and axis back, in the record and the controller.
bool CCorRpmMPDlg::changeMapType(CLPGDevice& device, bool vacuum)
{
    PetrolProcedure procedure(this, device);
    if (!procedure.switchToPetrol()) {
        showPageError(this, L"Can't switch to petrol");
        return false;
    }
    CAdvancedSetup& setup = device.m_settings.m_advancedSetup;
    CCorrMap& map = device.m_settings.m_corrMap;
    const uint16_t oldFlags = setup.m_advancedFlags3;
    const LoadAxis oldAxis = map.m_rowAxis;
    setup.m_advancedFlags3 = uint16_t(vacuum ? oldFlags | kVacuumMap : oldFlags & ~kVacuumMap);
    map.m_rowAxis = defaultLoadAxis(vacuum);
    const bool axisWritten = procedure.write(&CLPGDevice::writeBlock34);
    if (!axisWritten || !procedure.write(&CLPGDevice::writeBlock26)) {
        setup.m_advancedFlags3 = oldFlags;
        map.m_rowAxis = oldAxis;
        if (axisWritten)
            device.writeBlock34();
        return false;
    }
    if (!procedure.reset())
        return false;
    procedure.finish();
    return true;
}

void CCorRpmMPDlg::OnClickedBtnDefinition()
{
    CSettingsRecord& r = record();
    CMapDefinitionDlg dialog(nullptr);
    dialog.m_minValue = r.m_corrMap.m_rowAxis[0];
    dialog.m_maxValue = r.m_corrMap.m_rowAxis[CCorrMap::kRows - 1];
    dialog.m_minRpm = r.m_corrMap.m_colAxis[0];
    dialog.m_maxRpm = r.m_corrMap.m_colAxis[CCorrMap::kCols - 1];
    dialog.m_record = &r;
    if (dialog.DoModal() != IDOK)
        return;
    CLPGDevice* device = editableDevice();
    if (!device) {
        showCantWrite(this);
        return;
    }
    runSettingsHandler(this, L"CCorRpmMPDlg::OnClickedBtnDefinition",
                       [&] { writeAxes(*device, dialog.heldLoadAxis(), dialog.heldRpmAxis()); });
    refreshMap();
}

// The axes go to the controller and are read back; a failed write puts the
// old ones back in the record.
bool CCorRpmMPDlg::writeAxes(CLPGDevice& device, const LoadAxis& load, const RpmAxis& rpm)
{
    CCorrMap& map = device.m_settings.m_corrMap;
    const LoadAxis oldLoad = map.m_rowAxis;
    const RpmAxis oldRpm = map.m_colAxis;
    map.m_rowAxis = load;
    map.m_colAxis = rpm;
    if (!writeSettingsBlock(this, &CLPGDevice::writeBlock34)) {
        map.m_rowAxis = oldLoad;
        map.m_colAxis = oldRpm;
        return false;
    }
    device.readBlock34();
    return true;
}

void CCorRpmMPDlg::v_translate()
{
    SetDlgItemTextW(IDC_MAP_NEIGHBOURS, translate(L"Change Neighboring").c_str());
    m_neighboursCheck.SetWindowTextW(translate(L"Change Neighboring").c_str());
    m_clearButton.SetWindowTextW(translate(L"Clear").c_str());
    m_obdMappingCheck.SetWindowTextW(translate(L"Mapping From OBD").c_str());
    m_startButton.SetWindowTextW(translate(L"Start").c_str());
    m_stopButton.SetWindowTextW(translate(L"Stop").c_str());
    m_calculateButton.SetWindowTextW(translate(L"Calcutate").c_str());
    m_definitionButton.SetWindowTextW(translate(L"Map coordinates").c_str());
    int selected = m_mapTypeCombo.GetCurSel();
    m_mapTypeCombo.resetContent();
    m_mapTypeCombo.addValue(0, 0.0, translate(L"Map RPM vs Injection"));
    m_mapTypeCombo.addValue(0, 1.0, translate(L"Map RPM vs Vacuum"));
    m_mapTypeCombo.SetCurSel(selected < 0 ? 0 : selected);
}

void CCorRpmMPDlg::OnDestroy()
{
    endMapping(g_pDevice && g_pDevice->m_connected ? g_pDevice : nullptr);
    CGDIpMultiPageDialog::OnDestroy();
}
