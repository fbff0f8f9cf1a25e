#pragma once

#include "CDiagFile.h"
#include "CDiagInputThread.h"

#include <cstdint>
#include <string>

class CSerialPort;

// Number of OBD values at the end of a recording line.
constexpr unsigned kOscObdValues = 8;

// One "*.osc" line: 32 TAB-separated fields ending in "\n". Per cylinder
// the larger petrol time of its two entries and that entry's gas time.
std::string formatOscLine(const CDiag& sample, const double (&obd)[kOscObdValues]);

// The reading thread over the serial link of the current controller. A
// path that cannot be opened ("\\" never can) records nothing.
class CDiagRSThread : public CDiagInputThread
{
public:
    CDiagRSThread(CDiagData* store, const std::wstring& path, std::shared_ptr<DiagRunFlag> runFlag);
    ~CDiagRSThread() override;

    void onStart() override;
    void onFinish() override;
    unsigned char readSample(CDiag& sample) override;
    // Numbers the sample, records it and pushes it into the store.
    void storeSample(CDiag& sample) override;

    void writeOscLine(const CDiag& sample);

private:
    CSerialPort* m_port;
    uint32_t m_counter = 0;
    CDiagFile m_file;
};
