#include "CFileFilter.h"

#include <utility>

CFileFilter::CFileFilter() = default;

CFileFilter::CFileFilter(std::wstring description, std::wstring mask)
    : m_description(std::move(description)), m_mask(std::move(mask))
{
}

CFileFilter::CFileFilter(const CFileFilter& other) = default;

CFileFilter& CFileFilter::operator=(const CFileFilter& other) = default;

CFileFilter::~CFileFilter() = default;
