#pragma once

#include "CDiag.h"

#include <CSendrelMutex.h>

#include <vector>

// The store of recent live-data samples, oldest first. The reading thread
// appends; the pages read from the GUI thread. Every operation holds the
// store's own mutex for its whole work and none keeps it across calls, so
// the vector and the mutex are private bases.
class CDiagData : private std::vector<CDiag>, private CSendrelMutex
{
public:
    // Past this many samples a push first drops the oldest kTrimCount, so
    // the store never holds more than kMaxHeld + 1.
    static constexpr int kMaxHeld = 500;
    static constexpr int kTrimCount = 250;

    CDiagData();
    virtual ~CDiagData();

    int count() const;
    // Copies the newest sample into out; leaves out alone when empty.
    void getLast(CDiag& out) const;
    void clear();
    // Removes the n newest samples (all when n is at least the count).
    void dropNewest(int n);
    void push(const CDiag& sample);
    // Appends to out the samples first .. min(end, count) - 1, oldest first.
    void copyRange(std::vector<CDiag>& out, int first, int end) const;
    // Every sample pushed since the store was made. Neither clearing nor
    // trimming nor a new reading thread (which numbers its samples from 1
    // again) takes anything from it, so waits count samples with it.
    unsigned long long received() const;

private:
    CSendrelMutex* mutex() const;

    unsigned long long m_received = 0;
};
