#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A firmware file (*.afm) checked and turned into the image the bootloader
// programs. Every byte of the file is stored rotated left by 2 bits.
class CFirmwareFile
{
public:
    static constexpr uint32_t kMaxBody = 512 * 1024;
    static constexpr uint32_t kPageSize = 256;

    CFirmwareFile() = default;
    virtual ~CFirmwareFile();

    // On success the image is replaced and the outputs written; on failure
    // only the valid flag is cleared. Never throws.
    bool load(const std::wstring& path, uint16_t& version, std::wstring& identification, uint16_t& formatTag);

    const uint8_t* getImage() const { return m_image.data(); }
    uint32_t getImageLength() const { return m_imageLength; }
    uint32_t getPageCount() const { return m_pageCount; }
    bool isValid() const { return m_valid; }

private:
    std::vector<uint8_t> m_image;
    uint32_t m_imageLength = 0;
    uint32_t m_pageCount = 0;
    bool m_valid = false;
};
