#include "CLPGDevice.h"

#include "BlockWire.h"
#include "ByteOrder.h"
#include "DeviceRequests.h"

#include <algorithm>

using namespace devreq;

namespace {

const unsigned char kMemoryCmd = 5;
const uint8_t kReadMemorySelector = 11;
const size_t kAddressSize = 2;

// The correction map's image in controller memory: the table row by row as
// value + 100, the flags byte, then the 16-bit sum, high byte first.
const unsigned kCorrectionMapAddress = 246;
const size_t kMapCells = CCorrMap::kRows * CCorrMap::kCols;
const size_t kMapFlagsOffset = kMapCells;
const size_t kMapSumOffset = kMapCells + 1;
const size_t kMapImageSize = kMapCells + 3;
// The image moves in whole chunks.
const size_t kMapChunkedSize = (kMapImageSize + kMemoryChunkSize - 1) / kMemoryChunkSize * kMemoryChunkSize;
const double kMapValueOffset = 100.0;
// The chunk that ends with the image's sum.
const unsigned kMapSumChunkAddress = kCorrectionMapAddress + 256;
const size_t kSumInSumChunk = kMapSumOffset - 256;

uint16_t mapSum(const uint8_t* image)
{
    return static_cast<uint16_t>(frameSum(image, kMapSumOffset));
}

std::vector<uint8_t> mapImage(const CCorrMap& map)
{
    blockwire::PayloadWriter out(kMapImageSize);
    for (size_t r = 0; r < CCorrMap::kRows; ++r)
        for (size_t c = 0; c < CCorrMap::kCols; ++c)
            out.u8(r * CCorrMap::kCols + c,
                   blockwire::truncToward(map.m_injMapTable[r][c] + kMapValueOffset));
    out.u8(kMapFlagsOffset, map.m_flags);
    std::vector<uint8_t> image = out.take();
    putBigEndian16(image.data() + kMapSumOffset, mapSum(image.data()));
    return image;
}

void storeMapImage(const uint8_t* image, CCorrMap& map)
{
    for (size_t r = 0; r < CCorrMap::kRows; ++r)
        for (size_t c = 0; c < CCorrMap::kCols; ++c)
            map.m_injMapTable[r][c] = image[r * CCorrMap::kCols + c] - kMapValueOffset;
    map.m_flags = image[kMapFlagsOffset];
}

std::vector<uint8_t> addressed(unsigned address, const unsigned char* data)
{
    std::vector<uint8_t> payload(kAddressSize + kMemoryChunkSize);
    putLittleEndian16(payload.data(), uint16_t(address));
    std::copy_n(data, kMemoryChunkSize, payload.begin() + kAddressSize);
    return payload;
}

// Whole chunks from `address` on: `step` moves one chunk at an offset.
template <class Step> bool stepChunks(unsigned address, unsigned length, Step step)
{
    for (unsigned offset = 0; offset < length; offset += kMemoryChunkSize)
        if (!step(address + offset, offset))
            return false;
    return true;
}

} // namespace

bool CLPGDevice::readMemoryChunk(unsigned address, unsigned char* data)
{
    std::vector<uint8_t> request = selectorRequest(kReadMemorySelector);
    putLittleEndian16(&request[2], uint16_t(address));
    const Judge judge = [address](const Reply& r) {
        const bool ok = r.cmd == kMemoryCmd && r.payload.size() >= kAddressSize + kMemoryChunkSize &&
                        littleEndian16(r.payload.data()) == uint16_t(address);
        return ok ? Verdict::Accept : Verdict::Retry;
    };
    Reply reply;
    if (!askUntil(*this, kRequestCmd, request, kMemoryReadTries, judge, reply))
        return false;
    std::copy_n(reply.payload.begin() + kAddressSize, kMemoryChunkSize, data);
    return true;
}

bool CLPGDevice::writeMemoryChunk(unsigned address, const unsigned char* data)
{
    return writeAcknowledged(*this, kMemoryCmd, addressed(address, data));
}

bool CLPGDevice::readMemory(unsigned char* data, unsigned address, unsigned length)
{
    return stepChunks(address, length,
                      [&](unsigned at, unsigned offset) { return readMemoryChunk(at, data + offset); });
}

// The source is read in whole chunks: callers hold `length` rounded up.
bool CLPGDevice::writeMemory(const unsigned char* data, unsigned address, unsigned length)
{
    return stepChunks(address, length,
                      [&](unsigned at, unsigned offset) { return writeMemoryChunk(at, data + offset); });
}

bool CLPGDevice::readCorrectionMap()
{
    uint8_t image[kMapChunkedSize] = {};
    if (!readMemory(image, kCorrectionMapAddress, kMapImageSize))
        return false;
    if (bigEndian16(image + kMapSumOffset) != mapSum(image))
        return false;
    storeMapImage(image, m_settings.m_corrMap);
    return true;
}

// Stored only when the controller's copy ends with the sum that was sent.
bool CLPGDevice::writeCorrectionMap()
{
    std::vector<uint8_t> image = mapImage(m_settings.m_corrMap);
    const uint16_t sum = bigEndian16(image.data() + kMapSumOffset);
    image.resize(kMapChunkedSize, 0);
    unsigned char check[kMemoryChunkSize];
    if (!writeMemory(image.data(), kCorrectionMapAddress, kMapImageSize) ||
        !readMemoryChunk(kMapSumChunkAddress, check) || bigEndian16(check + kSumInSumChunk) != sum)
        return false;
    m_settingsWritten = true;
    return true;
}
