#include "COrvoDoc.h"

#include "CMainFrame.h"
#include "COrvoView.h"
#include "CPasswdDlg.h"
#include "ErrorReport.h"
#include "ProgramBusy.h"
#include "ShellIds.h"
#include "translate.h"

#include <CLPGThreadManager.h>
#include <IError.h>

COrvoDoc* g_pDocument = nullptr;

namespace {
const wchar_t kHiddenFeaturesCode[] = L"3851";
const wchar_t kNoRecording[] = L"\\";
} // namespace

IMPLEMENT_DYNCREATE(COrvoDoc, CDocument)

BEGIN_MESSAGE_MAP(COrvoDoc, CDocument)
ON_COMMAND(ID_CONNECT, &COrvoDoc::OnConnect)
ON_COMMAND(ID_FILE_READ_SETTINGS, &COrvoDoc::OnFileReadSettings)
ON_COMMAND(ID_SAVE_SETTINGS_TO_FILE, &COrvoDoc::OnSaveSettingsToFile)
ON_COMMAND(ID_SETTINGS_RESTORE, &COrvoDoc::OnSettingsRestore)
ON_COMMAND(ID_LANGUAGE_ENGLISH, &COrvoDoc::OnLanguageEnglish)
ON_COMMAND(ID_LANGUAGE_2, &COrvoDoc::OnLanguage2)
ON_COMMAND(ID_DEVICE_UPDATE, &COrvoDoc::OnDeviceUpdate)
ON_COMMAND(ID_ENABLE_HIDDEN_FEATURES, &COrvoDoc::OnEnableHiddenFeatures)
ON_UPDATE_COMMAND_UI(ID_CONNECT, &COrvoDoc::OnUpdateConnect)
ON_UPDATE_COMMAND_UI(ID_FILE_READ_SETTINGS, &COrvoDoc::OnUpdateAlways)
ON_UPDATE_COMMAND_UI(ID_SAVE_SETTINGS_TO_FILE, &COrvoDoc::OnUpdateAlways)
ON_UPDATE_COMMAND_UI(ID_SETTINGS_RESTORE, &COrvoDoc::OnUpdateAlways)
ON_UPDATE_COMMAND_UI(ID_DEVICE_UPDATE, &COrvoDoc::OnUpdateAlways)
ON_UPDATE_COMMAND_UI(ID_LANGUAGE_ENGLISH, &COrvoDoc::OnUpdateLanguageEnglish)
ON_UPDATE_COMMAND_UI(ID_LANGUAGE_2, &COrvoDoc::OnUpdateLanguage2)
ON_UPDATE_COMMAND_UI(ID_ENABLE_HIDDEN_FEATURES, &COrvoDoc::OnUpdateEnableHiddenFeatures)
END_MESSAGE_MAP()

COrvoDoc::COrvoDoc()
{
    // A controller found waiting in its bootloader is updated at once.
    m_device.m_recoveryUpdate = [this] { return updateDevice(true); };
}

// The thread reads the controller's store and port: it goes first.
COrvoDoc::~COrvoDoc()
{
    m_device.m_diagThread.stop();
    if (g_pDocument == this)
        g_pDocument = nullptr;
    if (g_pShell == this)
        g_pShell = nullptr;
}

BOOL COrvoDoc::OnNewDocument()
{
    if (!CDocument::OnNewDocument())
        return FALSE;
    g_pDocument = this;
    g_pShell = this;
    return TRUE;
}

// A close deferred until a procedure ended asks again: the controller
// records this run once.
BOOL COrvoDoc::CanCloseFrame(CFrameWnd* pFrame)
{
    if (m_device.m_connected && !m_pcConnectionRecorded) {
        m_pcConnectionRecorded = true;
        try {
            m_device.recordPcConnection(m_device.m_settingsWritten);
        } catch (IError* error) {
            delete error;
        }
    }
    return CDocument::CanCloseFrame(pFrame);
}

void COrvoDoc::v_translate()
{
    if (m_pMainFrame)
        m_pMainFrame->buildMenu();
}

COrvoView* COrvoDoc::view() const
{
    return m_pMainFrame ? m_pMainFrame->m_pView : nullptr;
}

bool COrvoDoc::startDiagThread(const std::wstring& path)
{
    if (!m_device.m_liveDataAllowed) {
        stopDiagThread();
        return false;
    }
    const bool started =
        g_pThreadManager && m_device.m_diagThread.start(*g_pThreadManager, &m_device.m_diagData, path);
    // A thread that would not end still fills the store: the pages and the
    // watchdog go on with it.
    if (m_pMainFrame && (started || m_device.m_diagThread.isRunning()))
        m_pMainFrame->startWatchTimer();
    return started;
}

bool COrvoDoc::startDiagThreadDefault()
{
    return startDiagThread(kNoRecording);
}

bool COrvoDoc::stopDiagThread()
{
    if (m_pMainFrame)
        m_pMainFrame->stopWatchTimer();
    return m_device.m_diagThread.stop();
}

void COrvoDoc::onConnected()
{
    if (m_pMainFrame)
        m_pMainFrame->setConnectedState(true);
    startDiagThreadDefault();
    refreshActivePage();
    enablePages(m_device.isLocked());
}

void COrvoDoc::enablePages(bool locked)
{
    if (COrvoView* v = view())
        v->enablePages(locked);
}

void COrvoDoc::refreshActivePage()
{
    if (COrvoView* v = view())
        v->activateActivePage();
}

void COrvoDoc::OnConnect()
{
    if (ProgramBusy::isSet() || m_device.m_connected)
        return;
    ProgramBusy busy;
    m_device.connect();
    if (m_device.m_connected)
        onConnected();
}

void COrvoDoc::OnSaveSettingsToFile()
{
    if (ProgramBusy::isSet() || !m_device.m_connected)
        return;
    ProgramBusy busy;
    m_device.saveSettingsFile();
}

void COrvoDoc::setLanguage(int id)
{
    if (ProgramBusy::isSet() || id == g_languageId)
        return;
    g_languageId = id;
    m_device.buildModules();
    v_translate();
}

void COrvoDoc::OnLanguageEnglish()
{
    setLanguage(1);
}

void COrvoDoc::OnLanguage2()
{
    setLanguage(2);
}

void COrvoDoc::OnEnableHiddenFeatures()
{
    if (ProgramBusy::isSet() || m_device.m_hiddenFeatures)
        return;
    CPasswdDlg dialog(m_pMainFrame);
    if (dialog.DoModal() != IDOK || dialog.m_password != kHiddenFeaturesCode)
        return;
    m_device.m_hiddenFeatures = true;
    refreshActivePage();
}

void COrvoDoc::OnUpdateConnect(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(!ProgramBusy::isSet() && !m_device.m_connected);
}

void COrvoDoc::OnUpdateAlways(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(!ProgramBusy::isSet());
}

void COrvoDoc::OnUpdateLanguageEnglish(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(!ProgramBusy::isSet());
    pCmdUI->SetCheck(g_languageId == 1);
}

void COrvoDoc::OnUpdateLanguage2(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(!ProgramBusy::isSet());
    pCmdUI->SetCheck(g_languageId == 2);
}

void COrvoDoc::OnUpdateEnableHiddenFeatures(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(!ProgramBusy::isSet() && !m_device.m_hiddenFeatures);
}
