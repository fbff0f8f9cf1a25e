#include "CSettingsRecord.h"

void CSettingsRecord::copyCorrections(const CSettingsRecord& from)
{
    m_mainCorr = from.m_mainCorr;
}

void CSettingsRecord::fillCorrections(double value)
{
    m_mainCorr.m_mainCorr.fill(value);
}

void CSettingsRecord::copySetupTimes(const CSettingsRecord& from)
{
    m_setupTimes1 = from.m_setupTimes1;
    m_setupTimes2 = from.m_setupTimes2;
    m_tableMask = from.m_tableMask;
}

void copySetupTimes(const CSettingsRecord& from, CSettingsRecord& to)
{
    to.copySetupTimes(from);
}
