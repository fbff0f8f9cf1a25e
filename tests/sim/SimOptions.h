#pragma once

#include "SimController.h"

#include <string>
#include <vector>

namespace kwsim {

// kwsim.exe's command line: the COM port it serves, its files and line
// timing, and everything of SimConfig.
struct KwSimOptions
{
    unsigned port = 0;
    std::wstring logFile;   // one line per request (SimRequest::toLogLine)
    std::wstring readyFile; // created once the port is open
    std::wstring timesFile; // one line per answered request: its times and bytes on the line
    bool paced = false;     // the line runs at 38400 baud both ways
    unsigned replyDelayMs = 0;
    unsigned splitAt = 0; // each reply pauses after this many bytes
    unsigned splitPauseMs = 0;
    SimConfig config;
};

// False with a message in `error` for an unknown option or a bad value.
bool parseKwSimOptions(const std::vector<std::wstring>& args, KwSimOptions& out, std::wstring& error);
std::wstring kwSimUsage();

// "P0301" -> 0x0301: letter P, C, B or U, then four hexadecimal digits.
bool parseTroubleCode(const std::wstring& text, uint16_t& code);

} // namespace kwsim
