#pragma once

#include <map>
#include <string>

// The texts of the generic powertrain trouble codes, keyed by the code word
// as the petrol ECU sends it (high byte first).
class COBDCodes
{
public:
    COBDCodes();
    virtual ~COBDCodes() = default;

    // The stored text, or the code in hex followed by the translated "Unknown ".
    std::wstring getText(unsigned short code) const;

private:
    void fillTable();

    std::map<unsigned short, std::wstring> m_codes;
};
