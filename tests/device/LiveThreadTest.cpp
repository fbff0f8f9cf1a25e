#include "MessageBoxRecorder.h"
#include "SampleBytes.h"
#include "SimBench.h"
#include "TempDir.h"

#include <CDiagRSThread.h>
#include <CLPGDevice.h>
#include <CRSError.h>
#include <UserInterface.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
using kwtest::putWord;
using kwtest::setEntry;

// Sensor settings the expected lines below were worked out for.
void useKnownSensors(CLPGDevice& device)
{
    device.m_settings.m_advancedSetup.m_advancedFlags = 0x08;
    device.m_settings.m_sensorsSetup.m_temprEngineSensor = 2;
    device.m_settings.m_sensorsSetup.m_temprLPGSensor = 1;
}

CDiag knownSample()
{
    CDiag d;
    d.setMode(3);
    putWord(d, 16, 5647); // 850 RPM
    setEntry(d, 0, 120, 65535);
    setEntry(d, 2, 80, 40); // a tie: the first entry's gas time
    setEntry(d, 3, 80, 65535);
    setEntry(d, 4, 100, 0); // the second entry of cylinder 3 is larger
    setEntry(d, 5, 140, 20);
    d.data()[2] = 255; // reducer -41
    d.data()[3] = 0;   // gas 203
    d.data()[5] = 200; // supply voltage: not recorded
    d.data()[6] = 51;  // lambda 1.0 V
    d.data()[8] = 255; // 240 kPa
    return d;
}

const char kKnownLine[] =
    "3\t 850\t3.00\t3.00\t2.00\t3.00\t3.50\t4.00\t0.00\t0.00\t0.00\t0.00\t0.00\t0.00\t0.00\t0.00"
    "\t0.00\t0.00\t240\t101\t203\t-41\t1.0\t0.0";

const double kNoObd[kOscObdValues] = {};

// Thread bodies without a line: each character of the script is the status
// of one read ('0' a sample, '1' another reply, '2' no reply, 'e' a port
// error); at its end the thread is asked to stop.
class ScriptedThread : public CDiagInputThread
{
public:
    ScriptedThread(CLPGDevice& device, std::string script)
        : CDiagInputThread(&device, &device.m_diagData, L"", std::make_shared<DiagRunFlag>()),
          m_script(std::move(script))
    {
    }

    void onStart() override {}
    void onFinish() override { ++finishes; }
    unsigned char readSample(CDiag&) override
    {
        if (reads == m_script.size()) {
            m_runFlag->clear();
            return kUnexpectedReply;
        }
        const char status = m_script[reads++];
        if (status == 'e')
            throw new CRSError(6, L"ScriptedThread::readSample", __LINE__, L"test");
        return static_cast<unsigned char>(status - '0');
    }
    void storeSample(CDiag& sample) override { m_store->push(sample); }

    size_t reads = 0;
    int finishes = 0;

private:
    std::string m_script;
};

class ReadingRounds : public ::testing::Test
{
protected:
    void SetUp() override
    {
        g_diagFailureCount = 0;
        device.m_connected = true;
    }
    void TearDown() override { g_diagFailureCount = 0; }

    // Runs the body on this thread; the number of reads it made.
    size_t runScript(const std::string& script)
    {
        ScriptedThread thread(device, script);
        thread.run();
        finishes = thread.finishes;
        return thread.reads;
    }

    CLPGDevice device;
    kwtest::MessageBoxRecorder boxes;
    int finishes = 0;
};

} // namespace

TEST(OscLine, ExactFieldsAndWidths)
{
    CLPGDevice device;
    useKnownSensors(device);
    EXPECT_EQ(std::string(kKnownLine) + "\t0.0\t0.0\t0.0\t0.0\t0.0\t0.0\t0.0\t0.0\n",
              formatOscLine(knownSample(), kNoObd));

    const double obd[kOscObdValues] = {1.5, -2.26, 0, 0, 0.46, 0, 0, 12};
    EXPECT_EQ(std::string(kKnownLine) + "\t1.5\t-2.3\t0.0\t0.0\t0.5\t0.0\t0.0\t12.0\n",
              formatOscLine(knownSample(), obd));

    CDiag fast = knownSample();
    putWord(fast, 16, 400);
    setEntry(fast, 0, 500, 65535);
    EXPECT_EQ(0u, formatOscLine(fast, kNoObd).find("3\t12000\t12.50\t12.50\t"));
    CDiag standing;
    EXPECT_EQ(0u, formatOscLine(standing, kNoObd).find("0\t   0\t0.00\t"));
}

TEST(OscLine, RecordingHoldsOneLinePerStoredSample)
{
    kwtest::TempDir dir;
    CLPGDevice device;
    useKnownSensors(device);
    const std::wstring path = dir.file(L"trace.osc");
    auto thread = std::make_unique<CDiagRSThread>(&device.m_diagData, path, std::make_shared<DiagRunFlag>());
    for (int i = 0; i < 3; ++i) {
        CDiag sample = knownSample();
        thread->storeSample(sample);
    }
    thread.reset();
    std::string line = std::string(kKnownLine) + "\t0.0\t0.0\t0.0\t0.0\t0.0\t0.0\t0.0\t0.0\r\n";
    EXPECT_EQ(line + line + line, kwtest::readFileBytes(path));

    std::vector<CDiag> stored;
    device.m_diagData.copyRange(stored, 0, 10);
    ASSERT_EQ(3u, stored.size());
    for (uint32_t i = 0; i < 3; ++i)
        EXPECT_EQ(i + 1, stored[i].getSequence());
}

TEST(OscLine, NoRecordingWithoutAFileStillStores)
{
    kwtest::TempDir dir;
    CLPGDevice device;
    for (const std::wstring& path : {std::wstring(L"\\"), dir.file(L"missing\\trace.osc")}) {
        auto thread =
            std::make_unique<CDiagRSThread>(&device.m_diagData, path, std::make_shared<DiagRunFlag>());
        CDiag sample = knownSample();
        thread->storeSample(sample);
        thread->onFinish();
        thread->onFinish(); // harmless twice
    }
    EXPECT_EQ(2, device.m_diagData.count());
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(dir.file(L"missing").c_str()));
}

TEST(ReadingSamples, GasModesFourAndFiveReadAsThree)
{
    kwtest::SimBench bench;
    bench.open();
    auto thread =
        std::make_unique<CDiagRSThread>(&bench.device->m_diagData, L"\\", std::make_shared<DiagRunFlag>());
    for (uint8_t mode : {2, 3, 4, 5}) {
        bench.with([mode](kwsim::SimState& s) { s.live.pinned[0] = mode; });
        CDiag sample;
        ASSERT_EQ(CDiagInputThread::kSampleRead, thread->readSample(sample));
        EXPECT_EQ(mode == 2 ? 2 : 3, sample.getMode());
    }
}

TEST_F(ReadingRounds, TenFailedReadsInARowAreBorneTheEleventhEndsTheThread)
{
    EXPECT_EQ(12u, runScript("0" + std::string(10, '2') + "0"));
    EXPECT_EQ(2, device.m_diagData.count());
    EXPECT_TRUE(device.m_connected);

    EXPECT_EQ(12u, runScript("0" + std::string(11, '2') + "0"));
    EXPECT_EQ(0, device.m_diagData.count());
    EXPECT_FALSE(device.m_connected);
    EXPECT_GE(finishes, 1);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(ReadingRounds, OnlyFailedTransactionsCountAndOnlySamplesReset)
{
    // Other replies neither count nor reset.
    EXPECT_EQ(14u, runScript(std::string(5, '2') + "111" + std::string(6, '2') + "0"));
    EXPECT_FALSE(device.m_connected);

    g_diagFailureCount = 0;
    device.m_connected = true;
    EXPECT_EQ(22u, runScript(std::string(10, '2') + "0" + std::string(10, '2') + "0"));
    EXPECT_TRUE(device.m_connected);
    EXPECT_EQ(0, g_diagFailureCount);
}

TEST_F(ReadingRounds, TheCountBelongsToTheProgram)
{
    runScript(std::string(11, '2'));
    device.m_connected = true;
    // A new thread inherits the count: its first failure ends it.
    EXPECT_EQ(1u, runScript("20"));
    EXPECT_FALSE(device.m_connected);
}

// The port was never opened, so it cannot be opened again either.
TEST_F(ReadingRounds, APortThatCannotBeReopenedEndsTheThreadNotConnected)
{
    device.m_diagData.push(CDiag());
    EXPECT_EQ(1u, runScript("e00"));
    EXPECT_EQ(0, device.m_diagData.count());
    EXPECT_FALSE(device.m_connected);
    EXPECT_EQ(1, finishes);
    ASSERT_EQ(1u, boxes.shown.size());
    EXPECT_EQ(L"Kestrelwave", boxes.shown[0].caption);
    EXPECT_EQ(L"NO CONNECTION", boxes.shown[0].text);
    EXPECT_EQ(unsigned(MB_OK), boxes.shown[0].flags); // OK only
}
