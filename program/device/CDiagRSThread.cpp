#include "CDiagRSThread.h"

#include "CDiagData.h"
#include "CLPGDevice.h"

#include <cstdarg>
#include <vector>

namespace {
// The controller reports these gas modes; the pages know only 3.
constexpr unsigned char kGasModeA = 4;
constexpr unsigned char kGasModeB = 5;

// The runtime's formatting, classic number format, any length.
std::string formatText(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    const int size = _vscprintf(format, args);
    va_end(args);
    if (size <= 0)
        return std::string();
    std::vector<char> text(static_cast<size_t>(size) + 1);
    va_start(args, format);
    _vsnprintf(text.data(), text.size(), format, args);
    va_end(args);
    return std::string(text.data(), static_cast<size_t>(size));
}

// Entry 2k unless 2k+1 has the larger petrol time.
unsigned cylinderEntry(const CDiag& sample, unsigned cylinder)
{
    const unsigned first = 2 * cylinder;
    return sample.getInjectionTime(first + 1) > sample.getInjectionTime(first) ? first + 1 : first;
}
} // namespace

std::string formatOscLine(const CDiag& sample, const double (&obd)[kOscObdValues])
{
    std::string line = formatText("%d\t%4.0f", sample.getMode(), sample.getRpm());
    for (unsigned cylinder = 0; cylinder < CDiag::kTimeEntries / 2; ++cylinder) {
        const unsigned entry = cylinderEntry(sample, cylinder);
        line += formatText(cylinder == 0 ? "\t%4.2f\t%.2f" : "\t%.2f\t%.2f", sample.getInjectionTime(entry),
                           sample.getCorrectedInjectionTime(entry));
    }
    line += formatText("\t%.0f\t%.0f\t%.0f\t%.0f\t%.1f\t%.1f", sample.getPressure(),
                       sample.getManifoldPressure(), sample.getTemperature2(), sample.getTemperature1(),
                       sample.getVoltage6(), sample.getVoltage7());
    for (double value : obd)
        line += formatText("\t%.1f", value);
    return line + "\n";
}

CDiagRSThread::CDiagRSThread(CDiagData* store, const std::wstring& path, std::shared_ptr<DiagRunFlag> runFlag)
    : CDiagInputThread(g_pDevice, store, path, std::move(runFlag)), m_port(&g_pDevice->m_port)
{
    m_file.open(path);
}

CDiagRSThread::~CDiagRSThread() = default;

// Under the device mutex: a reply in flight to the GUI thread stays its own.
void CDiagRSThread::onStart()
{
    {
        CMutexGuard guard(&m_device->m_mutex);
        m_port->purgeIn();
    }
    m_store->clear();
}

void CDiagRSThread::onFinish()
{
    m_file.close();
}

unsigned char CDiagRSThread::readSample(CDiag& sample)
{
    const unsigned char status = m_device->readDiagSample(sample);
    if (status != kSampleRead)
        return status;
    if (sample.getMode() == kGasModeA || sample.getMode() == kGasModeB)
        sample.setMode(CDiag::kModeGas);
    return kSampleRead;
}

// The line is written before the number is set: the number is no field.
void CDiagRSThread::storeSample(CDiag& sample)
{
    ++m_counter;
    if (m_file.isOpen())
        writeOscLine(sample);
    sample.setSequence(m_counter);
    m_store->push(sample);
}

void CDiagRSThread::writeOscLine(const CDiag& sample)
{
    double obd[kOscObdValues];
    for (unsigned i = 0; i < kOscObdValues; ++i)
        obd[i] = m_device->getValue(i);
    m_file.write(formatOscLine(sample, obd));
}
