#pragma once

#include "CItemWnd.h"

// An in-place editor over an edit control.
class PRAMBLE_API CItemEdit : public CItemWnd
{
public:
    // Takes over an existing edit (style 0, empty rectangle, id 0).
    explicit CItemEdit(CEdit* edit);
    CItemEdit(UINT style, const CRect& rect, UINT id);
    CItemEdit(const CItemEdit& other) = default;
    CItemEdit& operator=(const CItemEdit& other) = default;

    CEdit& getEdit() { return windowAs<CEdit>(); }
    void create(CWnd* parent) override;
    CString getText() override;
    void setText(const CString& text) override;
};
