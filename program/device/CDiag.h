#pragma once

#include <cstddef>
#include <cstdint>

// One live-data sample: the controller's live-data reply as the transaction
// delivers it (payload, then its two sum bytes; little-endian), followed by
// the sequence number the reading thread gives it when storing it.
class CDiag
{
public:
    static constexpr size_t kSize = 88;
    // Bytes 0..81 take the reply; what it does not reach stays zero.
    static constexpr size_t kReplySize = 82;
    static constexpr unsigned kTimeEntries = 16;

    // Bytes that pages read as they are.
    static constexpr size_t kSwitchStateByte = 1;
    static constexpr size_t kEmulatorByte = 11;   // cylinders whose petrol emulation is switched
    static constexpr size_t kGasOutputsByte = 12; // gas outputs switched on
    static constexpr size_t kInjectorActivityByte = 13;
    static constexpr size_t kFuelLevelByte = 14;     // 0.02 V steps
    static constexpr size_t kObdCorrectionByte = 15; // percent + 100

    static constexpr unsigned char kModePetrol = 2;
    static constexpr unsigned char kModeGas = 3;

    CDiag() : m_bytes{} {}

    void clear();
    unsigned char* data() { return m_bytes; }
    const unsigned char* data() const { return m_bytes; }
    // 0 past the end of the sample.
    unsigned char getByte(size_t offset) const;

    unsigned char getMode() const { return m_bytes[0]; }
    void setMode(unsigned char mode) { m_bytes[0] = mode; }

    // Degrees Celsius: the reducer (engine coolant) and the gas temperature.
    double getTemperature1() const;
    double getTemperature2() const;
    // Volts: supply voltage, lambda 1, lambda 2.
    double getVoltage5() const;
    double getVoltage6() const;
    double getVoltage7() const;
    // kPa: gas pressure and manifold pressure.
    double getPressure() const;
    double getManifoldPressure() const;

    uint16_t getRpmPeriod() const { return word(16); }
    double getRpm() const;

    // Entry n (0..15) of the time table; entries 2k and 2k+1 belong to
    // cylinder k. An entry outside the table reads as 0.
    uint16_t getTimeWord(unsigned n) const;
    uint16_t getOffsetWord(unsigned n) const;
    // Petrol injection time, ms.
    double getInjectionTime(unsigned n) const;
    // Gas injection time, ms: the petrol time corrected by the entry's offset.
    double getCorrectedInjectionTime(unsigned n) const;

    uint32_t getSequence() const;
    void setSequence(uint32_t sequence);

private:
    uint16_t word(size_t offset) const;

    unsigned char m_bytes[kSize];
};

static_assert(sizeof(CDiag) == CDiag::kSize, "a sample is stored and copied as its 88 bytes");

// Row (0..38) of the correction map for a petrol time in ms: 0.5 ms rows
// above a 1 ms offset.
int petrolTimeToMapRow(double ms);
