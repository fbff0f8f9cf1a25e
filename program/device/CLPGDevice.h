#pragma once

#include "CDiagData.h"
#include "CLPGDeviceErr.h"
#include "CMutexGuard.h"
#include "CSettingsRecord.h"
#include "DiagThreadControl.h"
#include "frame.h"
#include "serialport.h"

#include <CSendrelMutex.h>

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class CDiag;

// The connected controller: its port, the mutex around every frame exchange
// and the state of the connection. One per run, published in g_pDevice.
class CLPGDevice : public CLPGDeviceErr
{
public:
    CLPGDevice();
    CLPGDevice(const CLPGDevice&) = delete;
    CLPGDevice& operator=(const CLPGDevice&) = delete;
    virtual ~CLPGDevice();

    // One request and its reply under the device mutex. `buffer` holds the
    // request payload (`length` bytes, command `cmd`; its words are rotated
    // in place) and receives the reply payload, then the reply's two sum
    // bytes; it holds `bufferSize` bytes. On success `cmd` is the reply's
    // command and `length` its payload size. Port failures throw CRSError*.
    bool transact(unsigned char* buffer, unsigned char& length, unsigned char& cmd,
                  size_t bufferSize = kTransactBufferSize);
    // The same for live-data samples, stricter: any line error or a reply
    // that comes in two parts fails it. Returns 0 on success, with `length`
    // the reply's payload plus its two sum bytes; 2 on failure.
    unsigned char transactChecked(unsigned char* buffer, unsigned char& length, unsigned char& cmd,
                                  size_t bufferSize = kTransactBufferSize);

    // Connection. connect seeds the nonces and searches every present port,
    // the remembered one first; tryPort opens one and reads everything.
    void connect();
    void discover();
    bool tryPort(unsigned n);
    // Under the device mutex: the same port again, after a port error.
    bool reopenPort();
    bool readAllSettings();
    // After a failed write of several blocks: every settings block read
    // back into the record (block 35 from 789, the OBD set-ups with an OBD
    // module), so that the record holds what the controller holds. Stops
    // at the first block that cannot be read, said once; false then.
    bool readBackSettings();
    bool identify();
    bool readDeviceInfo();
    // Any of the 8 password bytes set, or a lock block that could not be
    // read in this connection.
    bool isLocked() const;
    // Controllers from firmware 778 on keep a lock block (block 3).
    bool hasLockBlock() const;

    // Settings blocks of the record; each write that is acknowledged marks
    // the settings as written. Reads leave the record as it was on failure.
    bool readBlock31();
    bool writeBlock31();
    bool readBlock4();
    bool writeBlock4();
    bool readBlock26();
    bool writeBlock26();
    bool readBlock35();
    bool writeBlock35();
    bool readBlock15();
    bool writeBlock15();
    bool readTable7();
    bool writeTable7();
    bool readTable9();
    bool writeTable9();
    bool readBlock30();
    bool writeBlock30();
    bool readBlock32();
    bool writeBlock32();
    bool readBlock33();
    bool writeBlock33();
    bool readBlock34();
    bool writeBlock34();
    bool readBlock3();
    bool writeBlock3();
    bool readBlock12();
    // The PC-connection log and the OBD set-up: their writes do not count as
    // settings written. The OBD reads fill the caller's `setup`; writeBlock18
    // sends m_settings.m_obdSetup, writeBlock27() m_settings.m_obdAdvSetup.
    bool readBlock19();
    bool writeBlock19();
    bool readBlock18(COBDSetup& setup);
    bool writeBlock18();
    bool readBlock27(COBDAdvSetup& setup);
    bool writeBlock27(const COBDAdvSetup& setup);
    bool writeBlock27();

    // Reads whose data goes to the caller (buffers of the sizes below).
    bool readErrorCodes(unsigned char* codes);
    bool readBlock36(unsigned char* data);
    bool readBlock37(unsigned char* data);
    bool readTable28(unsigned char* table);
    bool readTable29(unsigned char* table);
    bool readBlock21(unsigned char* data);
    // The OBD correction of each bank, in percent.
    bool request39(double& bank1, double& bank2);
    // A rectangle of map cells changed as the 6 bytes say.
    bool writeBlock13(const unsigned char* record);

    bool switchToGas();
    bool switchToPetrol();
    bool returnToGas();
    // Petrol first, then the restart.
    bool reset();
    bool sendAction19();
    bool sendAction20();
    bool sendAction23(unsigned char cylinders);
    bool sendAction24(unsigned char injectors);
    bool sendAction28();
    bool sendAction29();
    // Petrol, then live samples until the controller reports petrol.
    bool switchToPetrolAndWait();
    // Every settings block, the map and a reset; failures are shown. False
    // when a step failed.
    bool writeAllSettings();
    // The writes of writeAllSettings in its order, the reset left out.
    static const std::vector<bool (CLPGDevice::*)()>& allSettingsWrites();

    // 0: sample read; 1: another reply; 2: no valid reply.
    unsigned char readDiagSample(CDiag& sample);
    // One relayed OBD request (kObdRequestSize bytes); the reply payload
    // goes to `reply` (`replySize` bytes): a group count, then 12-byte
    // groups. The count never claims more groups than were copied.
    bool sendObdRequest(const unsigned char* request, unsigned char* reply, size_t replySize);

    // Controller memory in 32-byte chunks.
    bool readMemoryChunk(unsigned address, unsigned char* data);
    bool writeMemoryChunk(unsigned address, const unsigned char* data);
    // `data` holds `length` rounded up to whole chunks.
    bool readMemory(unsigned char* data, unsigned address, unsigned length);
    bool writeMemory(const unsigned char* data, unsigned address, unsigned length);
    // The RPM correction map in memory, guarded by its sum.
    bool readCorrectionMap();
    bool writeCorrectionMap();

    // Bootloader. `reply` is the bootloader's code (65535 when none came).
    bool enterBootloader(unsigned char code, unsigned short& reply);
    // 8 characters.
    bool sendBootCode(const char* code);
    bool bootCommand96();
    bool bootCommand10();
    bool eraseFlashBlock(uint32_t address);
    // 64 instructions of 3 bytes.
    bool programData(uint32_t address, const unsigned char* data);
    // `image` holds 4 bytes per instruction, 2 address units each, from
    // address 0 up to `end`.
    bool programFlash(uint32_t start, uint32_t end, uint32_t eraseInterval, const unsigned char* image,
                      uint16_t count);

    // Filled by the shell: the firmware update of a controller found
    // waiting in its bootloader. Its result is identify's.
    std::function<bool()> m_recoveryUpdate;

    // Fills the record from a settings file; a file that is refused leaves
    // the record exactly as it was.
    static bool loadSettingsFile(const std::wstring& path, CSettingsRecord& record);
    // Saves the live image to a file the user chooses: kSettingsSaved, or
    // kSettingsNotSaved when cancelled or not written (then said in a box).
    int saveSettingsFile();
    // The setup-time tables of the after-calibration preset, written with
    // block 7; false when there is no such preset or the write failed.
    bool applyAfterCalibrationPreset();
    // Adds this run to the controller's log of PC connections and writes the
    // log when it changed: `modified` when settings were written in the run.
    // True when written or when nothing was to be recorded; false, with
    // nothing written, when the log was not read in this connection.
    bool recordPcConnection(bool modified);

    // The live image of the controller's settings.
    CSettingsRecord m_settings;
    // Samples of the reading thread, read by the pages.
    CDiagData m_diagData;
    CSerialPort m_port;
    // The live-data reading thread with its run flag.
    DiagThreadControl m_diagThread;
    // Also cleared by the reading thread.
    std::atomic<bool> m_connected{false};
    bool m_settingsWritten = false;
    bool m_liveDataAllowed = true;
    bool m_hiddenFeatures = false;
    // Block 19 was read in this connection, so its log may be written back.
    bool m_pcConnectionsRead = false;
    // This controller's lock block could not be read in this connection.
    bool m_lockUnread = false;
    // Held for every frame exchange and while the port is reopened.
    CSendrelMutex m_mutex;

private:
    bool identifyBootloader();
    void readLockBlock();

    // "NO CONNECTION" for a controller of unknown hardware is said once a run.
    bool m_noConnectionShown = false;
};

// Buffer sizes of the reads that return their data.
const size_t kErrorCodesSize = 4;
const size_t kBlock36DataSize = 50;
const size_t kBlock37DataSize = 20;
const size_t kPointTableSize = 188;
const size_t kBlock21DataSize = 16;
const size_t kBlock13Size = 6;
const size_t kObdRequestSize = 20;
const size_t kMemoryChunkSize = 32;
const size_t kProgramDataSize = 192;

// The one controller object of the run; pages, the reading thread and the
// unit conversions reach it through this.
extern CLPGDevice* g_pDevice;

// This PC's code: the volume serial number of the Windows drive; the bytes
// form is most significant first.
bool getPcCode(unsigned long& serial);
bool getPcCodeBytes(unsigned char* bytes);
// Dates as day counts from 1 April 2004.
std::wstring formatProdDate(unsigned days);
long parseDate(const std::wstring& text);
// The user's documents folder (empty when unknown), and the program's
// folders of recordings and settings under it, created when missing and
// ending in a backslash.
std::wstring getMyDocumentsPath();
std::wstring getDiagFolder();
std::wstring getSettingsFolder();
