#include "CCipher.h"
#include "Encipher.h"
#include "SettingsBlocks.h"
#include "SimBench.h"
#include "TempDir.h"
#include "ChildProcess.h"

#include <IError.h>
#include <translate.h>

#include <gtest/gtest.h>

#include <windows.h>

using kwtest::SimBench;

namespace {

const int kIdentify = 0xCC;

kwsim::SimConfig withVersion(int version, uint8_t hardware = '/')
{
    kwsim::SimConfig config;
    config.firmwareVersion = version;
    config.hardware = hardware;
    return config;
}

// The selectors asked for after identification, memory chunks (11) once.
std::vector<int> blocksAsked(SimBench& bench)
{
    std::vector<int> out;
    for (int selector : bench.selectors())
        if (out.empty() || !(selector == 11 && out.back() == 11))
            out.push_back(selector);
    return out;
}

} // namespace

TEST(Discovery, RemembersThePortAndTriesTheOthersInOrder)
{
    SimBench bench(kwsim::SimConfig(), {1, 2, 3, 4, 5}, 5);
    writeLastPortNr(3);
    bench.device->connect();
    EXPECT_EQ((std::vector<unsigned>{3, 1, 2, 3, 4, 5}), bench.link->openAttempts());
    EXPECT_TRUE(bench.device->m_connected);
    EXPECT_EQ(5u, readLastPortNr());

    // Next time the remembered port answers at once.
    SimBench again(kwsim::SimConfig(), {1, 2, 3, 4, 5}, 5);
    again.device->connect();
    EXPECT_EQ((std::vector<unsigned>{5}), again.link->openAttempts());
    EXPECT_TRUE(again.messages.empty());
}

TEST(Discovery, NothingPresentOrNothingAnswering)
{
    SimBench none(kwsim::SimConfig(), {}, 1);
    none.device->m_connected = true;
    none.device->discover();
    EXPECT_TRUE(none.link->openAttempts().empty());
    EXPECT_FALSE(none.device->m_connected);

    // A remembered port that is gone is not tried; silent ports are all
    // tried and none is left open.
    writeLastPortNr(7);
    SimBench silent(kwsim::SimConfig(), {2, 4}, 9);
    silent.device->connect();
    EXPECT_EQ((std::vector<unsigned>{2, 4}), silent.link->openAttempts());
    EXPECT_FALSE(silent.device->m_connected);
    EXPECT_FALSE(silent.device->m_port.isOpen());
    EXPECT_EQ(7u, readLastPortNr());
}

TEST(Discovery, PortThatCannotBeOpenedIsSkipped)
{
    SimBench bench(kwsim::SimConfig(), {1}, 1);
    bench.link->failCalls(kwsim::SimCall::Open, ERROR_ACCESS_DENIED);
    EXPECT_FALSE(bench.device->tryPort(1));
    bench.link->failCalls(kwsim::SimCall::SetState, ERROR_GEN_FAILURE);
    EXPECT_FALSE(bench.device->tryPort(1));
    EXPECT_TRUE(bench.messages.empty());
}

TEST(Identification, TheTwoFamilies)
{
    SimBench first(withVersion(805, '/'));
    first.open();
    EXPECT_TRUE(first.device->identify());
    EXPECT_EQ(L"KESTRELWAVE", first.device->m_settings.m_devInfo.m_deviceName);
    EXPECT_EQ('/', first.device->m_settings.m_devInfo.m_deviceID);
    EXPECT_TRUE(first.device->m_liveDataAllowed);
    EXPECT_EQ((std::vector<uint8_t>{0xCC, 0, 0, 4, 0, 0}), first.requests().at(0).payload);

    kwsim::SimConfig config = withVersion(805, '0');
    config.liveDataAllowed = false;
    SimBench second(config);
    second.open();
    EXPECT_TRUE(second.device->identify());
    EXPECT_EQ(L"KESTRELWAVE2", second.device->m_settings.m_devInfo.m_deviceName);
    EXPECT_EQ('0', second.device->m_settings.m_devInfo.m_deviceID);
    EXPECT_FALSE(second.device->m_liveDataAllowed);
}

TEST(Identification, UnknownHardwareSaysNoConnectionOnce)
{
    SimBench bench(withVersion(805, 'A'));
    bench.open();
    EXPECT_FALSE(bench.device->identify());
    ASSERT_EQ(1u, bench.messages.size());
    EXPECT_EQ(L"NO CONNECTION", bench.messages[0].text);
    EXPECT_EQ(L"Kestrelwave", bench.messages[0].caption);
    EXPECT_EQ(unsigned(MB_ICONERROR), bench.messages[0].flags);
    EXPECT_EQ(nullptr, bench.messages[0].owner);

    EXPECT_FALSE(bench.device->readAllSettings());
    EXPECT_EQ(1u, bench.messages.size());
    EXPECT_FALSE(bench.device->m_connected);
}

TEST(Identification, SilentControllerIsAskedFourTimes)
{
    SimBench bench(kwtest::silentController());
    bench.open();
    EXPECT_FALSE(bench.device->identify());
    EXPECT_EQ((std::vector<int>{kIdentify, kIdentify, kIdentify, kIdentify}), bench.selectors());
}

TEST(Identification, ControllerInBootloaderStartsTheRecovery)
{
    kwsim::SimConfig config = withVersion(805, '0');
    config.bootloader = true;
    SimBench bench(config);
    bench.open();
    int recoveries = 0;
    bench.device->m_recoveryUpdate = [&] {
        ++recoveries;
        return true;
    };
    EXPECT_TRUE(bench.device->identify());
    EXPECT_EQ(1, recoveries);
    const CDevInfo& info = bench.device->m_settings.m_devInfo;
    EXPECT_EQ(768, info.m_version);
    EXPECT_EQ(L"KESTRELWAVE2", info.m_deviceName);
    EXPECT_EQ('0', info.m_deviceID);
    ASSERT_EQ(1u, bench.messages.size());
    EXPECT_EQ(L"Device is in bootloader mode and need to be reprogramed.", bench.messages[0].text);
    EXPECT_EQ(unsigned(MB_ICONINFORMATION), bench.messages[0].flags);
    EXPECT_EQ((std::vector<int>{kIdentify, 196}), bench.selectors());

    // The recovery's result is the identification's.
    bench.device->m_recoveryUpdate = [] { return false; };
    EXPECT_FALSE(bench.device->identify());
    bench.device->m_recoveryUpdate = nullptr;
    EXPECT_FALSE(bench.device->identify());
}

TEST(Identification, BootloaderWithAnUnknownCodeIsRefused)
{
    kwsim::SimConfig config;
    config.bootloader = true;
    config.bootCode = 200;
    SimBench bench(config);
    bench.open();
    bool recovered = false;
    bench.device->m_recoveryUpdate = [&] { return recovered = true; };
    EXPECT_FALSE(bench.device->identify());
    EXPECT_FALSE(recovered);
    EXPECT_EQ((std::vector<int>{kIdentify, 196, 96}), bench.selectors());
    EXPECT_TRUE(bench.messages.empty());
}

TEST(ReadAllSettings, BlocksAskedByFirmwareVersion)
{
    const std::vector<int> common = {kIdentify, 13, 42, 7, 8, 22, 12, 14, 11, 34, 43, 44, 45};
    struct Case
    {
        int version;
        std::vector<int> extra;
    } cases[] = {{777, {}}, {778, {21, 30}}, {785, {21, 30}}, {789, {21, 30, 48}}, {805, {21, 30, 48}}};
    for (const Case& c : cases) {
        SimBench bench(withVersion(c.version));
        bench.open();
        EXPECT_TRUE(bench.device->readAllSettings()) << c.version;
        std::vector<int> expected = common;
        expected.insert(expected.end(), c.extra.begin(), c.extra.end());
        EXPECT_EQ(expected, blocksAsked(bench)) << c.version;
        EXPECT_TRUE(bench.messages.empty()) << c.version;
        EXPECT_TRUE(bench.device->m_connected);
        EXPECT_EQ(c.version, bench.device->m_settings.m_devInfo.m_version);
    }
}

TEST(ReadAllSettings, UnreadableBlockIsToldAndSkipped)
{
    SimBench bench;
    bench.open();
    const auto kept = bench.device->m_settings.m_keptBytes.m_block32;
    bench.with([](kwsim::SimState& s) { s.blocks.set(32, {1, 2, 3}); });
    EXPECT_TRUE(bench.device->readAllSettings());
    EXPECT_TRUE(bench.device->m_connected);
    EXPECT_EQ(std::vector<std::wstring>{L"Can't read settings from device!"}, bench.texts());
    EXPECT_EQ(kept, bench.device->m_settings.m_keptBytes.m_block32);
    int asked = 0;
    for (int selector : bench.selectors())
        asked += selector == 43;
    EXPECT_EQ(30, asked);
    // The blocks after it were still read.
    EXPECT_EQ(48, bench.selectors().back());
}

TEST(ReadAllSettings, CngControllerSwitchesTheTexts)
{
    SimBench bench;
    bench.open();
    bench.with([](kwsim::SimState& s) {
        std::vector<uint8_t> b26 = s.blocks.get(26);
        b26[12] |= 0x08;
        s.blocks.set(26, b26);
    });
    g_cngMode = 0;
    EXPECT_TRUE(bench.device->readAllSettings());
    EXPECT_EQ(1, g_cngMode);
    bench.device->m_settings.m_advancedSetup.m_advancedFlags &= ~0x08;
    EXPECT_TRUE(bench.device->writeBlock26());
    EXPECT_EQ(0, g_cngMode);
}

TEST(DeviceInfo, PlainAndEncipheredSerials)
{
    SimBench bench;
    bench.open();
    ASSERT_TRUE(bench.device->readDeviceInfo());
    const CDevInfo& info = bench.device->m_settings.m_devInfo;
    EXPECT_EQ(L"KWS1000123456", info.m_serial);
    EXPECT_EQ(805, info.m_version);
    EXPECT_EQ(4, info.m_injCount);
    EXPECT_EQ(dayCountToDateText(5000), info.m_prodDate);

    // Byte 3 a letter: the name is enciphered, and ends at its first zero.
    std::wstring plain = L"KWSX-0042";
    plain.resize(16, L'\0');
    const std::wstring secret = kwtest::Encipher(kSerialNumberKey)(plain);
    bench.with([&](kwsim::SimState& s) {
        std::vector<uint8_t> b8 = s.blocks.get(8);
        for (size_t i = 0; i < 16; ++i)
            b8[kDeviceNameOffset + i] = static_cast<uint8_t>(secret[i]);
        s.blocks.set(8, b8);
    });
    ASSERT_TRUE(bench.device->readDeviceInfo());
    EXPECT_EQ(L"KWSX-0042", info.m_serial);
}

TEST(DeviceInfo, PasswordBytesLockTheController)
{
    CLPGDevice device;
    EXPECT_FALSE(device.isLocked());
    device.m_settings.m_devInfo.m_lockData[35] = 1;
    device.m_settings.m_devInfo.m_lockData[44] = 1;
    EXPECT_FALSE(device.isLocked());
    device.m_settings.m_devInfo.m_lockData[43] = 1;
    EXPECT_TRUE(device.isLocked());
}

// The lock image belongs to the controller of this connection: one
// connected before, on the same port, never lends it its lock.
TEST(ReadAllSettings, EveryConnectionReadsItsOwnLock)
{
    std::vector<uint8_t> locked(60, 0);
    locked[36] = '7';
    const std::vector<uint8_t> open(60, 0);
    struct Connection
    {
        int version;
        std::vector<uint8_t> block3;
        bool refused;
        bool locked;
        std::vector<std::wstring> messages;
    };
    const std::vector<std::wstring> none;
    const std::vector<std::wstring> unread = {L"Can't read lock state from device!"};
    // One controller after the other on the same port, as a reconnection finds them.
    const Connection connections[] = {{805, locked, false, true, none},  {805, open, false, false, none},
                                      {805, locked, false, true, none},  {777, locked, false, false, none},
                                      {805, open, true, true, unread},   {805, open, false, false, none},
                                      {805, locked, true, true, unread}, {777, open, false, false, none}};
    SimBench bench;
    bench.open();
    for (size_t i = 0; i < std::size(connections); ++i) {
        const Connection& c = connections[i];
        bench.with([&](kwsim::SimState& s) {
            s.blocks.setVersion(c.version);
            s.blocks.set(3, c.block3);
            s.refusedBlocks.clear();
            if (c.refused)
                s.refusedBlocks.insert(3);
        });
        bench.messages.clear();
        ASSERT_TRUE(bench.device->readAllSettings()) << i;
        EXPECT_EQ(c.locked, bench.device->isLocked()) << i;
        EXPECT_EQ(c.version >= 778, bench.device->hasLockBlock()) << i;
        EXPECT_EQ(c.messages, bench.texts()) << i;
        const auto& image = bench.device->m_settings.m_devInfo.m_lockData;
        if (c.version < 778) {
            EXPECT_EQ(open, std::vector<uint8_t>(image.begin(), image.end())) << i;
        }
    }
}

TEST(PortReopen, SamePortAgainOrFalse)
{
    SimBench bench({}, {4}, 4);
    bench.open(4);
    EXPECT_TRUE(bench.device->reopenPort());
    EXPECT_EQ(4u, bench.device->m_port.portNr());
    EXPECT_TRUE(bench.device->identify());
    bench.link->failCalls(kwsim::SimCall::Open, ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(bench.device->reopenPort());
}

TEST(Dates, ProductionDateAndDayCount)
{
    EXPECT_EQ(L"02/04/2004", formatProdDate(0));
    EXPECT_EQ(1, parseDate(L"02/04/2004"));
    EXPECT_EQ(0, parseDate(L"01/04/2004"));
    EXPECT_EQ(-1, parseDate(L"31/03/2004"));
    EXPECT_EQ(366, parseDate(L"02/04/2005"));
    for (long days : {0L, 27L, 366L, 5000L, 9999L})
        EXPECT_EQ(days + 1, parseDate(formatProdDate(static_cast<unsigned>(days)))) << days;
    EXPECT_EQ(0, parseDate(L"2/4/2004"));
    EXPECT_EQ(0, parseDate(L""));
    for (const wchar_t* bad : {L"00/04/2004", L"32/04/2004", L"02/13/2004", L"02/04/1899", L"dd/mm/yyyy"}) {
        try {
            parseDate(bad);
            ADD_FAILURE() << "accepted";
        } catch (IError* error) {
            EXPECT_NE(std::wstring::npos, error->where().find(bad));
            delete error;
        }
    }
}

TEST(PcCode, BytesAreTheNumberMostSignificantFirst)
{
    unsigned long serial = 0;
    unsigned char bytes[4] = {};
    ASSERT_TRUE(getPcCode(serial));
    ASSERT_TRUE(getPcCodeBytes(bytes));
    EXPECT_EQ(serial, static_cast<unsigned long>(bytes[0]) << 24 | bytes[1] << 16 | bytes[2] << 8 | bytes[3]);
}

TEST(UserFolders, UnderTheDocumentsFolder)
{
    const wchar_t key[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
    const std::wstring saved = getMyDocumentsPath();
    kwtest::TempDir temp;
    const std::wstring documents = temp.path();
    RegSetKeyValueW(HKEY_CURRENT_USER, key, L"Personal", REG_SZ, documents.c_str(),
                    static_cast<DWORD>((documents.size() + 1) * sizeof(wchar_t)));
    const std::wstring diag = getDiagFolder();
    const std::wstring settings = getSettingsFolder();
    if (saved.empty())
        RegDeleteKeyValueW(HKEY_CURRENT_USER, key, L"Personal");
    else
        RegSetKeyValueW(HKEY_CURRENT_USER, key, L"Personal", REG_SZ, saved.c_str(),
                        static_cast<DWORD>((saved.size() + 1) * sizeof(wchar_t)));
    EXPECT_EQ(documents + L"\\Kestrelwave\\Diag\\", diag);
    EXPECT_EQ(documents + L"\\Kestrelwave\\Settings\\", settings);
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(diag.c_str()));
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(settings.c_str()));
}

TEST(ThreadManager, EndsTheRunWithTheProgramsExitCode)
{
    kwtest::ChildProcess probe;
    ASSERT_TRUE(probe.start(L"thread_manager_probe.exe", L""));
    EXPECT_EQ(7, probe.wait(20000));
}
