#include "CRSError.h"

#include "translate.h"

CRSError::~CRSError() = default;

void CRSError::setMsgs()
{
    m_msgs.push_back(translate(L"Can't open port Rs232"));
    m_msgs.push_back(translate(L"Error on port Rs232"));
}

std::wstring CRSError::name() const
{
    return L"CRSError";
}
