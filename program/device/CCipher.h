#pragma once

#include <cstdint>
#include <string>

// The key text of the serial-number block of the controller's information.
extern const wchar_t kSerialNumberKey[];

// Deciphers one 16-byte block under a 32-byte key, both given as text whose
// characters' low bytes are the bytes.
class CCipher
{
public:
    CCipher() = default;
    virtual ~CCipher();

    // The deciphered block as 16 characters; empty when a step fails.
    std::wstring decipher(const std::wstring& key, const std::wstring& block);
    // Uses the first 32 characters, a shorter key padded with zeros.
    bool setKey(const std::wstring& key);
    // False unless the block has exactly 16 characters.
    bool setBlock(const std::wstring& block);
    bool decipherBlock();
    // One character per output byte, byte 0 first; zero bytes included.
    std::wstring getOutput() const;

private:
    static const int kRounds = 32;

    uint32_t m_key[8] = {};
    uint32_t m_roundKeys[kRounds + 1][4] = {};
    uint32_t m_input[4] = {};
    uint32_t m_output[4] = {};
    bool m_hasKey = false;
    bool m_hasBlock = false;
};
