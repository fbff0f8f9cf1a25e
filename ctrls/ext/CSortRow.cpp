#include "CSortRow.h"

#include <iterator>

int CSortRow::s_sortColumn = 0;
bool CSortRow::s_ascending = true;

CSortRow::CSortRow(const CSortRow& other)
    : m_textColorId(other.m_textColorId), m_bkColorId(other.m_bkColorId), m_state(other.m_state),
      m_sourceRow(other.m_sourceRow)
{
    for (const auto& value : other.m_values)
        m_values.push_back(value ? value->clone() : nullptr);
    for (const auto& child : other.m_children)
        m_children.push_back(std::make_unique<CSortRow>(*child));
}

CSortRow& CSortRow::operator=(const CSortRow& other)
{
    if (this != &other)
        *this = CSortRow(other);
    return *this;
}

CSortRow::~CSortRow() = default;

CSortTypeAny* CSortRow::getValue(size_t i) const
{
    return i < m_values.size() ? m_values[i].get() : nullptr;
}

CSortRow* CSortRow::getChild(size_t n) const
{
    if (n >= m_children.size())
        return nullptr;
    return std::next(m_children.begin(), long(n))->get();
}

void CSortRow::setSortKey(int column, bool ascending)
{
    s_sortColumn = column;
    s_ascending = ascending;
}

bool CSortRow::operator<(const CSortRow& other) const
{
    if (keptLast() || other.keptLast())
        return keptLast() != other.keptLast() && (s_ascending ? other.keptLast() : keptLast());
    CSortTypeAny* mine = s_sortColumn >= 0 ? getValue(size_t(s_sortColumn)) : nullptr;
    CSortTypeAny* theirs = s_sortColumn >= 0 ? other.getValue(size_t(s_sortColumn)) : nullptr;
    if (!mine || !theirs)
        return !mine && theirs;
    // Values of different types never compare less; order them by type so
    // that the whole remains an ordering.
    const std::wstring myType = mine->getType();
    const std::wstring theirType = theirs->getType();
    if (myType != theirType)
        return myType < theirType;
    return *mine < *theirs;
}
