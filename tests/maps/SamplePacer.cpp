#include "SamplePacer.h"

SamplePacer::SamplePacer(CLPGDevice& device) : m_device(device)
{
    if (m_device.m_diagData.count() > 0) {
        CDiag newest;
        m_device.m_diagData.getLast(newest);
        m_sequence = newest.getSequence();
    }
}

void SamplePacer::sleep(int ms)
{
    for (m_clock += ms; m_clock >= m_nextSample; m_nextSample += 100) {
        CDiag sample;
        if (m_device.readDiagSample(sample) != 0)
            continue;
        sample.setSequence(++m_sequence);
        m_device.m_diagData.push(sample);
    }
}
