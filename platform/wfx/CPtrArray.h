#pragma once

#include "CObject.h"

#include <vector>

// An array of untyped pointers that grows as it is written.
class CPtrArray
{
public:
    INT_PTR GetSize() const { return INT_PTR(m_items.size()); }
    INT_PTR GetCount() const { return GetSize(); }
    INT_PTR GetUpperBound() const { return GetSize() - 1; }
    bool IsEmpty() const { return m_items.empty(); }

    void* GetAt(INT_PTR nIndex) const { return m_items[size_t(nIndex)]; }
    void SetAt(INT_PTR nIndex, void* newElement) { m_items[size_t(nIndex)] = newElement; }
    void*& ElementAt(INT_PTR nIndex) { return m_items[size_t(nIndex)]; }
    void* operator[](INT_PTR nIndex) const { return GetAt(nIndex); }
    void*& operator[](INT_PTR nIndex) { return ElementAt(nIndex); }

    INT_PTR Add(void* newElement)
    {
        m_items.push_back(newElement);
        return GetUpperBound();
    }
    // Past the end the array grows with null entries first.
    void InsertAt(INT_PTR nIndex, void* newElement, INT_PTR nCount = 1)
    {
        if (size_t(nIndex) > m_items.size())
            m_items.resize(size_t(nIndex), nullptr);
        m_items.insert(m_items.begin() + nIndex, size_t(nCount), newElement);
    }
    void RemoveAt(INT_PTR nIndex, INT_PTR nCount = 1)
    {
        m_items.erase(m_items.begin() + nIndex, m_items.begin() + nIndex + nCount);
    }
    void RemoveAll() { m_items.clear(); }

private:
    std::vector<void*> m_items;
};

// A CPtrArray (or derived array) whose elements are of one pointer type.
template <class BaseArray, class T> class CTypedPtrArray : public BaseArray
{
public:
    T GetAt(INT_PTR nIndex) const { return static_cast<T>(BaseArray::GetAt(nIndex)); }
    T operator[](INT_PTR nIndex) const { return GetAt(nIndex); }
    void SetAt(INT_PTR nIndex, T newElement) { BaseArray::SetAt(nIndex, newElement); }
    INT_PTR Add(T newElement) { return BaseArray::Add(newElement); }
    void InsertAt(INT_PTR nIndex, T newElement, INT_PTR nCount = 1)
    {
        BaseArray::InsertAt(nIndex, newElement, nCount);
    }
};
