#pragma once

#include "cipherTables.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kwtest {

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
        x[0] = cipher::rotateLeft(x[0], 13);
        x[2] = cipher::rotateLeft(x[2], 3);
        x[1] ^= x[0] ^ x[2];
        x[3] ^= x[2] ^ (x[0] << 3);
        x[1] = cipher::rotateLeft(x[1], 1);
        x[3] = cipher::rotateLeft(x[3], 7);
        x[0] ^= x[1] ^ x[3];
        x[2] ^= x[3] ^ (x[1] << 7);
        x[0] = cipher::rotateLeft(x[0], 5);
        x[2] = cipher::rotateLeft(x[2], 22);
    }

    std::vector<uint32_t> m_schedule;
};

} // namespace kwtest
