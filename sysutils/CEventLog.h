#pragma once

#include "HostkitLibApi.h"

#include <windows.h>

#include <string>

// Writes one entry to the Windows event log.
class HOSTKIT_API CEventLog
{
public:
    enum event_log_type_t
    {
        success = EVENTLOG_SUCCESS,
        error = EVENTLOG_ERROR_TYPE,
        warning = EVENTLOG_WARNING_TYPE,
        information = EVENTLOG_INFORMATION_TYPE,
        auditSuccess = EVENTLOG_AUDIT_SUCCESS,
        auditFailure = EVENTLOG_AUDIT_FAILURE,
    };

    // The three system calls addMsg makes; tests put their own in place.
    struct Api
    {
        HANDLE(WINAPI* registerSource)(LPCWSTR server, LPCWSTR source);
        BOOL(WINAPI* report)
        (HANDLE log, WORD type, WORD category, DWORD eventId, PSID user, WORD stringCount, DWORD dataSize,
         LPCWSTR* strings, LPVOID data);
        BOOL(WINAPI* deregisterSource)(HANDLE log);
    };

    virtual ~CEventLog();

    // Failures are swallowed: a source that cannot be registered writes nothing.
    static void addMsg(event_log_type_t type, const std::wstring& source, const std::wstring& text);
    // nullptr puts the system's calls back.
    static void setApi(const Api* api);
};
