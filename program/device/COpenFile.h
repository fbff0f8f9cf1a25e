#pragma once

#include <functional>
#include <string>

// The open or save file dialog of settings files, recordings and firmware files.
class COpenFile
{
public:
    // The filter is pairs of description and pattern, each ended by "|".
    COpenFile(const std::wstring& initialFolder, const std::wstring& filter,
              const std::wstring& defaultExtension, bool save);
    virtual ~COpenFile();

    // The chosen full path; empty when the user cancels.
    std::wstring askFileName() const;

    const std::wstring& initialFolder() const { return m_initialFolder; }
    const std::wstring& filter() const { return m_filter; }
    const std::wstring& defaultExtension() const { return m_defaultExtension; }
    bool isSave() const { return m_save; }

    // Tests answer in place of the dialog, which is modal; an empty hook shows it again.
    using AnswerHook = std::function<std::wstring(const COpenFile&)>;
    static void setAnswerHook(AnswerHook hook);

private:
    std::wstring m_initialFolder;
    std::wstring m_filter;
    std::wstring m_defaultExtension;
    bool m_save;
};
