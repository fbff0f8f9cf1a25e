#pragma once

#include <CRichEditCtrl.h>

#include <string>

// The calibration's output box: coloured lines, the last one kept in view.
class CAutoSetupOutput : public CRichEditCtrl
{
public:
    void init();
    void clear();
    void addLine(const std::wstring& text, COLORREF color);

    // The caller passes translated texts.
    void addPlainLine(const std::wstring& text);
    void addAdviceLine(const std::wstring& text);
    void addErrorLine(const std::wstring& text);

private:
    void addScrolledLine(const std::wstring& text, COLORREF color);
};
