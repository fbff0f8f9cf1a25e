#pragma once

#include <windows.h>

// Puts the mouse pointer back where it was when the test moved it: other
// test programs' windows act on where it rests.
class PointerKept
{
public:
    PointerKept() { GetCursorPos(&m_saved); }
    ~PointerKept() { SetCursorPos(m_saved.x, m_saved.y); }
    PointerKept(const PointerKept&) = delete;
    PointerKept& operator=(const PointerKept&) = delete;

private:
    POINT m_saved{};
};
