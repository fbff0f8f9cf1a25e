#include "RecordImage.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <random>

namespace {

// A payload that ends right at an inaccessible page, so a decoder reading one
// byte past it faults instead of passing unnoticed.
class GuardedPayload
{
public:
    GuardedPayload()
    {
        SYSTEM_INFO info;
        GetSystemInfo(&info);
        m_page = info.dwPageSize;
        m_base = static_cast<uint8_t*>(
            VirtualAlloc(nullptr, 2 * m_page, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
        DWORD old;
        VirtualProtect(m_base + m_page, m_page, PAGE_NOACCESS, &old);
    }
    ~GuardedPayload() { VirtualFree(m_base, 0, MEM_RELEASE); }
    const uint8_t* place(const std::vector<uint8_t>& bytes)
    {
        uint8_t* at = m_base + m_page - bytes.size();
        std::copy(bytes.begin(), bytes.end(), at);
        return at;
    }

private:
    size_t m_page = 0;
    uint8_t* m_base = nullptr;
};

using Decode = bool (*)(const uint8_t*, size_t, CSettingsRecord&);
using Encode = std::vector<uint8_t> (*)(const CSettingsRecord&);

struct Block
{
    Decode decode;
    Encode encode;
    size_t needed;
};

bool decodeObd(const uint8_t* p, size_t n, CSettingsRecord& r)
{
    return decodeBlock18(p, n, r.m_obdSetup);
}

bool decodeObdAdv(const uint8_t* p, size_t n, CSettingsRecord& r)
{
    return decodeBlock27(p, n, r.m_obdAdvSetup);
}

std::vector<uint8_t> encodeObd(const CSettingsRecord& r)
{
    return encodeBlock18(r.m_obdSetup);
}

std::vector<uint8_t> encodeObdAdv(const CSettingsRecord& r)
{
    return encodeBlock27(r.m_obdAdvSetup);
}

std::vector<uint8_t> noEncode(const CSettingsRecord&)
{
    return std::vector<uint8_t>(32, 0);
}

const Block kBlocks[] = {
    {decodeBlock31, encodeBlock31, kBlock31Size},
    {decodeBlock4, encodeBlock4, kBlock4Size},
    {decodeBlock26, encodeBlock26, kBlock26Size},
    {decodeBlock35, encodeBlock35, kBlock35Size},
    {decodeBlock15, encodeBlock15, kBlock15Size},
    {decodeBlock30, encodeBlock30, kBlock30Size},
    {decodeBlock7, encodeBlock7, kBlock7Size},
    {decodeBlock9, encodeBlock9, kBlock9Size},
    {decodeBlock32, encodeBlock32, kBlock32Size},
    {decodeBlock33, encodeBlock33, kBlock33Size},
    {decodeBlock34, encodeBlock34, kBlock34ReadSize},
    {decodeBlock8, noEncode, kBlock8Size},
    {decodeBlock12, noEncode, kBlock12Size},
    {decodeBlock3, encodeBlock3, kBlock3Size},
    {decodeObd, encodeObd, kBlock18Size},
    {decodeObdAdv, encodeObdAdv, kBlock27Size},
};

} // namespace

TEST(BlockMutation, DecodersTakeAnyPayloadSafely)
{
    std::mt19937 rng(20240611);
    GuardedPayload guard;
    CSettingsRecord live;
    for (int round = 0; round < 20000; ++round) {
        const Block& block = kBlocks[rng() % std::size(kBlocks)];
        std::vector<uint8_t> payload = block.encode(live);
        payload.resize(rng() % (block.needed + 8));
        for (int flips = rng() % 6; flips > 0 && !payload.empty(); --flips)
            payload[rng() % payload.size()] = uint8_t(rng());

        std::vector<uint8_t> before = recordImage(live);
        bool taken = block.decode(guard.place(payload), payload.size(), live);
        ASSERT_EQ(taken, payload.size() >= block.needed) << round;
        if (!taken) {
            ASSERT_EQ(recordImage(live), before) << round;
        }
    }
}

TEST(BlockMutation, PcLogOnlyOfTheFirmwaresLength)
{
    std::mt19937 rng(7);
    GuardedPayload guard;
    CSettingsRecord live;
    for (int round = 0; round < 2000; ++round) {
        live.m_devInfo.m_version = rng() % 2 ? 784 : 805;
        std::vector<uint8_t> payload(rng() % 100);
        for (uint8_t& b : payload)
            b = uint8_t(rng());
        std::vector<uint8_t> before = recordImage(live);
        bool taken = decodeBlock19(guard.place(payload), payload.size(), live);
        ASSERT_EQ(taken, payload.size() == block19Size(live.m_devInfo.m_version));
        if (taken) {
            ASSERT_EQ(encodeBlock19(live), payload);
        } else {
            ASSERT_EQ(recordImage(live), before);
        }
    }
}
