#pragma once

#include <UnixCommand.h>

#include <string>

// A drive letter of the test prefix whose link points nowhere: a drive
// that is not ready. Removed again when the object goes.
class DanglingDrive
{
public:
    explicit DanglingDrive(char letter) : m_link(kwtest::winePrefix() + "/dosdevices/" + letter + ":")
    {
        kwtest::runUnixCommand("ln -sfn /nonexistent-kestrelwave-drive '" + m_link + "'");
    }
    ~DanglingDrive() { kwtest::runUnixCommand("rm -f '" + m_link + "'"); }
    DanglingDrive(const DanglingDrive&) = delete;
    DanglingDrive& operator=(const DanglingDrive&) = delete;

private:
    std::string m_link;
};
