#include "AfmBuilder.h"

#include <CFirmwareFile.h>
#include <TempDir.h>

#include <gtest/gtest.h>

namespace {

struct Outputs
{
    uint16_t version = 0xEEEE;
    std::wstring identification = L"untouched";
    uint16_t formatTag = 0xEEEE;
};

class FirmwareFileTest : public ::testing::Test
{
protected:
    bool load(const std::string& bytes)
    {
        std::wstring path = m_dir.file(L"fw" + std::to_wstring(++m_count) + L".afm");
        kwtest::writeFileBytes(path, bytes);
        return m_file.load(path, m_out.version, m_out.identification, m_out.formatTag);
    }

    bool loadBody(size_t length)
    {
        AfmContent afm;
        afm.body = randomBytes(length, 7);
        return load(buildAfm(afm));
    }

    kwtest::TempDir m_dir;
    unsigned m_count = 0;
    CFirmwareFile m_file;
    Outputs m_out;
};

TEST_F(FirmwareFileTest, ImageIsTheBodyWithoutItsSkippedRange)
{
    AfmContent afm;
    afm.body = randomBytes(9020, 1);
    afm.version = 0x0325;
    afm.formatTag = 0x0101;
    ASSERT_TRUE(load(buildAfm(afm)));
    EXPECT_TRUE(m_file.isValid());
    EXPECT_EQ(0x0325, m_out.version);
    EXPECT_EQ(0x0101, m_out.formatTag);
    EXPECT_EQ(L"KESTRELWAVE", m_out.identification);
    ASSERT_EQ(8960u, m_file.getImageLength());
    EXPECT_EQ(35u, m_file.getPageCount());
    std::vector<uint8_t> expected(afm.body.begin(), afm.body.begin() + 8320);
    expected.insert(expected.end(), afm.body.begin() + 8380, afm.body.end());
    EXPECT_EQ(expected, std::vector<uint8_t>(m_file.getImage(), m_file.getImage() + 8960));
}

TEST_F(FirmwareFileTest, LengthLimits)
{
    EXPECT_FALSE(load(buildAfm(AfmContent()).substr(0, 39)));
    EXPECT_FALSE(loadBody(8380));
    ASSERT_TRUE(loadBody(8381));
    EXPECT_EQ(8321u, m_file.getImageLength());
    EXPECT_EQ(33u, m_file.getPageCount());
    ASSERT_TRUE(loadBody(8636));
    EXPECT_EQ(8576u, m_file.getImageLength());
    EXPECT_EQ(34u, m_file.getPageCount());
    ASSERT_TRUE(loadBody(512 * 1024));
    EXPECT_EQ(524228u, m_file.getImageLength());
    EXPECT_EQ(2048u, m_file.getPageCount());
    EXPECT_FALSE(loadBody(600000));
}

TEST_F(FirmwareFileTest, ChecksumCoversOnlyTheFirstBodyLengthModulo65536Bytes)
{
    AfmContent afm;
    afm.body = randomBytes(70000, 3);
    std::string file = buildAfm(afm);
    ASSERT_TRUE(load(file));
    std::string changedLate = file;
    changedLate[40 + 5000] ^= 0x04;
    EXPECT_TRUE(load(changedLate));
    std::string changedEarly = file;
    changedEarly[40 + 4463] ^= 0x04;
    EXPECT_FALSE(load(changedEarly));
    std::string changedHeader = file;
    changedHeader[10] ^= 0x04;
    EXPECT_FALSE(load(changedHeader));
}

TEST_F(FirmwareFileTest, IdentificationIsCodePage1250UpToItsZeroByte)
{
    AfmContent afm;
    afm.body = randomBytes(8400, 4);
    afm.identification = std::string("AB\0junk", 7);
    ASSERT_TRUE(load(buildAfm(afm)));
    EXPECT_EQ(L"AB", m_out.identification);
    afm.identification = "\xA3\xF3"
                         "d\x9F \x8A";
    ASSERT_TRUE(load(buildAfm(afm)));
    EXPECT_EQ(L"\x0141\x00F3"
              L"d\x017A \x0160",
              m_out.identification);
    afm.identification = "0123456789ABCDEFGHI"; // all 19 bytes, no zero
    ASSERT_TRUE(load(buildAfm(afm)));
    EXPECT_EQ(L"0123456789ABCDEFGHI", m_out.identification);
}

// The caller refuses another type or device; the file itself reads.
TEST_F(FirmwareFileTest, TypeAndDeviceNameAreReportedAsStored)
{
    AfmContent afm;
    afm.body = randomBytes(8400, 5);
    afm.formatTag = 0x0202;
    afm.identification = "KESTRELWAVE2";
    ASSERT_TRUE(load(buildAfm(afm)));
    EXPECT_EQ(0x0202, m_out.formatTag);
    EXPECT_EQ(L"KESTRELWAVE2", m_out.identification);
}

TEST_F(FirmwareFileTest, RejectedFileClearsOnlyTheValidFlag)
{
    ASSERT_TRUE(loadBody(9020));
    Outputs good = m_out;
    std::vector<uint8_t> image(m_file.getImage(), m_file.getImage() + m_file.getImageLength());

    AfmContent afm;
    afm.body = randomBytes(8400, 6);
    afm.version = 0x0400;
    afm.checksumDelta = 1;
    EXPECT_FALSE(load(buildAfm(afm)));
    afm.checksumDelta = 0;
    afm.declaredLength = 8500; // truncated
    EXPECT_FALSE(load(buildAfm(afm)));
    EXPECT_FALSE(
        m_file.load(m_dir.file(L"missing.afm"), m_out.version, m_out.identification, m_out.formatTag));

    EXPECT_FALSE(m_file.isValid());
    EXPECT_EQ(good.version, m_out.version);
    EXPECT_EQ(good.identification, m_out.identification);
    EXPECT_EQ(good.formatTag, m_out.formatTag);
    EXPECT_EQ(35u, m_file.getPageCount());
    EXPECT_EQ(image, std::vector<uint8_t>(m_file.getImage(), m_file.getImage() + image.size()));
}

TEST_F(FirmwareFileTest, BytesStoredWithoutRotationAreRefused)
{
    AfmContent afm;
    afm.body = randomBytes(9000, 8);
    std::string rotated = buildAfm(afm);
    std::string plain;
    for (char c : rotated)
        plain += char(uint8_t(c) >> 2 | uint8_t(c) << 6);
    EXPECT_FALSE(load(plain));
    EXPECT_TRUE(load(rotated));
}

TEST(FirmwareFileNew, HoldsNoImage)
{
    CFirmwareFile file;
    EXPECT_FALSE(file.isValid());
    EXPECT_EQ(0u, file.getPageCount());
    EXPECT_EQ(0u, file.getImageLength());
}

} // namespace
