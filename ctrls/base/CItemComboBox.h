#pragma once

#include "CItemWnd.h"

// An in-place editor over a drop-down list.
class PRAMBLE_API CItemComboBox : public CItemWnd
{
public:
    // Takes over an existing combo box (style 0, empty rectangle, id 0).
    explicit CItemComboBox(CComboBox* comboBox);
    CItemComboBox(UINT style, const CRect& rect, UINT id);
    CItemComboBox(const CItemComboBox& other) = default;
    CItemComboBox& operator=(const CItemComboBox& other) = default;

    CComboBox& getComboBox() { return windowAs<CComboBox>(); }
    void create(CWnd* parent) override;
    // The selected item's text; empty without a selection.
    CString getText() override;
    // Selects the first item that begins with the text.
    void setText(const CString& text) override;
};
