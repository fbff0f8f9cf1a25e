#include "MutationTargets.h"

#include "../files/AfmBuilder.h"
#include "../files/FileTestSupport.h"
#include "../files/SettingsGolden.h"
#include "LangFiles.h"
#include "OscMutation.h"
#include "RecordImage.h"
#include "ScriptedTransport.h"

#include <CFirmwareFile.h>
#include <translate.h>

#include <iterator>

namespace {

using kwtest::Bytes;

const size_t kRecordingLines = 12;

struct Block
{
    bool (*decode)(const uint8_t*, size_t, CSettingsRecord&);
    std::vector<uint8_t> (*encode)(const CSettingsRecord&);
};

bool decodeObdAdv(const uint8_t* p, size_t n, CSettingsRecord& r)
{
    return decodeBlock27(p, n, r.m_obdAdvSetup);
}

std::vector<uint8_t> encodeObdAdv(const CSettingsRecord& r)
{
    return encodeBlock27(r.m_obdAdvSetup);
}

const Block kBlocks[] = {{decodeBlock31, encodeBlock31},
                         {decodeBlock26, encodeBlock26},
                         {decodeBlock34, encodeBlock34},
                         {decodeObdAdv, encodeObdAdv}};

std::string asString(const Bytes& bytes)
{
    return std::string(bytes.begin(), bytes.end());
}

Bytes asBytes(const std::string& text)
{
    return Bytes(text.begin(), text.end());
}

} // namespace

MutationTargets::MutationTargets() : m_line(std::make_unique<kwtest::ScriptInstall>())
{
    std::mt19937 random(2020);
    m_recording = osctest::sampleRecording(random, kRecordingLines);
    m_settings = expectedFile(nonDefaultRecord());
    AfmContent afm;
    afm.body = randomBytes(9020, 11);
    m_firmware = buildAfm(afm);
    m_language =
        kwtest::utf16File(L"Yes\tnote\tTak\r\nTwo\\nlines\tnote\tDwie\\tlinie\r\nSave\tnote\tZapisz\r\n");
    m_device.m_port.open(1);
}

MutationTargets::~MutationTargets() = default;

std::string MutationTargets::recording(kwtest::Mutator& mutator)
{
    const std::string text = mutator.mutate(m_recording);
    if (osctest::referenceFile(text).size() < kRecordingLines)
        ++refused; // the reading stopped at the damage
    return osctest::checkReading(text);
}

std::string MutationTargets::replyFrame(kwtest::Mutator& mutator)
{
    const Block& block = kBlocks[mutator.next() % std::size(kBlocks)];
    CSettingsRecord record;
    std::string payload = asString(block.encode(record));
    if (mutator.next() % 2)
        payload = mutator.mutate(payload).substr(0, kMaxFramePayload);
    std::string frame = asString(kwtest::replyFrame(5, uint16_t(mutator.next()), asBytes(payload)));
    if (mutator.next() % 2)
        frame = mutator.mutate(frame);
    m_line->script->reply(asBytes(frame));

    const unsigned char kGuard = 0xE5;
    const size_t capacity = mutator.next() % 2 ? kTransactBufferSize : 40;
    Bytes memory(capacity + 64, kGuard);
    unsigned char* buffer = memory.data() + 32;
    unsigned char length = 6, cmd = 2;
    buffer[0] = 36;
    const bool received = m_device.transactChecked(buffer, length, cmd, capacity) == 0;
    for (size_t i = 0; i < 32; ++i)
        if (memory[i] != kGuard || memory[32 + capacity + i] != kGuard)
            return "written past the buffer";
    const std::vector<uint8_t> before = recordImage(record);
    if (received && length >= 2 && block.decode(buffer, length - 2u, record))
        return {};
    ++refused;
    return recordImage(record) == before ? std::string() : "refused block changed the record";
}

std::string MutationTargets::settingsFile(kwtest::Mutator& mutator)
{
    const std::wstring path = m_dir.file(L"damaged.settings");
    kwtest::writeFileBytes(path, mutator.mutate(m_settings));
    CSettingsRecord record;
    record.m_base.m_switchRPM = 777.0;
    record.m_devInfo.m_pcConnections.fill(0x5A);
    const std::string before = wholeImage(record);
    if (CLPGDevice::loadSettingsFile(path, record))
        return {};
    ++refused;
    return wholeImage(record) == before ? std::string() : "refused file changed the record";
}

std::string MutationTargets::firmwareFile(kwtest::Mutator& mutator)
{
    const std::wstring path = m_dir.file(L"damaged.afm");
    kwtest::writeFileBytes(path, mutator.mutate(m_firmware));
    CFirmwareFile file;
    uint16_t version = 1, tag = 2;
    std::wstring text = L"before";
    if (file.load(path, version, text, tag)) {
        const bool whole =
            file.getImageLength() >= 8321u && (file.getImageLength() + 255) / 256 == file.getPageCount();
        return whole ? std::string() : "loaded image of a wrong length";
    }
    ++refused;
    const bool untouched = !file.isValid() && version == 1 && tag == 2 && text == L"before";
    return untouched ? std::string() : "refused file changed the caller's values";
}

std::string MutationTargets::languageFile(kwtest::Mutator& mutator)
{
    kwtest::LangFolder folder;
    folder.writeBytes(L"ENGLISH.txt", mutator.mutate(m_language));
    folder.open();
    g_languageId = 1;
    for (const wchar_t* text : {L"Yes", L"Two\nlines", L"Save", L"Absent"})
        if (translate(text).empty())
            return "empty translation";
    return {};
}
