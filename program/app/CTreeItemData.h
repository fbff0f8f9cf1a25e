#pragma once

#include <string>

class CGDIpMultiPageDialog;

// The data of one item of the navigation tree: the page it opens. Owned by
// the tree item and deleted with it.
class CTreeItemData
{
public:
    CTreeItemData(CGDIpMultiPageDialog* page, int pageIdx, const std::wstring& text)
        : m_page(page), m_pageIdx(pageIdx), m_text(text)
    {
    }
    virtual ~CTreeItemData() = default;

    CGDIpMultiPageDialog* m_page = nullptr;
    int m_pageIdx = -1;
    // The English text, translated again at each language change.
    std::wstring m_text;
};
