#pragma once

#include "CObject.h"

#include <utility>

// Owns a GDI object (pen, brush, font, bitmap, region) and deletes it with
// itself. FromHandle gives a temporary, non-owning wrapper of the right
// class that lives until the next idle time.
class WFX_API CGdiObject : public CObject
{
    DECLARE_DYNCREATE(CGdiObject)

public:
    HGDIOBJ m_hObject = nullptr;

    CGdiObject() = default;
    ~CGdiObject() override;
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    static CGdiObject* FromHandle(HGDIOBJ hObject);
    static void DeleteTempMap();

    HGDIOBJ GetSafeHandle() const { return m_hObject; }
    operator HGDIOBJ() const { return m_hObject; }
    BOOL Attach(HGDIOBJ hObject) { return hObject && !m_hObject ? (m_hObject = hObject, TRUE) : FALSE; }
    HGDIOBJ Detach() { return std::exchange(m_hObject, nullptr); }
    BOOL DeleteObject();
    int GetObject(int nCount, LPVOID lpObject) const { return ::GetObjectW(m_hObject, nCount, lpObject); }
    UINT GetObjectType() const { return ::GetObjectType(m_hObject); }
    BOOL UnrealizeObject() { return ::UnrealizeObject(m_hObject); }

protected:
    // Takes what a Create function just made (see wfxAdopt).
    BOOL adopt(HGDIOBJ made);
};
