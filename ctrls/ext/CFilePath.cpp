#include "CFilePath.h"

#include <CWinApp.h>

#include <windows.h>

CFilePath::CFilePathCache::CFilePathCache() : m_mask(L"*.*") {}

CFilePath::CFilePathCache::CFilePathCache(const CFilePathCache&) = default;

CFilePath::CFilePathCache& CFilePath::CFilePathCache::operator=(const CFilePathCache&) = default;

CFilePath::CFilePathCache::~CFilePathCache() = default;

std::wstring CFilePath::CFilePathCache::joinFolders() const
{
    std::wstring joined;
    for (const std::wstring& folder : m_folders) {
        if (!joined.empty())
            joined += L'\\';
        joined += folder;
    }
    if (!joined.empty())
        joined += L'\\';
    return joined;
}

std::wstring CFilePath::CFilePathCache::getFolderSearchPattern() const
{
    return m_folders.empty() ? std::wstring() : joinFolders() + L"*.*";
}

std::wstring CFilePath::CFilePathCache::getFileSearchPattern() const
{
    return m_folders.empty() ? std::wstring() : joinFolders() + m_mask;
}

std::wstring CFilePath::CFilePathCache::getFilePath() const
{
    return m_folders.empty() ? std::wstring() : joinFolders() + getFileName();
}

std::wstring CFilePath::CFilePathCache::getFileName() const
{
    if (m_folders.empty())
        return std::wstring();
    return m_fileName.empty() ? m_newFileName : m_fileName;
}

std::wstring CFilePath::CFilePathCache::getDrive(const std::wstring& text) const
{
    return (joinFolders() + text).substr(0, 2);
}

void CFilePath::CFilePathCache::cutToDrive()
{
    if (m_folders.size() > 1)
        m_folders.resize(1);
}

void CFilePath::CFilePathCache::removeDrive()
{
    m_folders.clear();
}

void CFilePath::CFilePathCache::appendFolder(const std::wstring& folder)
{
    if (folder.empty() || folder == L".")
        return;
    if (folder == L"..")
        removeLastFolder();
    else
        m_folders.push_back(folder);
}

bool CFilePath::CFilePathCache::removeLastFolder()
{
    if (m_folders.size() <= 1)
        return false;
    m_folders.pop_back();
    return true;
}

CFilePath::CFilePath() = default;

CFilePath::~CFilePath() = default;

bool CFilePath::isFileChosen() const
{
    if (m_openMode)
        return !m_current.m_fileName.empty();
    return !m_current.m_fileName.empty() || !m_current.m_newFileName.empty();
}

void CFilePath::clearFileName()
{
    m_current.m_fileName.clear();
    m_current.m_newFileName.clear();
}

bool CFilePath::exists(const std::wstring& path)
{
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool CFilePath::isFolder(const std::wstring& path)
{
    DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool CFilePath::isFile(const std::wstring& path)
{
    return exists(path) && !isFolder(path);
}

bool CFilePath::hasWildcards(const std::wstring& text)
{
    return text.find_first_of(L"*?") != std::wstring::npos;
}

bool CFilePath::parsePath(std::wstring text)
{
    if (text.empty())
        return false;
    if (text == L"..") {
        m_current.m_fileName.clear();
        m_current.m_newFileName.clear();
        m_current.removeLastFolder();
        return true;
    }
    m_working = m_current;
    if (!applyPath(text))
        return false;
    m_current = m_working;
    return true;
}

// Takes the folders of the text into the working snapshot and returns its
// last component, the leaf, which may be a folder, a file or a mask.
std::wstring CFilePath::splitIntoWorking(const std::wstring& text)
{
    std::vector<std::wstring> parts;
    size_t at = 0;
    while (true) {
        if (at < text.size() && text[at] == L'\\')
            ++at;
        size_t end = text.find(L'\\', at);
        std::wstring part = text.substr(at, end == std::wstring::npos ? std::wstring::npos : end - at);
        if (part.empty())
            break;
        parts.push_back(part);
        if (end == std::wstring::npos)
            break;
        at = end;
    }
    if (parts.empty())
        return std::wstring();
    for (size_t i = 0; i + 1 < parts.size(); ++i)
        m_working.appendFolder(parts[i]);
    return parts.back();
}

bool CFilePath::applyPath(const std::wstring& text)
{
    if (!text.empty() && text[0] == L'\\')
        m_working.cutToDrive();
    if (text.size() > 1 && text[1] == L':')
        m_working.removeDrive(); // the text brings its own drive
    size_t lastDot = text.rfind(L'.');
    size_t lastSlash = text.rfind(L'\\');
    bool textHasExt =
        lastDot != std::wstring::npos && (lastSlash == std::wstring::npos || lastDot > lastSlash);

    std::wstring leaf = splitIntoWorking(text);
    std::wstring leafPath = m_working.joinFolders() + leaf;
    std::wstring leafPathExt = leafPath + m_defaultExt;
    std::wstring drive = m_working.getDrive(leaf);
    if (!exists(drive)) {
        AfxMessageBox((L"Urządzenie " + drive + L" nie jest gotowe.").c_str(), MB_ICONERROR);
        return false;
    }
    if (m_openMode && !exists(leafPath) && !hasWildcards(leaf) && !exists(leafPathExt)) {
        AfxMessageBox(L"Nieprawidłowa ścieżka.", MB_ICONERROR);
        return false;
    }
    m_working.m_fileName.clear();
    m_working.m_newFileName.clear();
    if (isFolder(leafPath))
        m_working.appendFolder(leaf);
    else
        chooseLeaf(leaf, textHasExt);
    return true;
}

void CFilePath::chooseLeaf(const std::wstring& leaf, bool textHasExt)
{
    std::wstring leafPath = m_working.joinFolders() + leaf;
    std::wstring leafExt = leaf + m_defaultExt;
    std::wstring leafPathExt = leafPath + m_defaultExt;
    if (isFile(leafPath))
        m_working.m_fileName = leaf;
    else if (isFile(leafPathExt) && !textHasExt)
        m_working.m_fileName = leafExt;
    else if (hasWildcards(leaf))
        m_working.m_mask = leaf;
    else if (!m_openMode && !exists(leafPathExt) && !textHasExt)
        m_working.m_newFileName = leafExt;
    else if (!m_openMode && !exists(leafPath))
        m_working.m_newFileName = leaf;
    else
        m_working.appendFolder(leaf);
}
