#pragma once

#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

class CLPGDevice;

// The eight OBD mode-01 values (fuel trims of both banks, four oxygen
// sensors) that the controller's OBD module relays from the car's ECU. Only
// ever a base of the controller object, through which it talks.
class CObdDiagnostic
{
public:
    static const unsigned kPidCount = 8;

    // One polled value. The request is the CAN data: length 2, mode 1, PID, 0.
    struct CPidEntry
    {
        unsigned char request[4];
        bool enabled;
        // Asked at every (divider + 1)-th turn of the entry.
        int divider;
        int dividerCount;
        unsigned char pid() const { return request[2]; }
    };

    CObdDiagnostic();
    CObdDiagnostic(const CObdDiagnostic&) = delete;
    CObdDiagnostic& operator=(const CObdDiagnostic&) = delete;
    virtual ~CObdDiagnostic();

    static uint32_t defaultResponseId(uint32_t requestId, uint32_t responderId);
    static uint32_t responseMask(uint32_t requestId, uint32_t responderId);

    // After a connection: reads the OBD settings, finds the answering ECU
    // and the PIDs it supports.
    bool detect();
    // Every frame-timer tick; every second one polls.
    void onTimer();
    // Asks the next enabled entry that is due; true when a reply came.
    // `answeredPid`, when given, receives the PID the answer carried (0
    // when none came or it was no positive answer).
    bool pollNext(unsigned char* answeredPid = nullptr);
    // Marks the entries an ECU's support mask of PIDs 01-20 holds; an ECU
    // that claims none of them still gets the trims of bank 1 asked.
    void takeSupportMask(uint32_t supported);

    // The entry's last value as a number (0.0 before the first).
    double getValue(unsigned index) const;
    // The reading thread and the pages read the texts while the poll
    // replaces them, hence the lock behind these.
    std::wstring getValueText(unsigned index) const;
    void setValueText(unsigned index, const std::wstring& text);
    // An entry's value from the 8 data bytes of its answer, "%.2f".
    std::wstring formatValue(const unsigned char* data, unsigned index) const;

    bool m_obdLinkActive = false;
    int m_pollIndex = 0;
    CPidEntry m_pids[kPidCount];
    // The CAN id of the ECU that answered detection; 0 until one did.
    uint32_t m_responderId = 0;

private:
    struct CanFrame
    {
        uint32_t id;
        unsigned char data[8];
    };

    CLPGDevice& device();
    const CLPGDevice& device() const;
    bool readObdSettings();
    bool findResponder();
    bool readSupportedPids();
    bool pollEntry(unsigned index, unsigned char* answeredPid);
    void takeAnswer(const CanFrame& frame);
    // One relayed mode-01 request; the frames that came back.
    bool ask(unsigned char pid, uint32_t responderId, std::vector<CanFrame>& frames);

    int m_timerCountdown = 2;
    mutable std::mutex m_textLock;
    std::wstring m_texts[kPidCount];
};
