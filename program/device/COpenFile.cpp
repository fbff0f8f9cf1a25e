#include "COpenFile.h"

#include <windows.h>

#include <commdlg.h>

#include <vector>

namespace {

COpenFile::AnswerHook& answerHook()
{
    static COpenFile::AnswerHook hook;
    return hook;
}

// The dialog wants the pairs separated by zeros and the list ended by two.
std::wstring dialogFilter(const std::wstring& filter)
{
    std::wstring pairs = filter;
    for (wchar_t& c : pairs) {
        if (c == L'|')
            c = L'\0';
    }
    return pairs + L'\0';
}

const DWORD kPathChars = 4096;

} // namespace

COpenFile::COpenFile(const std::wstring& initialFolder, const std::wstring& filter,
                     const std::wstring& defaultExtension, bool save)
    : m_initialFolder(initialFolder), m_filter(filter), m_defaultExtension(defaultExtension), m_save(save)
{
}

COpenFile::~COpenFile() = default;

void COpenFile::setAnswerHook(AnswerHook hook)
{
    answerHook() = std::move(hook);
}

std::wstring COpenFile::askFileName() const
{
    if (answerHook())
        return answerHook()(*this);
    std::wstring filter = dialogFilter(m_filter);
    std::vector<wchar_t> path(kPathChars, L'\0');
    OPENFILENAMEW ofn = {};
    ofn.lStructSize = sizeof ofn;
    ofn.lpstrFilter = filter.c_str();
    ofn.lpstrFile = path.data();
    ofn.nMaxFile = kPathChars;
    ofn.lpstrInitialDir = m_initialFolder.c_str();
    ofn.lpstrTitle = m_save ? L"SAVE" : L"OPEN";
    ofn.Flags = OFN_HIDEREADONLY | OFN_EXPLORER;
    ofn.lpstrDefExt = m_defaultExtension.c_str();
    BOOL chosen = m_save ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn);
    return chosen ? std::wstring(path.data()) : std::wstring();
}
