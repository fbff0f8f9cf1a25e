#include "CDeviceCalibrationHost.h"

#include <CLPGDevice.h>

#include <windows.h>

CDeviceCalibrationHost::CDeviceCalibrationHost(CLPGDevice& device) : m_device(device) {}

CSettingsRecord& CDeviceCalibrationHost::settings()
{
    return m_device.m_settings;
}

bool CDeviceCalibrationHost::isConnected()
{
    return m_device.m_connected;
}

bool CDeviceCalibrationHost::switchToPetrol()
{
    return m_device.switchToPetrol();
}

bool CDeviceCalibrationHost::switchToGas()
{
    return m_device.switchToGas();
}

bool CDeviceCalibrationHost::returnToGas()
{
    return m_device.returnToGas();
}

bool CDeviceCalibrationHost::sendAction23(unsigned char cylinders)
{
    return m_device.sendAction23(cylinders);
}

bool CDeviceCalibrationHost::readBlock31()
{
    return m_device.readBlock31();
}

bool CDeviceCalibrationHost::readBlock4()
{
    return m_device.readBlock4();
}

bool CDeviceCalibrationHost::readBlock15()
{
    return m_device.readBlock15();
}

bool CDeviceCalibrationHost::writeBlock15()
{
    return m_device.writeBlock15();
}

bool CDeviceCalibrationHost::writeBlock26()
{
    return m_device.writeBlock26();
}

bool CDeviceCalibrationHost::writeBlock31()
{
    return m_device.writeBlock31();
}

bool CDeviceCalibrationHost::writeTable7()
{
    return m_device.writeTable7();
}

bool CDeviceCalibrationHost::writeTable9()
{
    return m_device.writeTable9();
}

bool CDeviceCalibrationHost::applyAfterCalibrationPreset()
{
    return m_device.applyAfterCalibrationPreset();
}

bool CDeviceCalibrationHost::readDiagSample(CDiag& sample)
{
    return m_device.readDiagSample(sample) == 0;
}

void CDeviceCalibrationHost::clearSamples()
{
    m_device.m_diagData.clear();
}

bool CDeviceCalibrationHost::newestSample(CDiag& sample)
{
    if (m_device.m_diagData.count() == 0)
        return false;
    m_device.m_diagData.getLast(sample);
    return true;
}

void CDeviceCalibrationHost::copySamples(std::vector<CDiag>& out)
{
    out.clear();
    m_device.m_diagData.copyRange(out, 0, m_device.m_diagData.count());
}

void CDeviceCalibrationHost::sleep(int ms)
{
    Sleep(DWORD(ms));
}

unsigned long long CDeviceCalibrationHost::now()
{
    return GetTickCount64();
}
