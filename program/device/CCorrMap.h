#pragma once

#include <array>
#include <cstdint>

// The RPM correction map (rows: petrol time or load, columns: RPM) with its axes.
struct CCorrMap
{
private:
    template <int N> static std::array<double, N> evenAxis(double first, double step)
    {
        std::array<double, N> axis{};
        for (int i = 0; i < N; ++i)
            axis[i] = first + step * i;
        return axis;
    }

public:
    static constexpr int kRows = 19;
    static constexpr int kCols = 15;

    std::array<std::array<double, kCols>, kRows> m_injMapTable{};
    uint8_t m_flags = 0;
    std::array<double, kRows> m_rowAxis = evenAxis<kRows>(2.0, 1.0);
    std::array<double, kCols> m_colAxis = evenAxis<kCols>(500.0, 500.0);

    void copy(const CCorrMap& other) { *this = other; }
};
