#include "CCipher.h"
#include "Encipher.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {
using kwtest::Encipher;

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
