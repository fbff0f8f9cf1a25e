#include "CObdDiagnostic.h"

#include "BlockWire.h"
#include "ByteOrder.h"
#include "CLPGDevice.h"
#include "UserInterface.h"
#include "frame.h"

#include <algorithm>
#include <cwchar>

namespace {
const unsigned char kPids[CObdDiagnostic::kPidCount] = {0x06, 0x07, 0x08, 0x09, 0x14, 0x15, 0x18, 0x19};
// The second oxygen sensor of each bank changes slowly: asked at every sixth turn.
const int kDividers[CObdDiagnostic::kPidCount] = {0, 0, 0, 0, 0, 5, 0, 5};

const unsigned char kPositiveMode01 = 0x41;
const unsigned char kSupportedPids = 0x00;
const unsigned char kFirstPoll = 0x06;
const uint32_t kObdModuleFlag = 0x01;
const uint32_t kLastStandardId = 0x7FF;

const size_t kGroupSize = 12;

const unsigned kTrimEntries = 4;
const uint8_t kInvertShortTerm = 0x01;
const uint8_t kInvertLongTerm = 0x02;
const uint8_t kDivideByFive = 0x04;

bool answers(const unsigned char* data, unsigned char pid)
{
    return data[1] == kPositiveMode01 && data[2] == pid;
}

std::wstring twoDecimals(double value)
{
    wchar_t text[64];
    swprintf(text, sizeof text / sizeof text[0], L"%.2f", value);
    return text;
}
} // namespace

CObdDiagnostic::CObdDiagnostic()
{
    for (unsigned i = 0; i < kPidCount; ++i)
        m_pids[i] = CPidEntry{{2, 0x01, kPids[i], 0}, true, kDividers[i], 0};
}

CObdDiagnostic::~CObdDiagnostic() = default;

uint32_t CObdDiagnostic::defaultResponseId(uint32_t requestId, uint32_t responderId)
{
    if (responderId != 0)
        return responderId;
    return requestId <= kLastStandardId ? 0x7E8 : 0x18DAF100;
}

uint32_t CObdDiagnostic::responseMask(uint32_t requestId, uint32_t responderId)
{
    if (requestId <= kLastStandardId)
        return 0x7EF;
    return responderId == 0 ? 0x18DAF100 : responderId | 0xFF;
}

CLPGDevice& CObdDiagnostic::device()
{
    return static_cast<CLPGDevice&>(*this);
}

const CLPGDevice& CObdDiagnostic::device() const
{
    return static_cast<const CLPGDevice&>(*this);
}

// A link left over from an earlier controller must not outlive a detection
// that fails, or the pages would show another car's values as current.
bool CObdDiagnostic::detect()
{
    m_pollIndex = 0;
    m_obdLinkActive = false;
    m_responderId = 0;
    const CLPGDevice& dev = device();
    if (!dev.m_connected || (dev.m_settings.m_devInfo.m_flags1 & kObdModuleFlag) == 0)
        return false;
    if (!readObdSettings() || !m_obdLinkActive)
        return false;
    return findResponder() && readSupportedPids();
}

bool CObdDiagnostic::readObdSettings()
{
    CLPGDevice& dev = device();
    if (!dev.readBlock18(dev.m_settings.m_obdSetup)) {
        showDeviceMessage(L"Can't read device settings!");
        return false;
    }
    m_obdLinkActive = dev.m_settings.m_obdSetup.enable == 1;
    if (!dev.readBlock27(dev.m_settings.m_obdAdvSetup)) {
        showDeviceMessage(L"Can't read device settings!");
        return false;
    }
    return true;
}

bool CObdDiagnostic::findResponder()
{
    std::vector<CanFrame> frames;
    if (!ask(kFirstPoll, 0, frames) || frames.empty() || !answers(frames[0].data, kFirstPoll))
        return false;
    m_responderId = frames[0].id;
    return true;
}

// Entries the ECU does not support are skipped by the poll.
bool CObdDiagnostic::readSupportedPids()
{
    std::vector<CanFrame> frames;
    if (!ask(kSupportedPids, m_responderId, frames) || frames.empty() ||
        !answers(frames[0].data, kSupportedPids))
        return false;
    takeSupportMask(bigEndian32(frames[0].data + 3));
    return true;
}

void CObdDiagnostic::takeSupportMask(uint32_t supported)
{
    bool any = false;
    for (CPidEntry& entry : m_pids) {
        entry.enabled = (supported & (0x80000000u >> (entry.pid() - 1))) != 0;
        any = any || entry.enabled;
    }
    if (!any)
        m_pids[0].enabled = m_pids[1].enabled = true;
}

void CObdDiagnostic::onTimer()
{
    if (--m_timerCountdown > 0)
        return;
    m_timerCountdown = 2;
    pollNext();
}

bool CObdDiagnostic::pollNext(unsigned char* answeredPid)
{
    if (answeredPid)
        *answeredPid = 0;
    if (!device().m_connected || !m_obdLinkActive)
        return false;
    // The pages may set the cursor; keep it within the entries.
    const unsigned from = static_cast<unsigned>(m_pollIndex) % kPidCount;
    for (unsigned step = 0; step < kPidCount; ++step) {
        const unsigned index = (from + step) % kPidCount;
        if (!m_pids[index].enabled)
            continue;
        m_pollIndex = static_cast<int>((index + 1) % kPidCount);
        return pollEntry(index, answeredPid);
    }
    m_pollIndex = static_cast<int>((from + 1) % kPidCount);
    return false;
}

bool CObdDiagnostic::pollEntry(unsigned index, unsigned char* answeredPid)
{
    CPidEntry& entry = m_pids[index];
    if (entry.dividerCount < entry.divider) {
        ++entry.dividerCount;
        return false;
    }
    entry.dividerCount = 0;
    std::vector<CanFrame> frames;
    if (!ask(entry.pid(), m_responderId, frames) || frames.size() != 1)
        return false;
    takeAnswer(frames[0]);
    if (answeredPid && frames[0].data[1] == kPositiveMode01)
        *answeredPid = frames[0].data[2];
    return true;
}

void CObdDiagnostic::takeAnswer(const CanFrame& frame)
{
    for (unsigned i = 0; i < kPidCount; ++i)
        if (m_pids[i].enabled && answers(frame.data, m_pids[i].pid()))
            setValueText(i, formatValue(frame.data, i));
}

bool CObdDiagnostic::ask(unsigned char pid, uint32_t responderId, std::vector<CanFrame>& frames)
{
    CLPGDevice& dev = device();
    const uint32_t requestId = dev.m_settings.m_obdSetup.ecu_id_req;
    blockwire::PayloadWriter request(kObdRequestSize);
    request.u32(0, requestId);
    request.u32(4, defaultResponseId(requestId, responderId));
    request.u32(8, responseMask(requestId, responderId));
    const unsigned char data[] = {2, 0x01, pid};
    for (size_t i = 0; i < sizeof data; ++i)
        request.u8(12 + i, data[i]);
    unsigned char reply[kMaxFramePayload] = {};
    if (!dev.sendObdRequest(request.take().data(), reply, sizeof reply))
        return false;
    // The count comes from the car's side of the link: never read past the reply.
    const blockwire::PayloadReader groups(reply, sizeof reply);
    const size_t count = std::min<size_t>(groups.u16(0), (sizeof reply - 2) / kGroupSize);
    frames.clear();
    for (size_t g = 0; g < count; ++g) {
        const size_t at = 2 + g * kGroupSize;
        CanFrame frame{groups.u32(at), {}};
        for (size_t i = 0; i < sizeof frame.data; ++i)
            frame.data[i] = groups.u8(at + 4 + i);
        frames.push_back(frame);
    }
    return true;
}

double CObdDiagnostic::getValue(unsigned index) const
{
    if (index >= kPidCount)
        return 0.0;
    const std::wstring text = getValueText(index);
    return wcstod(text.c_str(), nullptr);
}

std::wstring CObdDiagnostic::getValueText(unsigned index) const
{
    if (index >= kPidCount)
        return std::wstring();
    std::lock_guard<std::mutex> lock(m_textLock);
    return m_texts[index];
}

void CObdDiagnostic::setValueText(unsigned index, const std::wstring& text)
{
    if (index >= kPidCount)
        return;
    std::lock_guard<std::mutex> lock(m_textLock);
    m_texts[index] = text;
}

// Trims: A / 128 of 100 % around 100; the controller's settings may ask for
// the sign turned (per short- and long-term) and the value divided by 5.
std::wstring CObdDiagnostic::formatValue(const unsigned char* data, unsigned index) const
{
    if (index >= kPidCount)
        return std::wstring();
    const double a = data[3];
    if (index >= kTrimEntries)
        return twoDecimals(a * 0.005);
    const uint8_t flags = device().m_settings.m_obdAdvSetup.obd_adv_flag;
    const uint8_t invert = index % 2 == 0 ? kInvertShortTerm : kInvertLongTerm;
    const double x = a * 100 * 0.0078125;
    double value = ((flags & invert) ? 200 - x : x) - 100;
    if (flags & kDivideByFive)
        value /= 5;
    return twoDecimals(value);
}
