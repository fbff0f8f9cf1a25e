#include "CFileFindEx.h"

#include "FileClasses.h"

#include <windows.h>

namespace {

std::wstring joined(const std::wstring& folder, const std::wstring& name)
{
    if (!folder.empty() && folder.back() != L'\\' && folder.back() != L'/')
        return folder + L"\\" + name;
    return folder + name;
}

class FindHandle
{
public:
    explicit FindHandle(HANDLE handle) : m_handle(handle) {}
    ~FindHandle()
    {
        if (m_handle != INVALID_HANDLE_VALUE)
            FindClose(m_handle);
    }
    FindHandle(const FindHandle&) = delete;
    FindHandle& operator=(const FindHandle&) = delete;
    HANDLE get() const { return m_handle; }

private:
    HANDLE m_handle;
};

bool isDotEntry(const wchar_t* name)
{
    return wcscmp(name, L".") == 0 || wcscmp(name, L"..") == 0;
}

} // namespace

CFileFindEx::CFileFindEx(const std::wstring& folder, const std::vector<std::wstring>& extensions)
    : m_folder(folder), m_extensions(extensions)
{
    if (m_extensions.empty() || m_extensions.front() == L"*")
        return;
    for (std::wstring& extension : m_extensions)
        extension.insert(0, L".");
}

CFileFindEx::~CFileFindEx() = default;

bool CFileFindEx::accept(const std::wstring& path)
{
    if (m_extensions.empty())
        return false;
    if (m_extensions.front() == L"*")
        return true;
    size_t dot = path.rfind(L'.');
    if (dot == std::wstring::npos)
        return false;
    std::wstring extension = path.substr(dot);
    for (const std::wstring& wanted : m_extensions) {
        if (extension == wanted)
            return true;
    }
    return false;
}

void CFileFindEx::find(std::vector<std::wstring>& found, bool flat)
{
    findIn(m_folder, found, flat);
}

// Lists by full path, so the current folder of the process is never touched.
void CFileFindEx::findIn(const std::wstring& folder, std::vector<std::wstring>& found, bool flat)
{
    WIN32_FIND_DATAW entry;
    FindHandle find(FindFirstFileW(joined(folder, L"*.*").c_str(), &entry));
    if (find.get() == INVALID_HANDLE_VALUE) {
        DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND)
            return; // nothing at all in it, as in an empty drive's root
        throwFileError(L"Błąd przy wyszukiwaniu plików", error);
    }
    do {
        if (isDotEntry(entry.cFileName))
            continue;
        std::wstring path = joined(folder, entry.cFileName);
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            // A linked folder may lead back up the tree: it is not followed.
            if (!flat && !(entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
                findIn(path, found, flat);
        } else if (accept(path)) {
            found.push_back(path);
        }
    } while (FindNextFileW(find.get(), &entry));
}
