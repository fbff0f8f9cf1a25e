#include "SettingsBlocks.h"

#include "BlockWire.h"
#include "CSettingsRecord.h"
#include "DayCount.h"

#include <cwchar>

using namespace blockwire;

namespace {

bool isAsciiLetter(uint8_t c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

constexpr uint16_t kPeriodRpmOffset = 6; // rpm_for_corr in block 27

} // namespace

size_t block19Size(int version)
{
    return version >= 785 ? 84 : 44;
}

std::wstring dayCountToDateText(unsigned days)
{
    const CivilDate date = dateOfDayCount(long(days));
    wchar_t text[32];
    swprintf(text, 32, L"%02u/%02u/%04ld", date.day, date.month, date.year);
    return text;
}

bool plainDeviceName(const uint8_t* name, std::wstring& text)
{
    bool plain = isAsciiLetter(name[0]) && isAsciiLetter(name[1]) && isAsciiLetter(name[2]) &&
                 name[3] >= '0' && name[3] <= '9' && name[kDeviceNameSize - 1] == 0;
    if (!plain)
        return false;
    text.clear();
    for (size_t i = 0; i < kDeviceNameSize && name[i] != 0; ++i)
        text += wchar_t(name[i]);
    return true;
}

bool decodeBlock8(const uint8_t* payload, size_t size, CSettingsRecord& record)
{
    if (!holds(payload, size, kBlock8Size))
        return false;
    PayloadReader in(payload, size);
    CDevInfo& d = record.m_devInfo;
    d.m_flags1 = in.u32(0);
    d.m_flags2 = in.u32(4);
    d.m_prodDate = dayCountToDateText(in.u16(8));
    d.m_version = in.u16(10);
    d.m_injCount = in.u8(28);
    d.m_deviceID = in.u8(29);
    return true;
}

bool decodeBlock12(const uint8_t* payload, size_t size, CSettingsRecord& record)
{
    if (!holds(payload, size, kBlock12Size))
        return false;
    PayloadReader in(payload, size);
    CStatistic& s = record.m_devInfo.m_statistic;
    s.gas = in.u32(0);
    s.lpg = in.u32(4);
    s.modify = in.u16(8);
    return true;
}

std::vector<uint8_t> encodeBlock3(const CSettingsRecord& record)
{
    return encodeBytes(record.m_devInfo.m_lockData, kBlock3Size);
}

bool decodeBlock3(const uint8_t* payload, size_t size, CSettingsRecord& record)
{
    return decodeBytes(payload, size, kBlock3Size, record.m_devInfo.m_lockData);
}

std::vector<uint8_t> encodeBlock19(const CSettingsRecord& record)
{
    return encodeBytes(record.m_devInfo.m_pcConnections, block19Size(record.m_devInfo.m_version));
}

// A log of the wrong length for the firmware is refused; a short log leaves
// the history slots it lacks empty.
bool decodeBlock19(const uint8_t* payload, size_t size, CSettingsRecord& record)
{
    if (size != block19Size(record.m_devInfo.m_version))
        return false;
    return decodeBytes(payload, size, size, record.m_devInfo.m_pcConnections);
}

std::vector<uint8_t> encodeBlock18(const COBDSetup& setup)
{
    PayloadWriter out(kBlock18Size);
    out.u32(0, setup.ecu_id_req);
    out.u32(4, setup.ecu_id_resp);
    out.u8(8, setup.enable);
    out.u8(9, setup.baud_rate);
    out.u8(10, setup.timeout);
    out.u8(11, setup.proto);
    return out.take();
}

bool decodeBlock18(const uint8_t* payload, size_t size, COBDSetup& setup)
{
    if (!holds(payload, size, kBlock18Size))
        return false;
    PayloadReader in(payload, size);
    setup.ecu_id_req = in.u32(0);
    setup.ecu_id_resp = in.u32(4);
    setup.enable = in.u8(8);
    setup.baud_rate = in.u8(9);
    setup.timeout = in.u8(10);
    setup.proto = in.u8(11);
    return true;
}

std::vector<uint8_t> encodeBlock27(const COBDAdvSetup& setup)
{
    PayloadWriter out(kBlock27Size);
    out.u8(0, setup.obd_corr_enable_flag);
    out.u8(1, setup.obd_corr_average);
    out.u8(2, setup.obd_corr_max);
    out.u8(3, setup.obd_corr_for_cyl);
    out.copy(4, setup.obd_neutral_points);
    out.u16(kPeriodRpmOffset, rpmToPeriod(setup.rpm_for_corr));
    for (size_t i = 0; i < setup.err_to_clear.size(); ++i)
        out.u16(8 + 2 * i, setup.err_to_clear[i]);
    out.u8(16, setup.reserved);
    out.u8(17, setup.obd_adv_flag);
    return out.take();
}

bool decodeBlock27(const uint8_t* payload, size_t size, COBDAdvSetup& setup)
{
    if (!holds(payload, size, kBlock27Size))
        return false;
    PayloadReader in(payload, size);
    setup.obd_corr_enable_flag = in.u8(0);
    setup.obd_corr_average = in.u8(1);
    setup.obd_corr_max = in.u8(2);
    setup.obd_corr_for_cyl = in.u8(3);
    in.copy(4, setup.obd_neutral_points);
    setup.rpm_for_corr = clampTo<uint16_t>(periodToRpm(in.u16(kPeriodRpmOffset), 20));
    for (size_t i = 0; i < setup.err_to_clear.size(); ++i)
        setup.err_to_clear[i] = in.u16(8 + 2 * i);
    setup.reserved = in.u8(16);
    setup.obd_adv_flag = in.u8(17);
    return true;
}
