#pragma once

#include "CExtListCtrl.h"
#include "CRearangeHeaderCtrl.h"

#include <string>
#include <vector>

// An extended list whose columns are addressed by their header text (width,
// hide, show) and can be reordered by dragging their header items.
class PRAMBLE_API CExtListCtrlRearange : public CExtListCtrl
{
    DECLARE_DYNCREATE(CExtListCtrlRearange)

public:
    // A column's width remembered under its name while it is hidden.
    class PRAMBLE_API CColumnData
    {
    public:
        CColumnData(std::wstring name, int width) : m_name(std::move(name)), m_width(width) {}
        virtual ~CColumnData() = default;

        std::wstring m_name;
        int m_width;
    };

    CExtListCtrlRearange();

    // -1 when no column has that header text.
    int findColumn(std::wstring name);
    // Empty when the column cannot be read.
    std::wstring findColumn(int index);
    // -1 when no column has that name.
    int getColWidth(std::wstring name);
    // Remembers the current width under the name, then sets the new one.
    // Nothing happens for a name no column has.
    void setColWidth(std::wstring name, int width);
    void hideCol(std::wstring name);
    // Back to the remembered width, or 100 when none was remembered.
    void showCol(std::wstring name);
    // Moves column `from` to stand before column `to` (`to` may be the
    // column count: the end).
    void DragColumn(int from, int to);

    CRearangeHeaderCtrl* getHeaderCtrl();

protected:
    CSortHeaderCtrl& headerMember() override { return m_rearangeHeader; }

    std::vector<CColumnData> m_columnData;
    CRearangeHeaderCtrl m_rearangeHeader;

private:
    static void dragCallback(CExtListCtrlRearange* user, int from, int to);
    // The whole header text, however long.
    bool readColumn(int index, LVCOLUMNW& column, std::wstring& text);
    void copyColumnTexts(int from, int to);
    void copyHeader(int from, int to);
};
