#pragma once

#include "CDeviceErrorBase.h"
#include "CObdDiagnostic.h"

#include <memory>
#include <string>
#include <vector>

// Where a message sits: its module and the mask of its bit; both 0 when no
// module holds the text.
struct CErrorPlace
{
    unsigned char module = 0;
    unsigned char mask = 0;
};

// Turns the controller's error bytes into translated messages through one
// decoder per module; a module's code is its place in the list.
class CLPGDeviceErr : public CObdDiagnostic
{
public:
    CLPGDeviceErr();
    ~CLPGDeviceErr() override;

    // A fresh set of modules in the language in force.
    void buildModules();
    void clearModules();

    std::vector<std::wstring> decodeModule(unsigned code, unsigned char errorByte) const;
    // The report of readErrorCodes, 4 bytes: the first four modules in order.
    std::vector<std::wstring> decodeReport(const unsigned char* report) const;
    CErrorPlace findMessage(const std::wstring& text) const;
    // The code the user sees for a message, "P10" + module + mask.
    std::wstring errorCode(const std::wstring& text) const;

    std::vector<std::unique_ptr<CDeviceErrorBase>> m_modules;
};
