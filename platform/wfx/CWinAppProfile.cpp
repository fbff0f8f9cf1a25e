// The application's profile: the registry under
// HKEY_CURRENT_USER\Software\<registry key>\<profile name>\<section>, or the
// .INI file named by m_pszProfileName when no registry key was set.

#include "CWinApp.h"

#include <vector>

namespace {

class RegKey
{
public:
    explicit RegKey(HKEY key) : m_key(key) {}
    ~RegKey()
    {
        if (m_key)
            RegCloseKey(m_key);
    }
    RegKey(const RegKey&) = delete;
    RegKey& operator=(const RegKey&) = delete;
    operator HKEY() const { return m_key; }

private:
    HKEY m_key;
};

HKEY createKey(HKEY parent, LPCWSTR path)
{
    HKEY key = nullptr;
    LONG result = RegCreateKeyExW(parent, path, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE,
                                  nullptr, &key, nullptr);
    return result == ERROR_SUCCESS ? key : nullptr;
}

bool gone(LONG result)
{
    return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}

CString readIniString(LPCWSTR section, LPCWSTR entry, LPCWSTR fallback, LPCWSTR file)
{
    for (DWORD size = 256;; size *= 2) {
        std::vector<wchar_t> buffer(size);
        DWORD length = GetPrivateProfileStringW(section, entry, fallback, buffer.data(), size, file);
        if (length < size - 1)
            return CString(buffer.data(), int(length));
    }
}

} // namespace

HKEY CWinApp::GetAppRegistryKey()
{
    if (!m_pszRegistryKey || !*m_pszRegistryKey)
        return nullptr;
    CString path = L"Software\\";
    path += m_pszRegistryKey;
    path += L"\\";
    path += m_pszProfileName;
    return createKey(HKEY_CURRENT_USER, path);
}

HKEY CWinApp::GetSectionKey(LPCWSTR lpszSection)
{
    RegKey app(GetAppRegistryKey());
    return app ? createKey(app, lpszSection) : nullptr;
}

UINT CWinApp::GetProfileInt(LPCWSTR lpszSection, LPCWSTR lpszEntry, int nDefault)
{
    if (!m_pszRegistryKey)
        return GetPrivateProfileIntW(lpszSection, lpszEntry, nDefault, m_pszProfileName);
    RegKey key(GetSectionKey(lpszSection));
    DWORD value = 0;
    DWORD type = 0;
    DWORD size = sizeof(value);
    if (key &&
        RegQueryValueExW(key, lpszEntry, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) ==
            ERROR_SUCCESS &&
        type == REG_DWORD)
        return value;
    return UINT(nDefault);
}

CString CWinApp::GetProfileString(LPCWSTR lpszSection, LPCWSTR lpszEntry, LPCWSTR lpszDefault)
{
    if (!m_pszRegistryKey)
        return readIniString(lpszSection, lpszEntry, lpszDefault ? lpszDefault : L"", m_pszProfileName);
    RegKey key(GetSectionKey(lpszSection));
    DWORD type = 0;
    DWORD size = 0;
    if (!key || RegQueryValueExW(key, lpszEntry, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
        return CString(lpszDefault);
    std::vector<wchar_t> text(size / sizeof(wchar_t) + 1, L'\0');
    if (RegQueryValueExW(key, lpszEntry, nullptr, &type, reinterpret_cast<BYTE*>(text.data()), &size) !=
        ERROR_SUCCESS)
        return CString(lpszDefault);
    return CString(text.data());
}

BOOL CWinApp::WriteProfileInt(LPCWSTR lpszSection, LPCWSTR lpszEntry, int nValue)
{
    if (!m_pszRegistryKey) {
        CString text;
        text.Format(L"%d", nValue);
        return WritePrivateProfileStringW(lpszSection, lpszEntry, text, m_pszProfileName);
    }
    RegKey key(GetSectionKey(lpszSection));
    DWORD value = DWORD(nValue);
    return key && RegSetValueExW(key, lpszEntry, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                                 sizeof(value)) == ERROR_SUCCESS;
}

BOOL CWinApp::WriteProfileString(LPCWSTR lpszSection, LPCWSTR lpszEntry, LPCWSTR lpszValue)
{
    if (!m_pszRegistryKey)
        return WritePrivateProfileStringW(lpszSection, lpszEntry, lpszValue, m_pszProfileName);
    if (!lpszEntry) {
        RegKey app(GetAppRegistryKey());
        return app && gone(RegDeleteTreeW(app, lpszSection)) && gone(RegDeleteKeyW(app, lpszSection));
    }
    RegKey key(GetSectionKey(lpszSection));
    if (!key)
        return FALSE;
    if (!lpszValue)
        return gone(RegDeleteValueW(key, lpszEntry));
    DWORD bytes = DWORD((wcslen(lpszValue) + 1) * sizeof(wchar_t));
    return RegSetValueExW(key, lpszEntry, 0, REG_SZ, reinterpret_cast<const BYTE*>(lpszValue), bytes) ==
           ERROR_SUCCESS;
}
