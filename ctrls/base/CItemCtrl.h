#pragma once

#include "PrambleApi.h"

#include <Wfx.h>

// An in-place editor that a table shows over the cell being edited. The
// table that is given an editor owns it and deletes it.
class PRAMBLE_API CItemCtrl
{
public:
    virtual ~CItemCtrl();
    // Makes the editor's window as a child of `parent` unless it exists.
    virtual void create(CWnd* parent) = 0;
    virtual void show(bool visible) = 0;
    virtual void move(const CRect& rect) = 0;
    virtual CWnd& getWindow() = 0;
    virtual CString getText() = 0;
    // Sets the text, selects all of it and takes the focus.
    virtual void setText(const CString& text) = 0;
};
