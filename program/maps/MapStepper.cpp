#include "MapStepper.h"

#include <algorithm>

namespace {

// The run of selected cells from (c, r) to the right and downwards.
void runs(const MapSelection& s, int c, int r, int& width, int& height)
{
    width = 0;
    while (c + width < MapSelection::kColumns && s.isSel(c + width, r))
        ++width;
    height = 0;
    while (r + height < MapSelection::kRows && s.isSel(c, r + height))
        ++height;
}

// Grows [start, start + count) by w on both sides, inside [0, limit).
void widen(int& start, int& count, int w, int limit)
{
    start -= w;
    count += 2 * w;
    if (start < 0) {
        count += start;
        start = 0;
    }
    count = std::min(count, limit - start);
}

} // namespace

int MapStepper::stepped(int value, int step)
{
    return std::clamp(value + step, -kLimit, kLimit);
}

int MapStepper::ringWidth() const
{
    if (!m_neighbours || m_repeatCount < 1)
        return 0;
    if (m_repeatCount % 2 == 0)
        return 1;
    return m_repeatCount % 3 == 0 ? 2 : 0;
}

bool MapStepper::press(const MapSelection& selection, int step, MapStep& out)
{
    int c0, r0, c1, r1;
    if (!selection.first(c0, r0) || !selection.last(c1, r1))
        return false;
    ++m_repeatCount;
    if ((step > 0 && !m_lastPositive) || (step < 0 && m_lastPositive))
        m_repeatCount = 1;
    m_lastPositive = step > 0;

    const int w = ringWidth();
    out = MapStep();
    out.step = step;
    if (w == 0) {
        out.region = selection;
    } else {
        for (int c = std::max(c0 - w, 0); c <= std::min(c1 + w, MapSelection::kColumns - 1); ++c)
            for (int r = std::max(r0 - w, 0); r <= std::min(r1 + w, MapSelection::kRows - 1); ++r)
                out.region.setSel(c, r, true);
    }

    int width, height;
    runs(selection, c0, r0, width, height);
    int rowStart = r0, columnStart = c0;
    widen(rowStart, height, w, MapSelection::kRows);
    widen(columnStart, width, w, MapSelection::kColumns);
    out.record = {uint8_t(rowStart), uint8_t(columnStart),       uint8_t(height),
                  uint8_t(width),    uint8_t(step >= 1 ? 2 : 3), uint8_t(step < 0 ? -step : step)};
    return true;
}
