#include "CDiagData.h"

#include "CMutexGuard.h"

#include <algorithm>

CDiagData::CDiagData() = default;

CDiagData::~CDiagData() = default;

// Reading does not change the store, but it still takes the lock.
CSendrelMutex* CDiagData::mutex() const
{
    return const_cast<CDiagData*>(this);
}

int CDiagData::count() const
{
    CMutexGuard guard(mutex());
    return static_cast<int>(size());
}

void CDiagData::getLast(CDiag& out) const
{
    CMutexGuard guard(mutex());
    if (!empty())
        out = back();
}

void CDiagData::clear()
{
    CMutexGuard guard(mutex());
    std::vector<CDiag>::clear();
}

void CDiagData::dropNewest(int n)
{
    CMutexGuard guard(mutex());
    if (n <= 0)
        return;
    size_t dropped = std::min(size(), static_cast<size_t>(n));
    erase(end() - static_cast<std::ptrdiff_t>(dropped), end());
}

void CDiagData::push(const CDiag& sample)
{
    CMutexGuard guard(mutex());
    if (size() > static_cast<size_t>(kMaxHeld))
        erase(begin(), begin() + kTrimCount);
    push_back(sample);
    ++m_received;
}

void CDiagData::copyRange(std::vector<CDiag>& out, int first, int end) const
{
    CMutexGuard guard(mutex());
    int last = std::min(end, static_cast<int>(size()));
    for (int i = std::max(first, 0); i < last; ++i)
        out.push_back((*this)[static_cast<size_t>(i)]);
}

unsigned long long CDiagData::received() const
{
    CMutexGuard guard(mutex());
    return m_received;
}
