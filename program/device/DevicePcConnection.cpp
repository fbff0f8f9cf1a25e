#include "CLPGDevice.h"

#include "PcConnectionLog.h"

#include <windows.h>

#include <cwchar>

namespace {

// This PC, now: the date as the controller counts days, local time, and the PC's code.
PcConnectionEntry entryForNow(bool modified)
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    wchar_t date[16];
    swprintf(date, 16, L"%02u/%02u/%04u", now.wDay, now.wMonth, now.wYear);
    PcConnectionEntry entry;
    entry.date = uint16_t(parseDate(date));
    entry.hour = uint8_t(now.wHour);
    entry.minute = uint8_t(now.wMinute);
    entry.second = uint8_t(now.wSecond);
    entry.kind = modified ? PcConnectionEntry::kModification : PcConnectionEntry::kConnection;
    unsigned long code = 0;
    entry.hasPcCode = getPcCode(code);
    entry.pcCode = uint32_t(code);
    return entry;
}

} // namespace

bool CLPGDevice::recordPcConnection(bool modified)
{
    // A log not read from this controller would overwrite its history and
    // credit end with zeros.
    if (!m_pcConnectionsRead)
        return false;
    CDevInfo& info = m_settings.m_devInfo;
    if (!addPcConnection(info.m_pcConnections, info.m_version, entryForNow(modified)))
        return true;
    return writeBlock19();
}
