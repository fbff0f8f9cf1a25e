#pragma once

#include <CLPGDevice.h>

// The reading thread's part played in fake time: every 100 ms of it one
// sample is read from the controller, numbered after the store's newest and
// stored. The calibration then runs in a fraction of its real time.
class SamplePacer
{
public:
    explicit SamplePacer(CLPGDevice& device);

    void sleep(int ms);
    unsigned long long now() const { return m_clock; }
    // As a reading thread started afresh: the next sample is number 1.
    void restartNumbering() { m_sequence = 0; }

private:
    CLPGDevice& m_device;
    unsigned long long m_clock = 0;
    unsigned long long m_nextSample = 100;
    unsigned m_sequence = 0;
};
