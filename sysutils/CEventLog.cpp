#include "CEventLog.h"

namespace {
const CEventLog::Api kSystemApi = {RegisterEventSourceW, ReportEventW, DeregisterEventSource};
const CEventLog::Api* g_api = &kSystemApi;
} // namespace

CEventLog::~CEventLog() = default;

void CEventLog::addMsg(event_log_type_t type, const std::wstring& source, const std::wstring& text)
{
    HANDLE log = g_api->registerSource(nullptr, source.c_str());
    if (!log)
        return;
    LPCWSTR strings[1] = {text.c_str()};
    g_api->report(log, static_cast<WORD>(type), 0, 0, nullptr, 1, 0, strings, nullptr);
    g_api->deregisterSource(log);
}

void CEventLog::setApi(const Api* api)
{
    g_api = api ? api : &kSystemApi;
}
