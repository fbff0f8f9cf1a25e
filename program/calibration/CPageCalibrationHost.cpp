#include "CPageCalibrationHost.h"

#include "CAutoCalibrationMPDlg.h"
#include "translate.h"

#include <IError.h>
#include <MakerWord.h>
#include <UserInterface.h>

#include <memory>

CPageCalibrationHost::CPageCalibrationHost(CLPGDevice& device, CAutoCalibrationMPDlg& page)
    : CDeviceCalibrationHost(device, &page), m_page(page)
{
}

void CPageCalibrationHost::pumpMessages()
{
    ::pumpMessages();
}

std::wstring CPageCalibrationHost::translate(const std::wstring& text)
{
    return ::translate(text);
}

void CPageCalibrationHost::outputLine(const std::wstring& text, OutputKind kind)
{
    switch (kind) {
    case OutputKind::Plain:
        m_page.output().addPlainLine(text);
        break;
    case OutputKind::Advice:
        m_page.output().addAdviceLine(text);
        break;
    case OutputKind::Error:
        m_page.output().addErrorLine(text);
        break;
    }
}

void CPageCalibrationHost::setProgress(int position)
{
    m_page.setProgress(position);
}

void CPageCalibrationHost::showCorrections()
{
    m_page.showCorrections(settings().m_mainCorr.m_mainCorr.data());
}

void CPageCalibrationHost::showIndicator(int value)
{
    m_page.indicator().setValue(value);
}

// Both procedures report under the same name.
void CPageCalibrationHost::reportError(IError* error)
{
    std::unique_ptr<IError> owned(error);
    showMessageBox(m_page.GetSafeHwnd(),
                   ::translate(L"Autosetup procedure error") +
                       L"\n-CAutoCalibrationMPDlg::autocalibrationPerOneCylinder()\n" + owned->format(),
                   kMakerWord, MB_OK);
}
