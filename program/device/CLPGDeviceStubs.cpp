#include "CLPGDevice.h"

#include "SettingsBlocks.h"

// Placeholders until the operations are filled in.

void CLPGDevice::discover() {}

bool CLPGDevice::tryPort(unsigned)
{
    return false;
}

bool CLPGDevice::reopenPort()
{
    return false;
}

bool CLPGDevice::readAllSettings()
{
    return false;
}

bool CLPGDevice::identify()
{
    return false;
}

bool CLPGDevice::readDeviceInfo()
{
    return false;
}

bool CLPGDevice::isLocked() const
{
    return false;
}

bool CLPGDevice::readBlock31()
{
    return false;
}

bool CLPGDevice::writeBlock31()
{
    return false;
}

bool CLPGDevice::readBlock4()
{
    return false;
}

bool CLPGDevice::writeBlock4()
{
    return false;
}

bool CLPGDevice::readBlock26()
{
    return false;
}

bool CLPGDevice::writeBlock26()
{
    return false;
}

bool CLPGDevice::readBlock35()
{
    return false;
}

bool CLPGDevice::writeBlock35()
{
    return false;
}

bool CLPGDevice::readBlock15()
{
    return false;
}

bool CLPGDevice::writeBlock15()
{
    return false;
}

bool CLPGDevice::readTable7()
{
    return false;
}

bool CLPGDevice::writeTable7()
{
    return false;
}

bool CLPGDevice::readTable9()
{
    return false;
}

bool CLPGDevice::writeTable9()
{
    return false;
}

bool CLPGDevice::readBlock30()
{
    return false;
}

bool CLPGDevice::writeBlock30()
{
    return false;
}

bool CLPGDevice::readBlock32()
{
    return false;
}

bool CLPGDevice::writeBlock32()
{
    return false;
}

bool CLPGDevice::readBlock33()
{
    return false;
}

bool CLPGDevice::writeBlock33()
{
    return false;
}

bool CLPGDevice::readBlock34()
{
    return false;
}

bool CLPGDevice::writeBlock34()
{
    return false;
}

bool CLPGDevice::readBlock3()
{
    return false;
}

bool CLPGDevice::writeBlock3()
{
    return false;
}

bool CLPGDevice::readBlock19()
{
    return false;
}

bool CLPGDevice::writeBlock19()
{
    return false;
}

bool CLPGDevice::readBlock12()
{
    return false;
}

bool CLPGDevice::readBlock18(COBDSetup&)
{
    return false;
}

bool CLPGDevice::writeBlock18()
{
    return false;
}

bool CLPGDevice::readBlock27(COBDAdvSetup&)
{
    return false;
}

bool CLPGDevice::writeBlock27(const COBDAdvSetup&)
{
    return false;
}

bool CLPGDevice::readErrorCodes(unsigned char*)
{
    return false;
}

bool CLPGDevice::readBlock36(unsigned char*)
{
    return false;
}

bool CLPGDevice::readBlock37(unsigned char*)
{
    return false;
}

bool CLPGDevice::readTable28(unsigned char*)
{
    return false;
}

bool CLPGDevice::readTable29(unsigned char*)
{
    return false;
}

bool CLPGDevice::readBlock21(unsigned char*)
{
    return false;
}

bool CLPGDevice::request39(double&, double&)
{
    return false;
}

bool CLPGDevice::writeBlock13(const unsigned char*)
{
    return false;
}

bool CLPGDevice::switchToGas()
{
    return false;
}

bool CLPGDevice::switchToPetrol()
{
    return false;
}

bool CLPGDevice::returnToGas()
{
    return false;
}

bool CLPGDevice::reset()
{
    return false;
}

bool CLPGDevice::sendAction19()
{
    return false;
}

bool CLPGDevice::sendAction20()
{
    return false;
}

bool CLPGDevice::sendAction23(unsigned char)
{
    return false;
}

bool CLPGDevice::sendAction24(unsigned char)
{
    return false;
}

bool CLPGDevice::sendAction28()
{
    return false;
}

bool CLPGDevice::sendAction29()
{
    return false;
}

bool CLPGDevice::switchToPetrolAndWait()
{
    return false;
}

void CLPGDevice::writeAllSettings() {}

unsigned char CLPGDevice::readDiagSample(CDiag&)
{
    return 2;
}

bool CLPGDevice::sendObdRequest(const unsigned char*, unsigned char*, size_t)
{
    return false;
}

bool CLPGDevice::readMemoryChunk(unsigned, unsigned char*)
{
    return false;
}

bool CLPGDevice::writeMemoryChunk(unsigned, const unsigned char*)
{
    return false;
}

bool CLPGDevice::readMemory(unsigned char*, unsigned, unsigned)
{
    return false;
}

bool CLPGDevice::writeMemory(const unsigned char*, unsigned, unsigned)
{
    return false;
}

bool CLPGDevice::readCorrectionMap()
{
    return false;
}

bool CLPGDevice::writeCorrectionMap()
{
    return false;
}

bool CLPGDevice::enterBootloader(unsigned char, unsigned short&)
{
    return false;
}

bool CLPGDevice::sendBootCode(const char*)
{
    return false;
}

bool CLPGDevice::bootCommand96()
{
    return false;
}

bool CLPGDevice::bootCommand10()
{
    return false;
}

bool CLPGDevice::eraseFlashBlock(uint32_t)
{
    return false;
}

bool CLPGDevice::programData(uint32_t, const unsigned char*)
{
    return false;
}

bool CLPGDevice::programFlash(uint32_t, uint32_t, uint32_t, const unsigned char*, uint16_t)
{
    return false;
}
void CLPGDevice::connect() {}

bool getPcCode(unsigned long&)
{
    return false;
}

bool getPcCodeBytes(unsigned char*)
{
    return false;
}

std::wstring formatProdDate(unsigned days)
{
    return dayCountToDateText(days + 1);
}

long parseDate(const std::wstring&)
{
    return 0;
}

std::wstring getMyDocumentsPath()
{
    return {};
}

std::wstring getDiagFolder()
{
    return {};
}

std::wstring getSettingsFolder()
{
    return {};
}
