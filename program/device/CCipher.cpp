#include "CCipher.h"

#include "cipherTables.h"

using namespace cipher;

const wchar_t kSerialNumberKey[] = L"7A3E91B2-C4D5-4e6f-8315-2C3D4E5F6A7B";

namespace {
const uint32_t kGoldenRatio = 0x9E3779B9;
const int kKeyWords = 8;
const int kScheduleWords = 140;

// Little-endian words from the low bytes of `count` * 4 characters.
void wordsOf(const std::wstring& text, uint32_t* words, int count)
{
    for (int i = 0; i < count; ++i)
        words[i] = 0;
    for (int i = 0; i < count * 4; ++i) {
        const uint32_t byte = static_cast<size_t>(i) < text.size() ? text[i] & 0xFF : 0;
        words[i / 4] |= byte << (8 * (i % 4));
    }
}

void inverseLinearTransform(uint32_t (&x)[4])
{
    x[2] = rotateRight(x[2], 22) ^ x[3] ^ (x[1] << 7);
    x[0] = rotateRight(x[0], 5) ^ x[1] ^ x[3];
    x[3] = rotateRight(x[3], 7) ^ x[2] ^ (x[0] << 3);
    x[1] = rotateRight(x[1], 1) ^ x[0] ^ x[2];
    x[2] = rotateRight(x[2], 3);
    x[0] = rotateRight(x[0], 13);
}

void mixKey(uint32_t (&x)[4], const uint32_t (&key)[4])
{
    for (int i = 0; i < 4; ++i)
        x[i] ^= key[i];
}

void unsubstitute(uint32_t (&x)[4], int box)
{
    for (uint32_t& word : x)
        word = substitute(kInverseSBox.box[box], word);
}
} // namespace

CCipher::~CCipher() = default;

std::wstring CCipher::decipher(const std::wstring& key, const std::wstring& block)
{
    if (!setKey(key) || !setBlock(block) || !decipherBlock())
        return std::wstring();
    return getOutput();
}

bool CCipher::setKey(const std::wstring& key)
{
    uint32_t w[kScheduleWords] = {};
    wordsOf(key, m_key, kKeyWords);
    for (int i = 0; i < kKeyWords; ++i)
        w[i] = m_key[i];
    for (int i = kKeyWords; i < kScheduleWords; ++i)
        w[i] =
            w[i - 8] ^ w[i - 5] ^ w[i - 3] ^ w[i - 1] ^ kGoldenRatio ^ static_cast<uint32_t>(i - kKeyWords);
    // The boxes go 3, 2, 1, 0, 7, 6, ... from the first schedule word on.
    for (int i = kKeyWords; i < kScheduleWords; ++i)
        w[i] = substitute(kSBox[(3 - (i - kKeyWords) % 8 + 8) % 8], w[i]);
    for (int j = 0; j <= kRounds; ++j)
        for (int i = 0; i < 4; ++i)
            m_roundKeys[j][i] = w[kKeyWords + 4 * j + i];
    m_hasKey = true;
    return true;
}

bool CCipher::setBlock(const std::wstring& block)
{
    if (block.size() != 16)
        return false;
    wordsOf(block, m_input, 4);
    m_hasBlock = true;
    return true;
}

bool CCipher::decipherBlock()
{
    if (!m_hasKey || !m_hasBlock)
        return false;
    uint32_t x[4] = {m_input[0], m_input[1], m_input[2], m_input[3]};
    mixKey(x, m_roundKeys[kRounds]);
    unsubstitute(x, 7);
    mixKey(x, m_roundKeys[kRounds - 1]);
    for (int r = kRounds - 2; r >= 0; --r) {
        inverseLinearTransform(x);
        unsubstitute(x, r % 8);
        mixKey(x, m_roundKeys[r]);
    }
    for (int i = 0; i < 4; ++i)
        m_output[i] = x[i];
    return true;
}

std::wstring CCipher::getOutput() const
{
    std::wstring text(16, L'\0');
    for (int i = 0; i < 16; ++i)
        text[i] = static_cast<wchar_t>(m_output[i / 4] >> (8 * (i % 4)) & 0xFF);
    return text;
}
