#include "AfmBuilder.h"
#include "FileTestSupport.h"
#include "SettingsGolden.h"

#include <CFirmwareFile.h>
#include <CLPGDevice.h>

#include <gtest/gtest.h>

#include <random>

namespace {

// Damages a file the way disks, editors and transfers do.
class Mutator
{
public:
    explicit Mutator(uint32_t seed) : m_random(seed) {}

    std::string mutate(std::string file)
    {
        int count = 1 + int(m_random() % 5);
        for (int i = 0; i < count && !file.empty(); ++i)
            file = mutateOnce(std::move(file));
        return file;
    }

private:
    size_t at(const std::string& file) { return m_random() % (file.size() + 1); }

    char nasty()
    {
        static const char kBytes[] = {'\0', '\t', '\r', '\n', '\x1A', '\xFF', '-', '.', 'e', '9'};
        return m_random() % 2 ? kBytes[m_random() % sizeof kBytes] : char(m_random());
    }

    std::string mutateOnce(std::string file)
    {
        size_t from = at(file);
        size_t length = m_random() % 64;
        switch (m_random() % 6) {
        case 0:
            if (from < file.size())
                file[from] = nasty();
            break;
        case 1:
            file.erase(from, length);
            break;
        case 2:
            file.insert(from, length, nasty());
            break;
        case 3:
            file.insert(at(file), file.substr(from, length * 8));
            break;
        case 4:
            file.resize(from);
            break;
        default:
            if (from < file.size())
                file[from] = char(file[from] ^ (1 << (m_random() % 8)));
            break;
        }
        return file;
    }

    std::mt19937 m_random;
};

TEST(FileMutationTest, DamagedSettingsFilesAreReadOrRefusedWithoutChangingTheRecord)
{
    TestFiles files;
    const std::string valid = expectedFile(nonDefaultRecord());
    int refused = 0;
    for (uint32_t seed = 1; seed <= 300; ++seed) {
        std::string damaged = Mutator(seed).mutate(valid);
        CSettingsRecord record;
        record.m_base.m_switchRPM = 777.0;
        record.m_devInfo.m_pcConnections.fill(0x5A);
        std::string before = wholeImage(record);
        if (!CLPGDevice::loadSettingsFile(files.put(damaged), record)) {
            ++refused;
            EXPECT_EQ(before, wholeImage(record)) << "seed " << seed;
        }
    }
    // Both outcomes must have been exercised.
    EXPECT_GT(refused, 30);
    EXPECT_LT(refused, 300);
}

TEST(FileMutationTest, DamagedFirmwareFilesAreReadOrRefusedCleanly)
{
    kwtest::TempDir dir;
    AfmContent afm;
    afm.body = randomBytes(9020, 11);
    const std::string valid = buildAfm(afm);
    int refused = 0;
    for (uint32_t seed = 1; seed <= 300; ++seed) {
        std::wstring path = dir.file(L"m" + std::to_wstring(seed) + L".afm");
        kwtest::writeFileBytes(path, Mutator(seed).mutate(valid));
        CFirmwareFile file;
        uint16_t version = 1, tag = 2;
        std::wstring text = L"before";
        if (!file.load(path, version, text, tag)) {
            ++refused;
            EXPECT_FALSE(file.isValid());
            EXPECT_EQ(1, version);
            EXPECT_EQ(2, tag);
            EXPECT_EQ(L"before", text);
        } else {
            EXPECT_GE(file.getImageLength(), 8321u);
            EXPECT_EQ((file.getImageLength() + 255) / 256, file.getPageCount());
        }
    }
    EXPECT_GT(refused, 100);
}

} // namespace
