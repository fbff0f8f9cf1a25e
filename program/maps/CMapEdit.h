#pragma once

#include <CItemEdit.h>

class CCellArrayEdit;
class CMapArray;

// The header editor of the map table: an edited axis point is kept inside
// its neighbours on the axis' grid, written to the controller and read back.
class CMapEdit : public CItemEdit
{
public:
    // Takes over the editor window made by the page.
    explicit CMapEdit(CCellArrayEdit* edit);
    ~CMapEdit() override;

    CString getText() override;

private:
    CString loadPointText(int row, double value, bool empty);
    CString rpmPointText(int column, double value, bool empty);
    CMapArray* table();
};
