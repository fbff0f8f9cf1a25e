#pragma once

#include "PrambleApi.h"

#include <string>

// One entry of the file dialog's type list: what it shows and the mask it lists with.
class PRAMBLE_API CFileFilter
{
public:
    CFileFilter();
    CFileFilter(std::wstring description, std::wstring mask);
    CFileFilter(const CFileFilter& other);
    CFileFilter& operator=(const CFileFilter& other);
    virtual ~CFileFilter();

    const std::wstring& getDescription() const { return m_description; }
    const std::wstring& getMask() const { return m_mask; }

private:
    std::wstring m_description;
    std::wstring m_mask;
};
