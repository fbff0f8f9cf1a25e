#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class CSettingsRecord;
struct COBDSetup;
struct COBDAdvSetup;

// Payloads of the controller's settings blocks, converted between their wire
// bytes and the settings record. Each encodeBlockN builds the whole payload
// that the write of block N sends; each decodeBlockN takes a reply payload of
// block N and stores it, or returns false for a payload too short (block 19:
// of the wrong length) and then changes nothing. Temperatures use the sensor
// columns and pressures the sensor flags of the record passed in.

constexpr size_t kBlock3Size = 60;  // lock data, copied
constexpr size_t kBlock4Size = 22;  // additional settings
constexpr size_t kBlock7Size = 40;  // first set-up time table
constexpr size_t kBlock8Size = 32;  // device information, read only
constexpr size_t kBlock9Size = 40;  // second set-up time table and m_tableMask
constexpr size_t kBlock12Size = 12; // statistics, read only
constexpr size_t kBlock15Size = 16; // main corrections
constexpr size_t kBlock18Size = 12; // OBD link set-up
constexpr size_t kBlock26Size = 30; // advanced settings
constexpr size_t kBlock27Size = 18; // OBD correction set-up
constexpr size_t kBlock30Size = 30; // sensors set-up
constexpr size_t kBlock31Size = 28; // base settings
constexpr size_t kBlock32Size = 26; // kept as read
constexpr size_t kBlock33Size = 8;  // auto-mapping
constexpr size_t kBlock34ReadSize = 34;
constexpr size_t kBlock34Size = 38; // correction map axes
constexpr size_t kBlock35Size = 40; // tip-in, advance order, circuit limits
// The PC-connection log grew with firmware 785.
size_t block19Size(int version);

std::vector<uint8_t> encodeBlock31(const CSettingsRecord& record);
bool decodeBlock31(const uint8_t* payload, size_t size, CSettingsRecord& record);
std::vector<uint8_t> encodeBlock4(const CSettingsRecord& record);
bool decodeBlock4(const uint8_t* payload, size_t size, CSettingsRecord& record);
std::vector<uint8_t> encodeBlock26(const CSettingsRecord& record);
bool decodeBlock26(const uint8_t* payload, size_t size, CSettingsRecord& record);
std::vector<uint8_t> encodeBlock35(const CSettingsRecord& record);
bool decodeBlock35(const uint8_t* payload, size_t size, CSettingsRecord& record);
std::vector<uint8_t> encodeBlock15(const CSettingsRecord& record);
bool decodeBlock15(const uint8_t* payload, size_t size, CSettingsRecord& record);

std::vector<uint8_t> encodeBlock30(const CSettingsRecord& record);
bool decodeBlock30(const uint8_t* payload, size_t size, CSettingsRecord& record);
std::vector<uint8_t> encodeBlock7(const CSettingsRecord& record);
bool decodeBlock7(const uint8_t* payload, size_t size, CSettingsRecord& record);
std::vector<uint8_t> encodeBlock9(const CSettingsRecord& record);
bool decodeBlock9(const uint8_t* payload, size_t size, CSettingsRecord& record);
std::vector<uint8_t> encodeBlock32(const CSettingsRecord& record);
bool decodeBlock32(const uint8_t* payload, size_t size, CSettingsRecord& record);
std::vector<uint8_t> encodeBlock33(const CSettingsRecord& record);
bool decodeBlock33(const uint8_t* payload, size_t size, CSettingsRecord& record);
std::vector<uint8_t> encodeBlock34(const CSettingsRecord& record);
bool decodeBlock34(const uint8_t* payload, size_t size, CSettingsRecord& record);

// Block 8 fills m_devInfo but m_serial: the device name at kDeviceNameOffset
// is plain text or enciphered (see plainDeviceName).
constexpr size_t kDeviceNameOffset = 12;
constexpr size_t kDeviceNameSize = 16;
bool decodeBlock8(const uint8_t* payload, size_t size, CSettingsRecord& record);
// True, with the text, when the 16 name bytes are plain: three ASCII letters,
// an ASCII digit, and a zero last byte.
bool plainDeviceName(const uint8_t* name, std::wstring& text);
// The date `days` days after 1 April 2004 as "%d/%m/%Y".
std::wstring dayCountToDateText(unsigned days);

bool decodeBlock12(const uint8_t* payload, size_t size, CSettingsRecord& record);
std::vector<uint8_t> encodeBlock3(const CSettingsRecord& record);
bool decodeBlock3(const uint8_t* payload, size_t size, CSettingsRecord& record);
// 84 or 44 bytes by m_devInfo.m_version.
std::vector<uint8_t> encodeBlock19(const CSettingsRecord& record);
bool decodeBlock19(const uint8_t* payload, size_t size, CSettingsRecord& record);

std::vector<uint8_t> encodeBlock18(const COBDSetup& setup);
bool decodeBlock18(const uint8_t* payload, size_t size, COBDSetup& setup);
std::vector<uint8_t> encodeBlock27(const COBDAdvSetup& setup);
bool decodeBlock27(const uint8_t* payload, size_t size, COBDAdvSetup& setup);
