#include "PcConnectionLog.h"

#include "ByteOrder.h"

#include <algorithm>
#include <vector>

namespace {

const size_t kFirstEntryOffset = 4; // after the credit end
const size_t kEntrySize = 10;
const unsigned kMaxHistory = 7;
const size_t kCodeOffset = 6;

using EntryBytes = std::array<uint8_t, kEntrySize>;

size_t offsetOf(unsigned index)
{
    return kFirstEntryOffset + kEntrySize * index;
}

EntryBytes bytesAt(const PcConnectionLog& log, unsigned index)
{
    EntryBytes bytes;
    std::copy_n(log.begin() + offsetOf(index), kEntrySize, bytes.begin());
    return bytes;
}

// The code goes most significant byte first; without one the bytes stay as they were.
void putEntry(uint8_t* at, const PcConnectionEntry& entry)
{
    putLittleEndian16(at, entry.date);
    at[2] = entry.hour;
    at[3] = entry.minute;
    at[4] = entry.second;
    at[5] = entry.kind;
    if (entry.hasPcCode)
        putBigEndian32(at + kCodeOffset, entry.pcCode);
}

bool isEmpty(const EntryBytes& bytes)
{
    return bytes[0] == 0 && bytes[1] == 0;
}

bool sameCode(const EntryBytes& a, const EntryBytes& b)
{
    return std::equal(a.begin() + kCodeOffset, a.end(), b.begin() + kCodeOffset);
}

void addToHistory(PcConnectionLog& log, unsigned size, const EntryBytes& added)
{
    std::vector<EntryBytes> history;
    for (unsigned i = 1; i <= size; ++i) {
        EntryBytes bytes = bytesAt(log, i);
        if (!isEmpty(bytes))
            history.push_back(bytes);
    }
    if (history.size() == size) {
        auto same = std::find_if(history.begin(), history.end(), [&](auto& e) { return sameCode(e, added); });
        history.erase(same != history.end() ? same : history.begin());
    }
    history.push_back(added);
    std::fill(log.begin() + offsetOf(1), log.begin() + offsetOf(1 + kMaxHistory), 0);
    for (size_t i = 0; i < history.size(); ++i)
        std::copy(history[i].begin(), history[i].end(), log.begin() + offsetOf(unsigned(1 + i)));
}

} // namespace

unsigned pcConnectionHistorySize(int version)
{
    return version >= 785 ? 7 : 3;
}

bool addPcConnection(PcConnectionLog& log, int version, const PcConnectionEntry& entry)
{
    if (isEmpty(bytesAt(log, 0))) {
        putEntry(log.data() + offsetOf(0), entry);
        return true;
    }
    if (entry.kind != PcConnectionEntry::kModification)
        return false;
    // A history entry without a known code gets code 0.
    EntryBytes added{};
    putEntry(added.data(), entry);
    addToHistory(log, pcConnectionHistorySize(version), added);
    return true;
}

PcConnectionEntry pcConnectionAt(const PcConnectionLog& log, unsigned index)
{
    EntryBytes b = bytesAt(log, index);
    PcConnectionEntry entry;
    entry.date = littleEndian16(b.data());
    entry.hour = b[2];
    entry.minute = b[3];
    entry.second = b[4];
    entry.kind = b[5];
    entry.hasPcCode = true;
    entry.pcCode = bigEndian32(b.data() + kCodeOffset);
    return entry;
}
