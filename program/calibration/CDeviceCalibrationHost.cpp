#include "CDeviceCalibrationHost.h"

#include <CLPGDevice.h>
#include <UserInterface.h>

#include <windows.h>

// The procedures report their own errors; this name covers the rest of the run.
CDeviceCalibrationHost::CDeviceCalibrationHost(CLPGDevice& device, CWnd* owner)
    : m_device(device), m_runner(device, owner, L"CAutoCalibrationMPDlg::runAutoCalibration()")
{
}

CSettingsRecord& CDeviceCalibrationHost::settings()
{
    return m_device.m_settings;
}

bool CDeviceCalibrationHost::isConnected()
{
    return !m_runner.controllerLost();
}

bool CDeviceCalibrationHost::switchToPetrol()
{
    return m_runner.switchToPetrol();
}

bool CDeviceCalibrationHost::switchToGas()
{
    return m_runner.switchToGas();
}

bool CDeviceCalibrationHost::returnToGas()
{
    return m_runner.returnToGas();
}

bool CDeviceCalibrationHost::sendAction23(unsigned char cylinders)
{
    return m_runner.selectCylinders(cylinders);
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
    return m_runner.write(&CLPGDevice::writeBlock15);
}

bool CDeviceCalibrationHost::writeBlock26()
{
    return m_runner.write(&CLPGDevice::writeBlock26);
}

bool CDeviceCalibrationHost::writeBlock31()
{
    return m_runner.write(&CLPGDevice::writeBlock31);
}

bool CDeviceCalibrationHost::writeTable7()
{
    return m_runner.write(&CLPGDevice::writeTable7);
}

bool CDeviceCalibrationHost::writeTable9()
{
    return m_runner.write(&CLPGDevice::writeTable9);
}

bool CDeviceCalibrationHost::applyAfterCalibrationPreset()
{
    return m_device.applyAfterCalibrationPreset();
}

bool CDeviceCalibrationHost::readDiagSample(CDiag& sample)
{
    return m_device.readDiagSample(sample) == 0;
}

void CDeviceCalibrationHost::keepSwitchSettings()
{
    m_runner.keepSwitchSettings();
}

unsigned long long CDeviceCalibrationHost::samplesReceived()
{
    return m_device.m_diagData.received();
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
    waitClockSleep(static_cast<unsigned>(ms));
}

unsigned long long CDeviceCalibrationHost::now()
{
    return waitClockNow();
}
