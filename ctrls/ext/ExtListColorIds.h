#pragma once

#include "PrambleApi.h"

#include <Wfx.h>

#include <vector>

// The palette of an extended list and the background and text colour id of
// each row, kept index-aligned with the rows. Ids are unsigned bytes; the
// exported calls take and give them as char, so 255 reads as -1, the "none"
// answer. The palette holds at most 255 colours, so no valid id is 255.
class PRAMBLE_API ExtListColorIds
{
public:
    static constexpr unsigned char kDefaultBk = 1;
    static constexpr unsigned char kDefaultText = 0;

    // Ids for a row the control put at `row`. Rows it got without ids leave
    // the arrays short; they are padded so the ids land at the row's index.
    void inserted(int row, unsigned char bk, unsigned char text);
    void deleted(int row);
    void clear();

    // The previous id, or -1 (nothing changed) for a row without an id.
    char setBk(int row, char id) { return set(m_bk, row, id); }
    char setText(int row, char id) { return set(m_text, row, id); }
    // -1 for a row without an id.
    char bk(int row) const { return get(m_bk, row); }
    char text(int row) const { return get(m_text, row); }
    // Whether the row's id names a palette entry.
    bool hasBk(int row) const { return has(m_bk, row); }
    bool hasText(int row) const { return has(m_text, row); }

    // The new colour's id, or -1 when the palette is full.
    char addColor(COLORREF color);
    int colorCount() const { return int(m_palette.size()); }
    // 0 for an id beyond the palette.
    COLORREF paletteColor(char id) const;

private:
    static char set(std::vector<unsigned char>& ids, int row, char id);
    static char get(const std::vector<unsigned char>& ids, int row);
    bool has(const std::vector<unsigned char>& ids, int row) const;

    std::vector<unsigned char> m_bk;
    std::vector<unsigned char> m_text;
    std::vector<COLORREF> m_palette;
};
