#include "ObdLinkSetup.h"

#include "ObdRelay.h"

#include "ProcedureRunner.h"

#include <CLPGDevice.h>

#include <vector>

const ObdTry kObdTries[6] = {{0x7DF, 2, 3},      {0x18DB33F1, 2, 3}, {0x7DF, 1, 3},
                             {0x18DB33F1, 1, 3}, {0x686A6F, 3, 1},   {0xC133F1, 3, 2}};

namespace {
const uint8_t kMinTimeout = 8;
const uint8_t kSlowInit = 1, kFastInit = 2;
const unsigned kSlowInitMs = 5000, kFastInitMs = 2000;

bool answersPid(const std::vector<ObdFrame>& frames, uint8_t pid)
{
    return !frames.empty() && frames[0].data[1] == 0x41 && frames[0].data[2] == pid;
}

uint32_t bigEndian(const uint8_t* p)
{
    return static_cast<uint32_t>(p[0]) << 24 | p[1] << 16 | p[2] << 8 | p[3];
}

// The K-line ECU needs its initialisation before the first request.
bool waitForInit(ProcedureRunner& runner, uint8_t proto)
{
    if (proto == kSlowInit)
        return runner.wait(kSlowInitMs);
    if (proto == kFastInit)
        return runner.wait(kFastInitMs);
    return !runner.stopped();
}

bool sameSetup(const COBDSetup& a, const COBDSetup& b)
{
    return a.ecu_id_req == b.ecu_id_req && a.ecu_id_resp == b.ecu_id_resp && a.enable == b.enable &&
           a.baud_rate == b.baud_rate && a.timeout == b.timeout && a.proto == b.proto;
}

// The record holds what the controller holds: a start-up run that would
// send the same again sends nothing.
bool writeTry(CLPGDevice& device, const COBDSetup& held, ObdLinkRun run)
{
    if (run == ObdLinkRun::Startup && sameSetup(device.m_settings.m_obdSetup, held))
        return true;
    return device.writeBlock18();
}

ObdLinkResult noneAnswered(CLPGDevice& device, const COBDSetup& found, ObdLinkRun run)
{
    device.m_obdLinkActive = false;
    device.m_responderId = 0;
    COBDSetup& setup = device.m_settings.m_obdSetup;
    const COBDSetup held = setup;
    if (run == ObdLinkRun::Startup) {
        setup = found;
    } else {
        setup.enable = 0;
        setup.proto = 0;
    }
    if (!writeTry(device, held, run))
        return ObdLinkResult::WriteFailed;
    return run == ObdLinkRun::Startup ? ObdLinkResult::Restored : ObdLinkResult::SwitchedOff;
}

bool tryRows(ProcedureRunner& runner, uint8_t proto, bool anyProtocol, ObdLinkRun run)
{
    for (const ObdTry& row : kObdTries) {
        if (runner.stopped())
            return false;
        if ((anyProtocol || row.proto == proto) &&
            setupObdProtocol(runner, row.requestId, row.baud, row.proto, run))
            return true;
    }
    return false;
}
} // namespace

bool setupObdProtocol(ProcedureRunner& runner, uint32_t requestId, uint8_t baud, uint8_t proto,
                      ObdLinkRun run)
{
    CLPGDevice& device = runner.device();
    COBDSetup& setup = device.m_settings.m_obdSetup;
    const COBDSetup held = setup;
    setup.enable = 1;
    setup.ecu_id_req = requestId;
    setup.ecu_id_resp = CObdDiagnostic::defaultResponseId(requestId, 0);
    setup.baud_rate = baud;
    if (setup.timeout < kMinTimeout)
        setup.timeout = kMinTimeout;
    setup.proto = proto;
    if (!writeTry(device, held, run) || !waitForInit(runner, proto))
        return false;
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

ObdLinkResult setupObdAuto(ProcedureRunner& runner, ObdLinkRun run)
{
    CLPGDevice& device = runner.device();
    const COBDSetup found = device.m_settings.m_obdSetup;
    device.m_obdLinkActive = false;
    if (setupObdProtocol(runner, found.ecu_id_req, found.baud_rate, found.proto, run) ||
        tryRows(runner, 0, true, run)) {
        device.m_obdLinkActive = true;
        return ObdLinkResult::Found;
    }
    return noneAnswered(device, found, run);
}

ObdLinkResult setupObdForProtocol(ProcedureRunner& runner, uint8_t proto, ObdLinkRun run)
{
    CLPGDevice& device = runner.device();
    const COBDSetup found = device.m_settings.m_obdSetup;
    device.m_obdLinkActive = false;
    if (tryRows(runner, proto, false, run)) {
        device.m_obdLinkActive = true;
        return ObdLinkResult::Found;
    }
    return noneAnswered(device, found, run);
}
