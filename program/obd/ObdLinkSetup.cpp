#include "ObdLinkSetup.h"

#include "ObdRelay.h"

#include <CLPGDevice.h>

#include <windows.h>

#include <vector>

const ObdTry kObdTries[6] = {{0x7DF, 2, 3},      {0x18DB33F1, 2, 3}, {0x7DF, 1, 3},
                             {0x18DB33F1, 1, 3}, {0x686A6F, 3, 1},   {0xC133F1, 3, 2}};

namespace {
const uint8_t kMinTimeout = 8;
const uint8_t kSlowInit = 1, kFastInit = 2;
const DWORD kSlowInitMs = 5000, kFastInitMs = 2000;

bool answersPid(const std::vector<ObdFrame>& frames, uint8_t pid)
{
    return !frames.empty() && frames[0].data[1] == 0x41 && frames[0].data[2] == pid;
}

uint32_t bigEndian(const uint8_t* p)
{
    return static_cast<uint32_t>(p[0]) << 24 | p[1] << 16 | p[2] << 8 | p[3];
}

// The K-line ECU needs its initialisation before the first request.
void waitForInit(uint8_t proto)
{
    if (proto == kSlowInit)
        Sleep(kSlowInitMs);
    else if (proto == kFastInit)
        Sleep(kFastInitMs);
}

ObdLinkResult noneAnswered(CLPGDevice& device, const COBDSetup& found, ObdLinkRun run)
{
    device.m_obdLinkActive = false;
    device.m_responderId = 0;
    COBDSetup& setup = device.m_settings.m_obdSetup;
    if (run == ObdLinkRun::Startup) {
        setup = found;
    } else {
        setup.enable = 0;
        setup.proto = 0;
    }
    if (!device.writeBlock18())
        return ObdLinkResult::WriteFailed;
    return run == ObdLinkRun::Startup ? ObdLinkResult::Restored : ObdLinkResult::SwitchedOff;
}

bool tryRows(CLPGDevice& device, uint8_t proto, bool anyProtocol)
{
    for (const ObdTry& row : kObdTries)
        if ((anyProtocol || row.proto == proto) &&
            setupObdProtocol(device, row.requestId, row.baud, row.proto))
            return true;
    return false;
}
} // namespace

bool setupObdProtocol(CLPGDevice& device, uint32_t requestId, uint8_t baud, uint8_t proto)
{
    COBDSetup& setup = device.m_settings.m_obdSetup;
    setup.enable = 1;
    setup.ecu_id_req = requestId;
    setup.ecu_id_resp = CObdDiagnostic::defaultResponseId(requestId, 0);
    setup.baud_rate = baud;
    if (setup.timeout < kMinTimeout)
        setup.timeout = kMinTimeout;
    setup.proto = proto;
    if (!device.writeBlock18())
        return false;
    waitForInit(proto);
    device.m_responderId = 0;
    std::vector<ObdFrame> frames;
    if (!relayObd(device, {0x01, 0x06}, frames) || !answersPid(frames, 0x06))
        return false;
    device.m_responderId = frames[0].id;
    if (!relayObd(device, {0x01, 0x00}, frames) || !answersPid(frames, 0x00))
        return false;
    device.takeSupportMask(bigEndian(frames[0].data + 3));
    // Asked as the controller's own set-up does; the answer is not needed.
    relayObd(device, {0x01, 0x1C}, frames);
    return true;
}

ObdLinkResult setupObdAuto(CLPGDevice& device, ObdLinkRun run)
{
    const COBDSetup found = device.m_settings.m_obdSetup;
    device.m_obdLinkActive = false;
    if (setupObdProtocol(device, found.ecu_id_req, found.baud_rate, found.proto) ||
        tryRows(device, 0, true)) {
        device.m_obdLinkActive = true;
        return ObdLinkResult::Found;
    }
    return noneAnswered(device, found, run);
}

ObdLinkResult setupObdForProtocol(CLPGDevice& device, uint8_t proto, ObdLinkRun run)
{
    const COBDSetup found = device.m_settings.m_obdSetup;
    device.m_obdLinkActive = false;
    if (tryRows(device, proto, false)) {
        device.m_obdLinkActive = true;
        return ObdLinkResult::Found;
    }
    return noneAnswered(device, found, run);
}
