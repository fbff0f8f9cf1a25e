#include "CAutoSetupOutput.h"

void CAutoSetupOutput::init()
{
    SetBackgroundColor(FALSE, RGB(230, 230, 230));
    CHARFORMATW format{};
    GetDefaultCharFormat(format);
    format.dwMask = CFM_COLOR;
    format.dwEffects &= ~CFE_AUTOCOLOR;
    format.crTextColor = RGB(0, 0, 0);
    SetDefaultCharFormat(format);
}

void CAutoSetupOutput::clear()
{
    SetSel(0, -1);
    ReplaceSel(L"");
}

void CAutoSetupOutput::addLine(const std::wstring& text, COLORREF color)
{
    CHARFORMATW format{};
    GetDefaultCharFormat(format);
    format.dwMask = CFM_COLOR;
    format.dwEffects &= ~CFE_AUTOCOLOR;
    format.crTextColor = color;
    long length = GetTextLength();
    long lines = GetLineCount();
    SetSel(length, length);
    ReplaceSel((text + L"\n").c_str());
    // The text length counts each earlier line break twice, a selection once.
    SetSel(length - lines + 1, GetTextLength());
    SetSelectionCharFormat(format);
    SetSel(-1, -1);
}

void CAutoSetupOutput::addScrolledLine(const std::wstring& text, COLORREF color)
{
    addLine(text, color);
    LineScroll(GetLineCount() - 1);
}

void CAutoSetupOutput::addPlainLine(const std::wstring& text)
{
    addScrolledLine(text, RGB(0, 0, 0));
}

void CAutoSetupOutput::addAdviceLine(const std::wstring& text)
{
    addScrolledLine(text, RGB(0, 160, 0));
}

void CAutoSetupOutput::addErrorLine(const std::wstring& text)
{
    addScrolledLine(text, RGB(200, 0, 0));
}
