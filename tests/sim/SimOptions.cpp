#include "SimOptions.h"

#include <cwchar>
#include <cwctype>
#include <functional>
#include <map>

namespace kwsim {

namespace {
using Handler = std::function<bool(const std::wstring& value, KwSimOptions& o)>;

bool toNumber(const std::wstring& text, unsigned long max, unsigned long& out)
{
    if (text.empty())
        return false;
    wchar_t* end = nullptr;
    out = std::wcstoul(text.c_str(), &end, 0);
    return *end == 0 && out <= max && text[0] != L'-';
}

template <class T> Handler number(unsigned long max, T KwSimOptions::*field)
{
    return [max, field](const std::wstring& v, KwSimOptions& o) {
        unsigned long n;
        return toNumber(v, max, n) && ((o.*field = static_cast<T>(n)), true);
    };
}

template <class T> Handler configNumber(unsigned long max, T SimConfig::*field)
{
    return [max, field](const std::wstring& v, KwSimOptions& o) {
        unsigned long n;
        return toNumber(v, max, n) && ((o.config.*field = static_cast<T>(n)), true);
    };
}

bool toRate(const std::wstring& text, double& out)
{
    wchar_t* end = nullptr;
    out = std::wcstod(text.c_str(), &end);
    return !text.empty() && *end == 0 && out >= 0.0 && out <= 1.0;
}

Handler rate(double SimFaults::*field)
{
    return [field](const std::wstring& v, KwSimOptions& o) { return toRate(v, o.config.faults.*field); };
}

bool parseHex(const std::wstring& text, std::vector<uint8_t>& out)
{
    out.clear();
    if (text.size() % 2)
        return false;
    for (size_t i = 0; i < text.size(); i += 2) {
        unsigned long b;
        if (!std::iswxdigit(text[i]) || !std::iswxdigit(text[i + 1]) ||
            !toNumber(L"0x" + text.substr(i, 2), 255, b))
            return false;
        out.push_back(static_cast<uint8_t>(b));
    }
    return true;
}

bool parseBlock(const std::wstring& v, KwSimOptions& o)
{
    const size_t colon = v.find(L':');
    unsigned long block;
    std::vector<uint8_t> bytes;
    if (colon == std::wstring::npos || !toNumber(v.substr(0, colon), 255, block) ||
        !parseHex(v.substr(colon + 1), bytes))
        return false;
    o.config.blocks[static_cast<uint8_t>(block)] = bytes;
    return true;
}

bool parseGarbage(const std::wstring& v, KwSimOptions& o)
{
    const size_t colon = v.find(L':');
    unsigned long max = o.config.faults.garbageMax;
    if (colon != std::wstring::npos && (!toNumber(v.substr(colon + 1), 64, max) || max == 0))
        return false;
    o.config.faults.garbageMax = static_cast<unsigned>(max);
    return toRate(v.substr(0, colon), o.config.faults.garbageRate);
}

bool parseSplit(const std::wstring& v, KwSimOptions& o)
{
    const size_t colon = v.find(L':');
    unsigned long at, pause;
    if (colon == std::wstring::npos || !toNumber(v.substr(0, colon), 255, at) ||
        !toNumber(v.substr(colon + 1), 10000, pause) || at == 0)
        return false;
    o.splitAt = static_cast<unsigned>(at);
    o.splitPauseMs = static_cast<unsigned>(pause);
    return true;
}

bool parseBadSumRun(const std::wstring& v, KwSimOptions& o)
{
    const size_t colon = v.find(L':');
    unsigned long after, count;
    if (colon == std::wstring::npos || !toNumber(v.substr(0, colon), 0x7FFFFFFF, after) ||
        !toNumber(v.substr(colon + 1), 0x7FFFFFFF, count))
        return false;
    o.config.faults.badSumAfter = static_cast<long>(after);
    o.config.faults.badSumCount = static_cast<unsigned>(count);
    return true;
}

bool parseRefusedBlock(const std::wstring& v, KwSimOptions& o)
{
    unsigned long n;
    if (!toNumber(v, 255, n))
        return false;
    o.config.refusedBlocks.insert(static_cast<uint8_t>(n));
    return true;
}

bool parseHardware(const std::wstring& v, KwSimOptions& o)
{
    unsigned long n;
    if (v.size() == 1)
        n = v[0];
    else if (!toNumber(v, 255, n))
        return false;
    o.config.hardware = static_cast<uint8_t>(n);
    return n <= 255;
}

bool parseEcu(const std::wstring& v, KwSimOptions& o)
{
    static const std::map<std::wstring, std::function<SimEcu()>> kinds = {
        {L"can11", [] { return SimEcu::can11(2); }},      {L"can11-250", [] { return SimEcu::can11(1); }},
        {L"can29", [] { return SimEcu::can29(2); }},      {L"can29-250", [] { return SimEcu::can29(1); }},
        {L"kline-slow", [] { return SimEcu::kline(1); }}, {L"kline-fast", [] { return SimEcu::kline(2); }},
    };
    if (v == L"none") {
        o.config.ecus.clear();
        return true;
    }
    auto it = kinds.find(v);
    if (it == kinds.end())
        return false;
    // Keep the codes and PIDs already given for the ECU it replaces.
    SimEcu ecu = it->second();
    if (!o.config.ecus.empty()) {
        ecu.storedCodes = o.config.ecus[0].storedCodes;
        ecu.pendingCodes = o.config.ecus[0].pendingCodes;
        ecu.supportedPids = o.config.ecus[0].supportedPids;
    }
    o.config.ecus.assign(1, ecu);
    return true;
}

bool parseCodes(const std::wstring& v, std::vector<uint16_t>& out)
{
    out.clear();
    for (size_t at = 0; at < v.size();) {
        size_t comma = v.find(L',', at);
        if (comma == std::wstring::npos)
            comma = v.size();
        uint16_t code;
        if (!parseTroubleCode(v.substr(at, comma - at), code))
            return false;
        out.push_back(code);
        at = comma + 1;
    }
    return true;
}

Handler codes(std::vector<uint16_t> SimEcu::*field)
{
    return [field](const std::wstring& v, KwSimOptions& o) {
        if (o.config.ecus.empty())
            return false;
        return parseCodes(v, o.config.ecus[0].*field);
    };
}

// A car whose trims follow the corrections; MASK names the bank-2 injectors.
bool parseTrimCar(const std::wstring& v, KwSimOptions& o)
{
    unsigned long mask;
    if (!toNumber(v, 255, mask))
        return false;
    o.config.car.fitted = true;
    o.config.car.bank2Injectors = static_cast<uint8_t>(mask);
    for (SimEcu& ecu : o.config.ecus)
        ecu.supportedPids.insert(ecu.supportedPids.end(), {0x08, 0x09});
    return true;
}

Handler flag(std::function<void(KwSimOptions&)> set)
{
    return [set](const std::wstring&, KwSimOptions& o) {
        set(o);
        return true;
    };
}

struct Option
{
    bool takesValue;
    Handler handle;
};

const std::map<std::wstring, Option>& options()
{
    static const std::map<std::wstring, Option> table = {
        {L"--port", {true, number(255, &KwSimOptions::port)}},
        {L"--log", {true, [](const std::wstring& v, KwSimOptions& o) { return !(o.logFile = v).empty(); }}},
        {L"--ready",
         {true, [](const std::wstring& v, KwSimOptions& o) { return !(o.readyFile = v).empty(); }}},
        {L"--times",
         {true, [](const std::wstring& v, KwSimOptions& o) { return !(o.timesFile = v).empty(); }}},
        {L"--pace", {false, flag([](KwSimOptions& o) { o.paced = true; })}},
        {L"--reply-delay", {true, number(10000, &KwSimOptions::replyDelayMs)}},
        {L"--split", {true, parseSplit}},
        {L"--seed", {true, configNumber(0xFFFFFFFFul, &SimConfig::seed)}},
        {L"--version", {true, configNumber(0xFFFF, &SimConfig::firmwareVersion)}},
        {L"--hardware", {true, parseHardware}},
        {L"--cylinders", {true, configNumber(8, &SimConfig::cylinders)}},
        {L"--no-live-data", {false, flag([](KwSimOptions& o) { o.config.liveDataAllowed = false; })}},
        {L"--bootloader", {false, flag([](KwSimOptions& o) { o.config.bootloader = true; })}},
        {L"--boot-code", {true, configNumber(255, &SimConfig::bootCode)}},
        {L"--access-code",
         {true,
          [](const std::wstring& v, KwSimOptions& o) {
              o.config.accessCode.assign(v.begin(), v.end());
              return v.size() == 8;
          }}},
        {L"--switch-delay", {true, configNumber(100000, &SimConfig::switchDelay)}},
        {L"--switch-never", {false, flag([](KwSimOptions& o) { o.config.switchNever = true; })}},
        {L"--obd-module", {false, flag([](KwSimOptions& o) { o.config.obdModule = true; })}},
        {L"--ecu", {true, parseEcu}},
        {L"--dtc", {true, codes(&SimEcu::storedCodes)}},
        {L"--pending", {true, codes(&SimEcu::pendingCodes)}},
        {L"--trim-car", {true, parseTrimCar}},
        {L"--block", {true, parseBlock}},
        {L"--refuse-block", {true, parseRefusedBlock}},
        {L"--silent", {false, flag([](KwSimOptions& o) { o.config.faults.silent = true; })}},
        {L"--drop", {true, rate(&SimFaults::dropRate)}},
        {L"--bad-checksum", {true, rate(&SimFaults::badChecksumRate)}},
        {L"--bad-checksum-run", {true, parseBadSumRun}},
        {L"--garbage", {true, parseGarbage}},
        {L"--garbage-any-byte",
         {false, flag([](KwSimOptions& o) { o.config.faults.garbageAnyByte = true; })}},
        {L"--stop-after",
         {true,
          [](const std::wstring& v, KwSimOptions& o) {
              unsigned long n;
              return toNumber(v, 0x7FFFFFFF, n) && ((o.config.faults.stopAfter = static_cast<long>(n)), true);
          }}},
    };
    return table;
}
} // namespace

bool parseTroubleCode(const std::wstring& text, uint16_t& code)
{
    static const std::wstring letters = L"PCBU";
    if (text.size() != 5 || letters.find(std::towupper(text[0])) == std::wstring::npos)
        return false;
    unsigned long digits;
    if (!std::iswxdigit(text[1]) || !toNumber(L"0x" + text.substr(1), 0x3FFF, digits))
        return false;
    code = static_cast<uint16_t>((letters.find(std::towupper(text[0])) << 14) | digits);
    return true;
}

bool parseKwSimOptions(const std::vector<std::wstring>& args, KwSimOptions& out, std::wstring& error)
{
    for (size_t i = 0; i < args.size(); ++i) {
        auto it = options().find(args[i]);
        if (it == options().end()) {
            error = L"unknown option " + args[i];
            return false;
        }
        const bool hasValue = i + 1 < args.size();
        if (it->second.takesValue && !hasValue) {
            error = args[i] + L" needs a value";
            return false;
        }
        const std::wstring value = it->second.takesValue ? args[++i] : std::wstring();
        if (!it->second.handle(value, out)) {
            error = L"bad value for " + it->first + L": " + value;
            return false;
        }
    }
    if (out.port == 0) {
        error = L"--port is required";
        return false;
    }
    return true;
}

std::wstring kwSimUsage()
{
    return L"usage: kwsim --port N [options]\n"
           L"  --log FILE --ready FILE --times FILE --pace --reply-delay MS --split BYTES:MS --seed N\n"
           L"  --version N --hardware C|N --cylinders N --no-live-data\n"
           L"  --bootloader --boot-code N --access-code CODE\n"
           L"  --switch-delay SAMPLES --switch-never\n"
           L"  --obd-module --ecu none|can11|can11-250|can29|can29-250|kline-slow|kline-fast\n"
           L"  --dtc P0301,... --pending P0171,... --trim-car BANK2MASK\n"
           L"  --block N:HEX --refuse-block N\n"
           L"  --silent --drop RATE --bad-checksum RATE --garbage RATE[:MAX] --garbage-any-byte\n"
           L"  --stop-after N --bad-checksum-run AFTER:COUNT\n";
}

} // namespace kwsim
