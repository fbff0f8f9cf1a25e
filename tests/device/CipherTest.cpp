#include "CCipher.h"
#include "cipherTables.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {
using cipher::rotateLeft;

// The enciphering direction, which the program never needs: the tests use
// it to show that deciphering undoes it. Its key schedule is written anew
// here, so a slip in the program's one shows up as a failed round trip.
class Encipher
{
public:
    explicit Encipher(const std::wstring& keyText)
    {
        std::vector<uint32_t> w(8, 0);
        for (size_t i = 0; i < 32 && i < keyText.size(); ++i)
            w[i / 4] |= static_cast<uint32_t>(keyText[i] & 0xFF) << (8 * (i % 4));
        for (uint32_t i = 8; i < 140; ++i)
            w.push_back(w[i - 8] ^ w[i - 5] ^ w[i - 3] ^ w[i - 1] ^ 0x9E3779B9u ^ (i - 8));
        for (uint32_t i = 8; i < 140; ++i)
            m_schedule.push_back(cipher::substitute(cipher::kSBox[(35 - i) % 8], w[i]));
    }

    std::wstring operator()(const std::wstring& plain) const
    {
        uint32_t x[4] = {};
        for (int i = 0; i < 16; ++i)
            x[i / 4] |= static_cast<uint32_t>(plain[i] & 0xFF) << (8 * (i % 4));
        for (int r = 0; r < 31; ++r) {
            addKey(x, r);
            substituteAll(x, r % 8);
            linearTransform(x);
        }
        addKey(x, 31);
        substituteAll(x, 7);
        addKey(x, 32);
        std::wstring out(16, L'\0');
        for (int i = 0; i < 16; ++i)
            out[i] = static_cast<wchar_t>(x[i / 4] >> (8 * (i % 4)) & 0xFF);
        return out;
    }

private:
    void addKey(uint32_t (&x)[4], int round) const
    {
        for (int i = 0; i < 4; ++i)
            x[i] ^= m_schedule[4 * round + i];
    }

    static void substituteAll(uint32_t (&x)[4], int box)
    {
        for (uint32_t& word : x)
            word = cipher::substitute(cipher::kSBox[box], word);
    }

    static void linearTransform(uint32_t (&x)[4])
    {
        x[0] = rotateLeft(x[0], 13);
        x[2] = rotateLeft(x[2], 3);
        x[1] ^= x[0] ^ x[2];
        x[3] ^= x[2] ^ (x[0] << 3);
        x[1] = rotateLeft(x[1], 1);
        x[3] = rotateLeft(x[3], 7);
        x[0] ^= x[1] ^ x[3];
        x[2] ^= x[3] ^ (x[1] << 7);
        x[0] = rotateLeft(x[0], 5);
        x[2] = rotateLeft(x[2], 22);
    }

    std::vector<uint32_t> m_schedule;
};

std::wstring randomText(std::mt19937& random, size_t n)
{
    std::wstring text(n, L'\0');
    for (wchar_t& c : text)
        c = static_cast<wchar_t>(random() & 0xFF);
    return text;
}
} // namespace

TEST(Cipher, DeciphersWhatWasEnciphered)
{
    std::mt19937 random(7);
    for (int i = 0; i < 50; ++i) {
        const std::wstring key = randomText(random, 32), plain = randomText(random, 16);
        CCipher cipher;
        EXPECT_EQ(plain, cipher.decipher(key, Encipher(key)(plain))) << i;
    }
    std::wstring serial = L"KWX0001234567AB";
    serial += L'\0';
    CCipher cipher;
    const std::wstring shown = cipher.decipher(kSerialNumberKey, Encipher(kSerialNumberKey)(serial));
    EXPECT_EQ(L"KWX0001234567AB", std::wstring(shown.c_str()));
}

TEST(Cipher, IsDeterministicAndKeepsNoState)
{
    const std::wstring block = L"0123456789abcdef", other = L"fedcba9876543210";
    CCipher first, reused;
    const std::wstring once = first.decipher(kSerialNumberKey, block);
    reused.decipher(L"another key", other);
    EXPECT_EQ(once, reused.decipher(kSerialNumberKey, block));
    EXPECT_EQ(once, CCipher().decipher(kSerialNumberKey, block));
    EXPECT_EQ(16u, once.size());
    EXPECT_NE(block, once);
}

TEST(Cipher, KeyAndBlockTexts)
{
    const std::wstring block = L"0123456789abcdef";
    CCipher cipher;
    EXPECT_EQ(L"", cipher.decipher(kSerialNumberKey, L"0123456789abcde"));
    EXPECT_EQ(L"", cipher.decipher(kSerialNumberKey, L"0123456789abcdefg"));
    EXPECT_FALSE(CCipher().decipherBlock());

    // Short keys are padded with zeros; characters after the 32nd do not count;
    // only the low byte of a character does.
    EXPECT_EQ(cipher.decipher(std::wstring(L"short") + std::wstring(27, L'\0'), block),
              cipher.decipher(L"short", block));
    const std::wstring key32 = std::wstring(kSerialNumberKey).substr(0, 32);
    EXPECT_EQ(cipher.decipher(key32, block), cipher.decipher(kSerialNumberKey, block));
    EXPECT_EQ(cipher.decipher(L"A", block), cipher.decipher(L"\x141", block));
}
