#pragma once

#include <Wfx.h>

// Selects a GDI object into a device context for one scope and puts the one
// it replaced back, so that the object can be deleted after the scope
// (a selected object can't be). Declare it after the object it selects.
class GdiSelection
{
public:
    GdiSelection(CDC& dc, HGDIOBJ object)
        : m_dc(dc.m_hDC), m_old(object ? ::SelectObject(m_dc, object) : nullptr)
    {
    }
    ~GdiSelection()
    {
        if (m_old)
            ::SelectObject(m_dc, m_old);
    }
    GdiSelection(const GdiSelection&) = delete;
    GdiSelection& operator=(const GdiSelection&) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_old;
};
