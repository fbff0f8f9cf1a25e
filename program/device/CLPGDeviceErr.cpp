#include "CLPGDeviceErr.h"

#include "CCircuitsErr.h"
#include "CEEPROMError.h"
#include "CInjError.h"
#include "CSensorErr.h"
#include "CTransmError.h"
#include "translate.h"

#include <cwchar>

namespace {
// The transmission module has no byte in the report.
const unsigned kReportModules = 4;
} // namespace

CLPGDeviceErr::CLPGDeviceErr() = default;

CLPGDeviceErr::~CLPGDeviceErr() = default;

void CLPGDeviceErr::buildModules()
{
    clearModules();
    m_modules.push_back(std::make_unique<CEEPROMError>());
    m_modules.push_back(std::make_unique<CInjError>());
    m_modules.push_back(std::make_unique<CSensorErr>());
    m_modules.push_back(std::make_unique<CCircuitsErr>());
    m_modules.push_back(std::make_unique<CTransmError>());
}

void CLPGDeviceErr::clearModules()
{
    m_modules.clear();
}

std::vector<std::wstring> CLPGDeviceErr::decodeModule(unsigned code, unsigned char errorByte) const
{
    if (code < m_modules.size())
        return m_modules[code]->decode(errorByte);
    return {translate(L"Unknown module code")};
}

std::vector<std::wstring> CLPGDeviceErr::decodeReport(const unsigned char* report) const
{
    std::vector<std::wstring> list;
    for (unsigned code = 0; report && code < kReportModules; ++code) {
        const std::vector<std::wstring> module = decodeModule(code, report[code]);
        list.insert(list.end(), module.begin(), module.end());
    }
    return list;
}

CErrorPlace CLPGDeviceErr::findMessage(const std::wstring& text) const
{
    for (size_t code = 0; code < m_modules.size(); ++code) {
        const int bit = m_modules[code]->findBit(text);
        if (bit >= 0)
            return {static_cast<unsigned char>(code), static_cast<unsigned char>(1u << bit)};
    }
    return {};
}

std::wstring CLPGDeviceErr::errorCode(const std::wstring& text) const
{
    const CErrorPlace place = findMessage(text);
    wchar_t code[16];
    swprintf(code, sizeof code / sizeof code[0], L"P10%u%u", unsigned(place.module), unsigned(place.mask));
    return code;
}
