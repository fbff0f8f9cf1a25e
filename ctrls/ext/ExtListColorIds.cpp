#include "ExtListColorIds.h"

#include "CExtListCtrl.h"

#include <utility>

void ExtListColorIds::inserted(int row, unsigned char bk, unsigned char text)
{
    if (row < 0)
        return;
    const auto insert = [row](std::vector<unsigned char>& ids, unsigned char fill, unsigned char id) {
        if (size_t(row) > ids.size())
            ids.resize(size_t(row), fill);
        ids.insert(ids.begin() + row, id);
    };
    insert(m_bk, kDefaultBk, bk);
    insert(m_text, kDefaultText, text);
}

void ExtListColorIds::deleted(int row)
{
    for (auto* ids : {&m_bk, &m_text})
        if (row >= 0 && size_t(row) < ids->size())
            ids->erase(ids->begin() + row);
}

void ExtListColorIds::clear()
{
    m_bk.clear();
    m_text.clear();
}

char ExtListColorIds::set(std::vector<unsigned char>& ids, int row, char id)
{
    if (row < 0 || size_t(row) >= ids.size())
        return kExtListNoColor;
    return char(std::exchange(ids[size_t(row)], static_cast<unsigned char>(id)));
}

char ExtListColorIds::get(const std::vector<unsigned char>& ids, int row)
{
    return row < 0 || size_t(row) >= ids.size() ? kExtListNoColor : char(ids[size_t(row)]);
}

bool ExtListColorIds::has(const std::vector<unsigned char>& ids, int row) const
{
    return row >= 0 && size_t(row) < ids.size() && ids[size_t(row)] < m_palette.size();
}

char ExtListColorIds::addColor(COLORREF color)
{
    if (m_palette.size() >= size_t(kExtListMaxColors))
        return kExtListNoColor;
    m_palette.push_back(color);
    return char(m_palette.size() - 1);
}

COLORREF ExtListColorIds::paletteColor(char id) const
{
    const auto index = static_cast<unsigned char>(id);
    return index < m_palette.size() ? m_palette[index] : 0;
}
