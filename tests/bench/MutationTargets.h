#pragma once

#include "Mutator.h"
#include "TempDir.h"

#include <CLPGDevice.h>

#include <memory>
#include <string>

namespace kwtest {
class ScriptInstall;
}

// The parsers of outside input, each fed one damaged input per round from
// the shared mutator. A round returns what went wrong, empty when nothing
// did; `refused` counts the inputs a parser turned down, so a run can show
// that both outcomes were exercised.
class MutationTargets
{
public:
    MutationTargets();
    ~MutationTargets();
    MutationTargets(const MutationTargets&) = delete;
    MutationTargets& operator=(const MutationTargets&) = delete;

    // A recording (*.osc): the good lines before the damage, nothing else.
    std::string recording(kwtest::Mutator& mutator);
    // A reply frame, damaged on the line or in the payload it carries: no
    // write past the caller's buffer, and a refused block leaves the record.
    std::string replyFrame(kwtest::Mutator& mutator);
    // A *.settings file: read whole, or refused with the record untouched.
    std::string settingsFile(kwtest::Mutator& mutator);
    // A firmware file (*.afm): loaded consistently, or refused untouched.
    std::string firmwareFile(kwtest::Mutator& mutator);
    // A language file: every lookup ends with some text.
    std::string languageFile(kwtest::Mutator& mutator);

    unsigned refused = 0;

private:
    kwtest::TempDir m_dir;
    std::string m_recording;
    std::string m_settings;
    std::string m_firmware;
    std::string m_language;
    std::unique_ptr<kwtest::ScriptInstall> m_line;
    CLPGDevice m_device;
};
