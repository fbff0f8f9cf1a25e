#include "ExtListHeaderStates.h"

#include <algorithm>

namespace {

void erase(std::vector<int>& cols, int col)
{
    cols.erase(std::remove(cols.begin(), cols.end(), col), cols.end());
}

} // namespace

HeaderColState ExtListHeaderStates::get(int col) const
{
    const bool up = std::find(m_ascending.begin(), m_ascending.end(), col) != m_ascending.end();
    return up ? HeaderColAscending : HeaderColDescending;
}

bool ExtListHeaderStates::set(int col, HeaderColState state)
{
    if (state == get(col))
        return false;
    if (state == HeaderColDescending)
        erase(m_ascending, col);
    else
        m_ascending.insert(m_ascending.begin(), col);
    return true;
}

void ExtListHeaderStates::clicked(int col)
{
    erase(m_clicked, col);
    m_clicked.insert(m_clicked.begin(), col);
}

int ExtListHeaderStates::clickedCol(int n) const
{
    return n >= 0 && size_t(n) < m_clicked.size() ? m_clicked[size_t(n)] : -1;
}
