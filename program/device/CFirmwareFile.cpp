#include "CFirmwareFile.h"

#include "ByteOrder.h"
#include "cpString.h"
#include "frame.h"

#include <windows.h>

#include <new>

namespace {

constexpr DWORD kHeaderSize = 40;
constexpr size_t kTextOffset = 19;
constexpr size_t kTextSize = 19;
constexpr size_t kChecksumOffset = 38;
// Body bytes 8320 to 8379 are not programmed.
constexpr uint32_t kSkipFrom = 8320;
constexpr uint32_t kSkipTo = 8380;
constexpr uint32_t kMinBody = kSkipTo + 1;
constexpr unsigned kIdentificationCodePage = 1250;

uint8_t rotateRight2(uint8_t b)
{
    return uint8_t(b >> 2 | b << 6);
}

class ReadOnlyFile
{
public:
    explicit ReadOnlyFile(const std::wstring& path)
        : m_handle(CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                               nullptr))
    {
    }
    ~ReadOnlyFile() { close(); }
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

    bool isOpen() const { return m_handle != INVALID_HANDLE_VALUE; }
    void close()
    {
        if (isOpen())
            CloseHandle(m_handle);
        m_handle = INVALID_HANDLE_VALUE;
    }

    // Reads up to `count` bytes, each rotated back; false when a read fails.
    bool readRotated(uint8_t* into, DWORD count, DWORD& got)
    {
        got = 0;
        while (got < count) {
            DWORD part = 0;
            if (!ReadFile(m_handle, into + got, count - got, &part, nullptr))
                return false;
            if (part == 0)
                break;
            got += part;
        }
        for (DWORD i = 0; i < got; ++i)
            into[i] = rotateRight2(into[i]);
        return true;
    }

private:
    HANDLE m_handle;
};

// Header and body of a file as rotated back.
struct RawFirmware
{
    uint8_t header[kHeaderSize] = {};
    std::vector<uint8_t> body;
    uint32_t bodyLength = 0;
};

bool readRaw(const std::wstring& path, RawFirmware& raw)
{
    ReadOnlyFile file(path);
    DWORD got = 0;
    if (!file.isOpen() || !file.readRotated(raw.header, kHeaderSize, got) || got != kHeaderSize)
        return false;
    raw.bodyLength = littleEndian32(raw.header);
    raw.body.assign(CFirmwareFile::kMaxBody, 0);
    DWORD wanted = std::min(raw.bodyLength, CFirmwareFile::kMaxBody);
    if (!file.readRotated(raw.body.data(), wanted, got))
        return false;
    return got >= raw.bodyLength && got >= kMinBody;
}

// The header's checksum counts itself as zero and only the first L mod 65536 body bytes.
bool checksumMatches(RawFirmware& raw)
{
    uint16_t stored = littleEndian16(raw.header + kChecksumOffset);
    raw.header[kChecksumOffset] = 0;
    raw.header[kChecksumOffset + 1] = 0;
    uint32_t sum = frameSum(raw.body.data(), raw.bodyLength % 65536) + frameSum(raw.header, kHeaderSize);
    return uint16_t(sum) == stored;
}

std::wstring identificationOf(const uint8_t* header)
{
    const char* text = reinterpret_cast<const char*>(header + kTextOffset);
    size_t length = 0;
    while (length < kTextSize && text[length] != 0)
        ++length;
    return cpString2unicode({std::string(text, length), kIdentificationCodePage});
}

} // namespace

CFirmwareFile::~CFirmwareFile() = default;

bool CFirmwareFile::load(const std::wstring& path, uint16_t& version, std::wstring& identification,
                         uint16_t& formatTag)
{
    m_valid = false;
    try {
        RawFirmware raw;
        if (!readRaw(path, raw) || !checksumMatches(raw))
            return false;
        std::vector<uint8_t> image(kMaxBody, 0);
        std::copy(raw.body.begin(), raw.body.begin() + kSkipFrom, image.begin());
        std::copy(raw.body.begin() + kSkipTo, raw.body.begin() + raw.bodyLength, image.begin() + kSkipFrom);
        std::wstring text = identificationOf(raw.header);
        m_image.swap(image);
        m_imageLength = raw.bodyLength - (kSkipTo - kSkipFrom);
        m_pageCount = (m_imageLength + kPageSize - 1) / kPageSize;
        version = littleEndian16(raw.header + 4);
        identification = std::move(text);
        formatTag = littleEndian16(raw.header + 6);
        m_valid = true;
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}
