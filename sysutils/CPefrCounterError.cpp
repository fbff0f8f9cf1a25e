#include "CPefrCounterError.h"

#include <algorithm>

namespace {
const wchar_t kCounterMsg[] = L"Nie można uruchomić licznika.";
}

CPefrCounterError::CPefrCounterError(unsigned code, const wchar_t* where, int line, const wchar_t* file)
    : CRunTime(code, where, line, file)
{
    setMsgs();
}

CPefrCounterError::CPefrCounterError(unsigned code, const wchar_t* where, IError* cause, int line,
                                     const wchar_t* file)
    : CRunTime(code, where, cause, line, file)
{
    setMsgs();
}

CPefrCounterError::~CPefrCounterError() = default;

// The raising mix-in calls this again after construction: the text goes in once.
void CPefrCounterError::setMsgs()
{
    if (std::find(m_msgs.begin(), m_msgs.end(), kCounterMsg) == m_msgs.end())
        m_msgs.push_back(kCounterMsg);
}

std::wstring CPefrCounterError::name() const
{
    return L"CPefrCounterError";
}
