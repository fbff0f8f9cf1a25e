#pragma once

#include <string>
#include <vector>

// Lists the files of a folder whose extension is one of a list.
class CFileFindEx
{
public:
    // Extensions without their dot ("afm"); a first entry "*" takes every file.
    CFileFindEx(const std::wstring& folder, const std::vector<std::wstring>& extensions);
    virtual ~CFileFindEx();

    // The path's extension, from its last "." on, must be one of the list exactly.
    virtual bool accept(const std::wstring& path);

    // Appends the full path of every accepted file: of the folder only when
    // flat, else of the folder and all its sub-folders, depth first. A folder
    // that cannot be listed throws CFileError*.
    void find(std::vector<std::wstring>& found, bool flat);

private:
    void findIn(const std::wstring& folder, std::vector<std::wstring>& found, bool flat);

    std::wstring m_folder;
    std::vector<std::wstring> m_extensions;
};
