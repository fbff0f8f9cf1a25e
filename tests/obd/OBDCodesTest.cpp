#include "COBDCodes.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {
// The code ranges the table covers, as their four digits.
const std::vector<std::pair<int, int>> kRanges = {
    {1, 44},    {50, 126},  {130, 147}, {150, 167}, {170, 296}, {300, 309}, {311, 312},  {320, 323},
    {325, 344}, {350, 362}, {370, 382}, {385, 389}, {400, 408}, {410, 424}, {430, 434},  {440, 455},
    {460, 485}, {500, 503}, {505, 507}, {510, 510}, {520, 523}, {530, 534}, {550, 554},  {560, 563},
    {565, 580}, {600, 606}, {608, 609}, {620, 622}, {650, 650}, {654, 656}, {2000, 2335}};

bool inRanges(unsigned code)
{
    wchar_t hex[8];
    swprintf(hex, 8, L"%04X", code);
    const std::wstring digits(hex);
    if (digits.find_first_not_of(L"0123456789") != std::wstring::npos)
        return false;
    const int n = std::stoi(digits);
    for (const auto& r : kRanges)
        if (n >= r.first && n <= r.second)
            return true;
    return false;
}
} // namespace

TEST(ObdCodes, TheTableHoldsEveryListedCodeAndNothingElse)
{
    const COBDCodes codes;
    int known = 0;
    for (unsigned code = 0; code <= 0xFFFF; ++code) {
        const std::wstring text = codes.getText(static_cast<unsigned short>(code));
        wchar_t head[8];
        swprintf(head, 8, L"P%04X ", code);
        const bool stored = text.compare(0, 6, head) == 0;
        EXPECT_EQ(inRanges(code), stored) << std::hex << code;
        known += stored ? 1 : 0;
    }
    EXPECT_EQ(816, known);
}

TEST(ObdCodes, QuotedTextsAreKeptByteForByte)
{
    const COBDCodes codes;
    const std::vector<std::pair<unsigned short, std::wstring>> quoted = {
        {0x0001, L"P0001 Fuel Volume Regulator Control Circuit/Open"},
        {0x0110, L"P0110 Intake Air Temperature Circuit Malfunction"},
        {0x0130, L"P0130 O2 Sensor Circuit Malfunction (Bank 1 Sensor 1)"},
        {0x0171, L"P0171 System too Lean (Bank 1)"},
        {0x0300, L"P0300 Random/Multiple Cylinder Misfire Detected"},
        {0x0420, L"P0420 Catalyst System Efficiency Below Threshold (Bank 1) "},
        {0x0606, L"P0606 PCM Processor Fault "},
        {0x0622, L"P0622 Generator Field \"F\" Control Circuit Malfunction"},
        {0x2000, L"P2000 NOx Trap Efficiency Below Threshold Bank1"},
        {0x2101, L"P2101 Throttle Actuator Ctrl Motor Circ Range/Perf"},
        {0x2335, L"P2335 Ignition Coil L Sec Circ"}};
    for (const auto& q : quoted)
        EXPECT_EQ(q.second, codes.getText(q.first));
    for (const unsigned short code : {0x0574, 0x0575, 0x0576, 0x0577, 0x0578, 0x0579, 0x0580}) {
        wchar_t text[64];
        swprintf(text, 64, L"P%04X Cruise Control Related Malfunction", code);
        EXPECT_EQ(text, codes.getText(code));
    }
}

TEST(ObdCodes, UnknownCodesGiveTheirHexDigits)
{
    const COBDCodes codes;
    EXPECT_EQ(L"000A  Unknown ", codes.getText(0x000A));
    EXPECT_EQ(L"4123  Unknown ", codes.getText(0x4123)); // another letter than P
    EXPECT_EQ(L"0000  Unknown ", codes.getText(0x0000));
    EXPECT_EQ(L"FFFF  Unknown ", codes.getText(0xFFFF));
}
