#pragma once

#include <cstdint>

class ProcedureRunner;

// The OBD link of block 18 proved with real requests relayed to the car:
// each try writes block 18 (at start-up only when it changes it), asks PID
// 0x06, then the supported PIDs.

// One protocol try: the request id (CAN identifier or K-line header), the
// bit-rate code and the protocol.
struct ObdTry
{
    uint32_t requestId;
    uint8_t baud;
    uint8_t proto;
};
extern const ObdTry kObdTries[6];

enum class ObdLinkResult
{
    Found,       // a try answered; block 18 holds it
    SwitchedOff, // none answered; the link was written off
    Restored,    // none answered; block 18 was written back as found
    WriteFailed  // the final block-18 write was not acknowledged
};

// When no try answers, the user's own choice switches the link off; a run
// nobody asked for (the page's start-up) puts block 18 back as it found it,
// so a car with the ignition off keeps the installer's set-up.
enum class ObdLinkRun
{
    UserChoice,
    Startup
};

// The tries run on a procedure runner: the K-line initialisation waits
// keep the window alive, and a stop (a close) ends the tries as if none had
// answered.

// Writes block 18 for one try and tests it; the responder and the
// supported PIDs are taken from the answers. At start-up block 18 is
// written only when the try differs from what the controller holds, so a
// link that answers as found is proved without writing anything.
bool setupObdProtocol(ProcedureRunner& runner, uint32_t requestId, uint8_t baud, uint8_t proto,
                      ObdLinkRun run = ObdLinkRun::UserChoice);
// The current block-18 values first, then every row of the table.
ObdLinkResult setupObdAuto(ProcedureRunner& runner, ObdLinkRun run);
// The rows of the table with protocol `proto`.
ObdLinkResult setupObdForProtocol(ProcedureRunner& runner, uint8_t proto, ObdLinkRun run);
