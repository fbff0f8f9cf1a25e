#pragma once

#include "IProgramShell.h"

#include <CLPGDevice.h>
#include <Wfx.h>

#include <cstdint>
#include <string>
#include <vector>

class CMainFrame;
class COrvoView;

// The program's single document: it owns the controller object for the
// whole run, handles the File, Language and Info commands, controls the
// live-data reading thread and runs the firmware update.
class COrvoDoc : public CDocument, public IProgramShell
{
    DECLARE_DYNCREATE(COrvoDoc)

public:
    COrvoDoc();
    ~COrvoDoc() override;

    BOOL OnNewDocument() override;
    // Records the PC connection of a connected controller (once a run).
    BOOL CanCloseFrame(CFrameWnd* pFrame) override;
    void v_translate() override;

    // The reading thread. A start without live data allowed stops the frame's
    // timer instead; false when an old thread would not end.
    bool startDiagThread(const std::wstring& path) override;
    bool startDiagThreadDefault();
    // Stops the frame's timer and the thread and waits for its end; false
    // when it did not end, so the line is not quiet.
    bool stopDiagThread() override;
    void enablePages(bool locked) override;

    // What every successful connection goes through: the connected state,
    // the reading thread, the active page read again and the lock applied.
    void onConnected();
    // The active page shows the record again.
    void refreshActivePage();

    bool isDeviceUntouched();
    void writeInitialSetup();

    // Firmware update.
    std::wstring firmwareFolder();
    bool findNewestFirmware(std::wstring& path, uint16_t& version);
    void checkFirmwareUpdate();
    bool updateDevice(bool bootloader);

    CMainFrame* m_pMainFrame = nullptr;
    CLPGDevice m_device;

protected:
    afx_msg void OnConnect();
    afx_msg void OnFileReadSettings();
    afx_msg void OnSaveSettingsToFile();
    afx_msg void OnSettingsRestore();
    afx_msg void OnLanguageEnglish();
    afx_msg void OnLanguage2();
    afx_msg void OnDeviceUpdate();
    afx_msg void OnEnableHiddenFeatures();
    afx_msg void OnUpdateConnect(CCmdUI* pCmdUI);
    afx_msg void OnUpdateAlways(CCmdUI* pCmdUI);
    afx_msg void OnUpdateLanguageEnglish(CCmdUI* pCmdUI);
    afx_msg void OnUpdateLanguage2(CCmdUI* pCmdUI);
    afx_msg void OnUpdateEnableHiddenFeatures(CCmdUI* pCmdUI);

    DECLARE_MESSAGE_MAP()

private:
    COrvoView* view() const;
    void setLanguage(int id);
    bool readChosenFile(CSettingsRecord& loaded);
    void restoreFactorySettings();
    bool writeThroughPetrol(class PetrolProcedure& procedure,
                            const std::vector<bool (CLPGDevice::*)()>& blocks);
    bool writeInitialBlocks(PetrolProcedure& procedure);
    void rollBack(PetrolProcedure& procedure);
    void showChangedSettings();
    bool updateFirmware(class ProcedureRunner& runner, struct FirmwareJob& job, bool bootloader);
    bool programFirmware(const struct FirmwareJob& job, bool bootloader, bool& enteredBootloader);
    void leftInBootloader(class ProcedureRunner& runner, bool entered);
    void lostAfterUpdate();
    bool finishFirmwareUpdate(uint16_t oldVersion, uint16_t newVersion, bool bootloader);

    bool m_pcConnectionRecorded = false;
};

// Set when the document is created; pages reach the document through it.
extern COrvoDoc* g_pDocument;
