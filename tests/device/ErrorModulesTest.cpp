#include "LangFiles.h"

#include <CLPGDeviceErr.h>
#include <translate.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
using Texts = std::vector<std::wstring>;

const int kNoLanguage = 0, kEnglish = 1, kGerman = 4;

// Module by module, bit 0 first, as the controller numbers them.
const std::vector<Texts> kModuleTexts = {
    {L"Error - writing to EEPROM", L"Error - reading EEPROM", L"Error - EEPROM addresss",
     L"Error - invalid EEPROM format", L"Error - writing struct to EEPROM",
     L"Error - reading struct from EEPROM", L"Error - invalid EEPROM struct type", L"EEPROM CRC error"},
    {L"Error - gas injector 1 open circuit", L"Error - gas injector 2 open circuit",
     L"Error - gas injector 3 open circuit", L"Error - gas injector 4 open circuit",
     L"Error - gas injector 5 open circuit", L"Error - gas injector 6 open circuit",
     L"Error - gas injector 7 open circuit", L"Error - gas injector 8 open circuit"},
    {L"No RPM signal", L"Error reading pressure sensor", L"Error reading gas temperature sensor",
     L"Error reading reducer temperature sensor", L"Error - supply voltage too small",
     L"Error reading injection time. Check ignition system."},
    {L"Error - gas injector 1 overcurrent", L"Error - gas injector 2 overcurrent",
     L"Error - gas injector 3 overcurrent", L"Error - gas injector 4 overcurrent",
     L"Error - gas valves opencircuit", L"Error - gas valves overcurrent",
     L"Error - external +5V overcurrent", L"Error - switch circuit open"},
    {L"Unknown command", L"Unknown frame", L"B\u0142\u0119dny nag\u0142\u00f3wek ramki", L"Frame CRC error",
     L"Error other than transmission"},
};
const Texts kModuleNames = {L"EEPROM", L"Gas injectors", L"Sensors", L"Circuits", L"Transmission"};

struct ErrorModules : ::testing::Test
{
    kwtest::LangFolder folder;
    CLPGDeviceErr errors;

    void SetUp() override
    {
        g_languageId = kNoLanguage;
        errors.buildModules();
    }
};

std::wstring hexUnknown(const wchar_t* mask)
{
    return std::wstring(L"Unknown error code = 0x") + mask;
}
} // namespace

TEST_F(ErrorModules, EveryBitOfEveryModuleGivesItsMessageOrTheUnknownCode)
{
    ASSERT_EQ(errors.m_modules.size(), kModuleTexts.size());
    const wchar_t* const masks[] = {L"1", L"2", L"4", L"8", L"10", L"20", L"40", L"80"};
    for (unsigned code = 0; code < kModuleTexts.size(); ++code) {
        EXPECT_EQ(errors.m_modules[code]->getName(), kModuleNames[code]);
        for (unsigned bit = 0; bit < 8; ++bit) {
            const std::wstring expected =
                bit < kModuleTexts[code].size() ? kModuleTexts[code][bit] : hexUnknown(masks[bit]);
            EXPECT_EQ(errors.decodeModule(code, 1u << bit), Texts{expected}) << code << " bit " << bit;
        }
    }
}

TEST_F(ErrorModules, ByteDecodesLowestBitFirstAndZeroToNothing)
{
    EXPECT_TRUE(errors.decodeModule(2, 0).empty());
    EXPECT_EQ(errors.decodeModule(2, 0xC5), (Texts{L"No RPM signal", L"Error reading gas temperature sensor",
                                                   hexUnknown(L"40"), hexUnknown(L"80")}));
    EXPECT_EQ(errors.decodeModule(0, 0xFF), kModuleTexts[0]);
}

TEST_F(ErrorModules, UnknownModuleCode)
{
    EXPECT_EQ(errors.decodeModule(5, 0x01), Texts{L"Unknown module code"});
    EXPECT_EQ(errors.decodeModule(7, 0x00), Texts{L"Unknown module code"});
    // Before the first connection there are no modules at all.
    CLPGDeviceErr fresh;
    EXPECT_EQ(fresh.decodeModule(0, 0x01), Texts{L"Unknown module code"});
}

TEST_F(ErrorModules, ReportDecodesTheFirstFourModulesInOrder)
{
    const unsigned char none[4] = {0, 0, 0, 0};
    EXPECT_TRUE(errors.decodeReport(none).empty());
    const unsigned char report[4] = {0x00, 0x01, 0x41, 0x80};
    EXPECT_EQ(errors.decodeReport(report), (Texts{L"Error - gas injector 1 open circuit", L"No RPM signal",
                                                  hexUnknown(L"40"), L"Error - switch circuit open"}));
    EXPECT_TRUE(errors.decodeReport(nullptr).empty());
}

TEST_F(ErrorModules, MessagesFoundByTextGiveTheUserCodes)
{
    const CErrorPlace crc = errors.findMessage(L"Frame CRC error");
    EXPECT_EQ(crc.module, 4);
    EXPECT_EQ(crc.mask, 8);
    const CErrorPlace none = errors.findMessage(L"Not a message");
    EXPECT_EQ(none.module, 0);
    EXPECT_EQ(none.mask, 0);
    EXPECT_EQ(errors.errorCode(L"Error reading gas temperature sensor"), L"P1024");
    EXPECT_EQ(errors.errorCode(L"EEPROM CRC error"), L"P100128");
    EXPECT_EQ(errors.errorCode(L"Error - gas injector 8 open circuit"), L"P101128");
    EXPECT_EQ(errors.errorCode(hexUnknown(L"40")), L"P1000");
    EXPECT_EQ(errors.errorCode(L"Error - switch circuit open"), L"P103128");
    // Every message of every module is found where it was decoded from.
    for (unsigned code = 0; code < kModuleTexts.size(); ++code)
        for (unsigned bit = 0; bit < kModuleTexts[code].size(); ++bit) {
            const CErrorPlace place = errors.findMessage(kModuleTexts[code][bit]);
            EXPECT_EQ(place.module, code);
            EXPECT_EQ(place.mask, 1u << bit);
        }
}

TEST_F(ErrorModules, LanguageChangeTakesEffectWhenTheModulesAreRebuilt)
{
    folder.write(L"ENGLISH.txt", L"No RPM signal\tnote\tNo engine speed\r\n");
    folder.write(L"GERMAN.txt", L"No RPM signal\tnote\tKein Drehzahlsignal\r\n"
                                L"Sensors\tnote\tSensoren\r\n"
                                L"Unknown error code\tnote\tUnbekannter Fehler\r\n"
                                L"Unknown module code\tnote\tUnbekanntes Modul\r\n");
    folder.open();
    g_languageId = kEnglish;
    errors.clearModules();
    errors.buildModules();
    const unsigned char report[4] = {0, 0, 0x41, 0};
    EXPECT_EQ(errors.decodeReport(report), (Texts{L"No engine speed", hexUnknown(L"40")}));

    g_languageId = kGerman;
    // The name follows the language at once, the messages only after a rebuild.
    EXPECT_EQ(errors.m_modules[2]->getName(), L"Sensoren");
    EXPECT_EQ(errors.decodeModule(2, 0x01), Texts{L"No engine speed"});
    errors.clearModules();
    EXPECT_TRUE(errors.m_modules.empty());
    errors.buildModules();
    EXPECT_EQ(errors.decodeReport(report), (Texts{L"Kein Drehzahlsignal", L"Unbekannter Fehler = 0x40"}));
    EXPECT_EQ(errors.decodeModule(9, 1), Texts{L"Unbekanntes Modul"});
    EXPECT_EQ(errors.errorCode(L"Kein Drehzahlsignal"), L"P1021");
    EXPECT_EQ(errors.errorCode(L"No RPM signal"), L"P1000");
}
