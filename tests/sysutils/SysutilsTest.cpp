#include <HostkitLib.h>

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

namespace {

// Exposes the raising mix-in, as a stopwatch whose counter fails would use it.
class FailingCounter : public CPerformanceCouner
{
public:
    void fail() { _throw(10, L"CPerformanceCouner::StartCounter()", 24, L"PerformanceCouner"); }
    void failWith(IError* cause) { re_throw(10, L"outer", cause, 7, L"file"); }
};

} // namespace

TEST(PerformanceCouner, MeasuresMicrosecondsFromTheLastStart)
{
    CPerformanceCouner watch;
    EXPECT_EQ(0.0, watch.GetCounter()); // not started: no rate yet, no division by zero

    watch.StartCounter();
    Sleep(60);
    double first = watch.GetCounter();
    EXPECT_GT(first, 40000.0);
    EXPECT_LT(first, 5000000.0);

    CPerformanceCouner copy(watch);
    EXPECT_GE(copy.GetCounter(), first);

    watch.StartCounter(); // restarts from here
    EXPECT_LT(watch.GetCounter(), first);
    EXPECT_GE(copy.GetCounter(), first);
}

TEST(PerformanceCouner, FailureThrowsTheCounterErrorWithItsText)
{
    FailingCounter watch;
    try {
        watch.fail();
        FAIL() << "no error thrown";
    } catch (IError* error) {
        auto* counterError = dynamic_cast<CPefrCounterError*>(error);
        ASSERT_NE(nullptr, counterError);
        EXPECT_EQ(L"CPefrCounterError", error->name());
        EXPECT_EQ(10u, error->code());
        EXPECT_EQ(L"Nie można uruchomić licznika.", error->message());
        EXPECT_EQ(11u, error->msgs().size()); // the text is there once
        EXPECT_EQ(24, error->line());
        EXPECT_EQ(L"PerformanceCouner", error->file());
        delete error;
    }
    try {
        watch.failWith(new CRunTime(6, L"inner", 1, L"x"));
        FAIL() << "no error thrown";
    } catch (IError* error) {
        ASSERT_NE(nullptr, error->inner());
        EXPECT_EQ(6u, error->inner()->code());
        EXPECT_NE(std::wstring::npos, error->format().find(L"Nie można uruchomić licznika."));
        delete error;
    }
}

namespace {

struct ReportedEvent
{
    WORD type;
    WORD category;
    DWORD eventId;
    PSID user;
    std::vector<std::wstring> strings;
    DWORD dataSize;
};

std::vector<std::wstring> g_sources;
std::vector<ReportedEvent> g_reported;
int g_deregistered = 0;
bool g_refuseSource = false;
HANDLE const kLog = reinterpret_cast<HANDLE>(0x1234);

HANDLE WINAPI fakeRegister(LPCWSTR server, LPCWSTR source)
{
    EXPECT_EQ(nullptr, server);
    g_sources.push_back(source);
    return g_refuseSource ? nullptr : kLog;
}

BOOL WINAPI fakeReport(HANDLE log, WORD type, WORD category, DWORD eventId, PSID user, WORD count,
                       DWORD dataSize, LPCWSTR* strings, LPVOID)
{
    EXPECT_EQ(kLog, log);
    g_reported.push_back({type, category, eventId, user, {strings, strings + count}, dataSize});
    return TRUE;
}

BOOL WINAPI fakeDeregister(HANDLE log)
{
    EXPECT_EQ(kLog, log);
    ++g_deregistered;
    return TRUE;
}

const CEventLog::Api kFakeApi = {fakeRegister, fakeReport, fakeDeregister};

} // namespace

TEST(EventLog, WritesOneEntryUnderTheSourceAndReleasesIt)
{
    CEventLog::setApi(&kFakeApi);
    CEventLog::addMsg(CEventLog::warning, L"Kestrelwave", L"Port zajęty");
    ASSERT_EQ(1u, g_reported.size());
    EXPECT_EQ(std::vector<std::wstring>{L"Kestrelwave"}, g_sources);
    const ReportedEvent& entry = g_reported[0];
    EXPECT_EQ(EVENTLOG_WARNING_TYPE, entry.type);
    EXPECT_EQ(0, entry.category);
    EXPECT_EQ(0u, entry.eventId);
    EXPECT_EQ(nullptr, entry.user);
    EXPECT_EQ(std::vector<std::wstring>{L"Port zajęty"}, entry.strings);
    EXPECT_EQ(0u, entry.dataSize);
    EXPECT_EQ(1, g_deregistered);

    g_refuseSource = true; // a source that cannot be registered writes nothing
    CEventLog::addMsg(CEventLog::error, L"Other", L"text");
    EXPECT_EQ(1u, g_reported.size());
    EXPECT_EQ(1, g_deregistered);
    CEventLog::setApi(nullptr);

    CEventLog::addMsg(CEventLog::information, L"Kestrelwave test", L"the system call returns"); // no crash
}

TEST(SystemInfo, RunsOnAnNTPlatform)
{
    EXPECT_TRUE(CSystemInfo::isNTPlatform());
}

namespace {

// Writes HKLM\Software\Quillbase "DST" for one test and removes the key afterwards.
class ProductSuite : public testing::Test
{
protected:
    void TearDown() override { RegDeleteKeyW(HKEY_LOCAL_MACHINE, L"Software\\Quillbase"); }

    void writeDst(DWORD type, const void* data, DWORD bytes)
    {
        HKEY key;
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_LOCAL_MACHINE, L"Software\\Quillbase", 0, nullptr, 0,
                                                 KEY_SET_VALUE, nullptr, &key, nullptr));
        ASSERT_EQ(ERROR_SUCCESS, RegSetValueExW(key, L"DST", 0, type, static_cast<const BYTE*>(data), bytes));
        RegCloseKey(key);
    }
    void writeText(DWORD type, const std::wstring& text)
    {
        writeDst(type, text.c_str(), DWORD((text.size() + 1) * sizeof(wchar_t)));
    }
};

} // namespace

TEST_F(ProductSuite, TerminalServerNeedsTheTextTakStoredAsAString)
{
    EXPECT_FALSE(CSystemInfo::validateProductSuite(L"Terminal Server")); // no key
    writeText(REG_SZ, L"TAK");
    EXPECT_TRUE(CSystemInfo::validateProductSuite(L"Terminal Server"));
    EXPECT_TRUE(CSystemInfo::validateProductSuite(L"terminal server"));
    EXPECT_FALSE(CSystemInfo::validateProductSuite(L"Small Business"));
    EXPECT_FALSE(CSystemInfo::validateProductSuite(L""));

    writeText(REG_SZ, L"tak");
    EXPECT_FALSE(CSystemInfo::validateProductSuite(L"Terminal Server"));
    writeText(REG_SZ, L"TAKE");
    EXPECT_FALSE(CSystemInfo::validateProductSuite(L"Terminal Server"));
    writeText(REG_EXPAND_SZ, L"TAK");
    EXPECT_FALSE(CSystemInfo::validateProductSuite(L"Terminal Server"));
    writeDst(REG_SZ, L"", 0);
    EXPECT_FALSE(CSystemInfo::validateProductSuite(L"Terminal Server"));
}

TEST_F(ProductSuite, TextWithoutItsTerminatingZeroEndsWhereItsDataEnds)
{
    writeDst(REG_SZ, L"TAK", 3 * sizeof(wchar_t));
    EXPECT_TRUE(CSystemInfo::validateProductSuite(L"Terminal Server"));
    writeDst(REG_SZ, L"TA", 2 * sizeof(wchar_t));
    EXPECT_FALSE(CSystemInfo::validateProductSuite(L"Terminal Server"));
}
