#pragma once

#include <array>
#include <cstdint>

// One entry of the controller's log of PC connections (block 19).
struct PcConnectionEntry
{
    static constexpr uint8_t kConnection = 1;
    static constexpr uint8_t kModification = 2;

    uint16_t date = 0; // days from 1 April 2004; 0 marks an empty entry
    uint8_t hour = 0;
    uint8_t minute = 0;
    uint8_t second = 0;
    uint8_t kind = kConnection;
    bool hasPcCode = false; // the PC's code could be read
    uint32_t pcCode = 0;
};

using PcConnectionLog = std::array<uint8_t, 84>;

// History entries the controller keeps: 7 from firmware 785 on, else 3.
unsigned pcConnectionHistorySize(int version);

// Records the entry in the log as the program does when it closes: as the
// first connection while there is none, else a modification joins the
// history (dropping the same PC's entry or else the oldest when it is full).
// False when nothing changed, so nothing is to be written.
bool addPcConnection(PcConnectionLog& log, int version, const PcConnectionEntry& entry);

PcConnectionEntry pcConnectionAt(const PcConnectionLog& log, unsigned index); // 0: the first connection
