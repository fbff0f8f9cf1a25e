#pragma once

#include "CItemCtrl.h"

#include <memory>

// Holds an editor's window with the style, rectangle and id to create it
// with. Copying hands the window over: the source is left empty, and an
// empty holder does nothing (its getWindow is a stand-in without a window).
class PRAMBLE_API CItemWnd : public CItemCtrl
{
public:
    // Takes ownership of `window`.
    CItemWnd(CWnd* window, UINT style, const CRect& rect, UINT id);
    CItemWnd(const CItemWnd& other);
    CItemWnd& operator=(const CItemWnd& other);
    ~CItemWnd() override;

    void show(bool visible) override;
    void move(const CRect& rect) override;
    CWnd& getWindow() override;
    bool hasWindow() const { return m_window && m_window->m_hWnd; }

protected:
    // The window as its own class; a stand-in of that class when the holder
    // is empty. std::bad_cast when the window is of another class.
    template <class T> T& windowAs()
    {
        static T standIn;
        return m_window ? dynamic_cast<T&>(*m_window) : standIn;
    }
    // Creates the window as a T when it does not exist yet.
    template <class T> void createAs(CWnd* parent)
    {
        if (m_window && !m_window->m_hWnd)
            windowAs<T>().Create(m_style, m_rect, parent, m_id);
    }

    mutable std::unique_ptr<CWnd> m_window; // given away by copying
    UINT m_style;
    CRect m_rect;
    UINT m_id;
};
