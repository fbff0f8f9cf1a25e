#pragma once

#include <cstdint>
#include <random>
#include <string>

namespace kwtest {

// Damages bytes the way disks, editors, transfers and noisy lines do: a few
// edits of one seeded stream, so a failing round can be found again.
class Mutator
{
public:
    explicit Mutator(uint32_t seed) : m_random(seed) {}

    std::string mutate(std::string bytes)
    {
        const unsigned count = 1 + next() % 5;
        for (unsigned i = 0; i < count && !bytes.empty(); ++i)
            mutateOnce(bytes);
        return bytes;
    }

    uint32_t next() { return m_random(); }

private:
    size_t at(const std::string& bytes) { return next() % (bytes.size() + 1); }

    // Separators, line ends, number characters and bytes no text holds.
    char nasty()
    {
        static const char kBytes[] = {'\0', '\t', '\r', '\n', ' ', '\x1A', '\xFF', '\xAA', '-',
                                      '+',  '.',  'e',  'E',  '9', 'n',    'x',    '\\',   '\xD8'};
        return next() % 2 ? kBytes[next() % sizeof kBytes] : char(next());
    }

    void mutateOnce(std::string& bytes)
    {
        const size_t from = at(bytes);
        const size_t length = next() % 64;
        switch (next() % 6) {
        case 0:
            if (from < bytes.size())
                bytes[from] = nasty();
            break;
        case 1:
            bytes.erase(from, length);
            break;
        case 2:
            bytes.insert(from, 1 + length % 4, nasty());
            break;
        case 3:
            bytes.insert(at(bytes), bytes.substr(from, length * 4));
            break;
        case 4:
            bytes.resize(from);
            break;
        default:
            if (from < bytes.size())
                bytes[from] = char(bytes[from] ^ (1 << (next() % 8)));
            break;
        }
    }

    std::mt19937 m_random;
};

} // namespace kwtest
