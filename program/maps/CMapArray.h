#pragma once

#include "MapSelection.h"
#include "MapStepper.h"

#include <CCellArray.h>

struct CCorrMap;
class CSettingsRecord;

// The table of the RPM correction map: 15 RPM columns by 19 load rows of
// whole percent, coloured by value, with the mark of the engine's operating
// point. Steps of the selected cells go to the controller at once, and the
// table then shows what the controller holds.
class CMapArray : public CCellArray
{
    DECLARE_DYNAMIC(CMapArray)

public:
    CMapArray();
    ~CMapArray() override;

    BOOL PreTranslateMessage(MSG* pMsg) override;

    void findAxisIndices(double rpm, double load, int& column, int& row) const;
    void setCellValue(int column, int row, double value);
    double getCellValue(int column, int row);
    // Every body cell from the map.
    void showMap(const CCorrMap& map);
    // The header texts of both axes.
    void showAxes(const CSettingsRecord& record);
    static CString loadPointText(const CSettingsRecord& record, double point);
    static CString rpmPointText(double point);

    void setCurrentPoint(double rpm, double load);
    // 1: cells coloured by value; 0: white, with the operating point's trail.
    void setColorMode(int mode);
    int colorMode() const { return m_colorMode; }
    void setColorScale(double step);

    void clearSelection(bool redraw);
    void moveSelection(unsigned key);
    void extendSelection(unsigned key);
    void incrementSelected(int step);

    void setNeighbours(bool on) { m_stepper.m_neighbours = on; }
    bool neighbours() const { return m_stepper.m_neighbours; }
    void setRepeatCount(int count) { m_stepper.m_repeatCount = count; }
    int repeatCount() const { return m_stepper.m_repeatCount; }
    bool isModified() const { return m_modified; }

    MapSelection selection();
    void select(const MapSelection& selection);

protected:
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);

    DECLARE_MESSAGE_MAP()

private:
    CCell* bodyCell(int column, int row);
    void whitenCells();
    // Sends a step to the controller and shows what it then holds.
    void sendStep(const MapStep& step);

    MapStepper m_stepper;
    int m_colorMode = 1;
    double m_trailStep = 5.0;
    bool m_modified = false;

    // The operating point's cell and its colour before the mark, one for the program.
    static int s_markColumn;
    static int s_markRow;
    static COLORREF s_savedColor;
};
