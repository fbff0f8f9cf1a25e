#include "CMapArray.h"

#include "MapAxes.h"
#include "MapColors.h"
#include "SettingsHandler.h"

#include <CLPGDevice.h>
#include <CSettingsRecord.h>
#include <UserInterface.h>

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kMarkColor = RGB(0, 0, 255);

const CCorrMap& shownMap()
{
    static const CCorrMap defaults;
    return g_pDevice ? g_pDevice->m_settings.m_corrMap : defaults;
}

// The controller's map after a step it took without a read-back: the same
// change of the rectangle it was sent.
void applyStep(CCorrMap& map, const MapStep& step)
{
    for (int r = step.rowStart(); r < step.rowStart() + step.rowCount(); ++r)
        for (int c = step.columnStart(); c < step.columnStart() + step.columnCount(); ++c)
            map.m_injMapTable[r][c] = MapStepper::stepped(int(map.m_injMapTable[r][c]), step.step);
}

} // namespace

int CMapArray::s_markColumn = 0;
int CMapArray::s_markRow = 0;
COLORREF CMapArray::s_savedColor = kWhite;

IMPLEMENT_DYNAMIC(CMapArray, CCellArray)

BEGIN_MESSAGE_MAP(CMapArray, CCellArray)
ON_WM_MOUSEACTIVATE()
END_MESSAGE_MAP()

CMapArray::CMapArray() = default;

CMapArray::~CMapArray() = default;

BOOL CMapArray::PreTranslateMessage(MSG* pMsg)
{
    return CWnd::PreTranslateMessage(pMsg);
}

int CMapArray::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message)
{
    SetFocus();
    return CCellArray::OnMouseActivate(pDesktopWnd, nHitTest, message);
}

CCell* CMapArray::bodyCell(int column, int row)
{
    auto& table = *getTable();
    if (column < 0 || column >= int(table.size()) || row < 0 || row >= int(table[column].size()))
        return nullptr;
    return table[column][row];
}

void CMapArray::findAxisIndices(double rpm, double load, int& column, int& row) const
{
    ::findAxisIndices(shownMap(), rpm, load, column, row);
}

void CMapArray::setCellValue(int column, int row, double value)
{
    CCell* cell = bodyCell(column, row);
    if (!cell)
        return;
    CString text;
    text.Format(L"%.0f", value);
    cell->setTxt(text);
    if (m_colorMode == 1)
        cell->setBkColor(valueColor(value));
}

double CMapArray::getCellValue(int column, int row)
{
    CCell* cell = bodyCell(column, row);
    return cell ? _wtoi(cell->getTxt()) : 0.0;
}

void CMapArray::showMap(const CCorrMap& map)
{
    for (int c = 0; c < CCorrMap::kCols; ++c)
        for (int r = 0; r < CCorrMap::kRows; ++r)
            setCellValue(c, r, map.m_injMapTable[r][c]);
}

CString CMapArray::loadPointText(const CSettingsRecord& record, double point)
{
    CString text;
    text.Format(record.m_advancedSetup.m_advancedFlags3 & 0x0400 ? L"%.2f" : L"%.1f", point);
    return text;
}

CString CMapArray::rpmPointText(double point)
{
    CString text;
    text.Format(L"%.0f", point);
    return text;
}

void CMapArray::showAxes(const CSettingsRecord& record)
{
    const CCorrMap& map = record.m_corrMap;
    auto& columns = *getColHdrs();
    for (size_t c = 0; c < columns.size() && c < map.m_colAxis.size(); ++c)
        columns[c]->setTxt(rpmPointText(map.m_colAxis[c]));
    auto& rows = *getRowHdrs();
    for (size_t r = 0; r < rows.size() && r < map.m_rowAxis.size(); ++r)
        rows[r]->setTxt(loadPointText(record, map.m_rowAxis[r]));
}

void CMapArray::setCurrentPoint(double rpm, double load)
{
    int column, row;
    findAxisIndices(rpm, load, column, row);
    if (CCell* previous = bodyCell(s_markColumn, s_markRow)) {
        previous->setBkColor(m_colorMode == 1 ? valueColor(getCellValue(s_markColumn, s_markRow))
                                              : s_savedColor);
        previous->setCurrent(false);
    }
    CCell* cell = bodyCell(column, row);
    if (!cell)
        return;
    s_savedColor = cell->getBkColor();
    cell->setCurrentCellColor(kMarkColor);
    cell->setCurrent(true);
    s_markColumn = column;
    s_markRow = row;
    if (m_colorMode == 0)
        s_savedColor = darkenTrail(s_savedColor, m_trailStep);
}

void CMapArray::whitenCells()
{
    for (int c = 0; c < CCorrMap::kCols; ++c)
        for (int r = 0; r < CCorrMap::kRows; ++r)
            if (CCell* cell = bodyCell(c, r))
                cell->setBkColor(kWhite);
    s_savedColor = kWhite;
}

void CMapArray::setColorScale(double step)
{
    if (step == m_trailStep)
        return;
    whitenCells();
    m_trailStep = step;
}

void CMapArray::setColorMode(int mode)
{
    if (mode == m_colorMode)
        return;
    m_colorMode = mode;
    if (mode == 0) {
        whitenCells();
    } else if (mode == 1) {
        for (int c = 0; c < CCorrMap::kCols; ++c)
            for (int r = 0; r < CCorrMap::kRows; ++r)
                setCellValue(c, r, getCellValue(c, r));
    }
}

MapSelection CMapArray::selection()
{
    MapSelection s;
    for (int c = 0; c < CCorrMap::kCols; ++c)
        for (int r = 0; r < CCorrMap::kRows; ++r)
            if (CCell* cell = bodyCell(c, r))
                s.setSel(c, r, cell->isSel());
    s.setAnchor(m_selCell.col, m_selCell.row);
    return s;
}

void CMapArray::select(const MapSelection& s)
{
    for (int c = 0; c < CCorrMap::kCols; ++c)
        for (int r = 0; r < CCorrMap::kRows; ++r)
            if (CCell* cell = bodyCell(c, r))
                cell->setSel(s.isSel(c, r));
    m_selCell = SCtrlPos{s.anchorColumn(), s.anchorRow()};
    if (GetSafeHwnd())
        Invalidate(FALSE);
}

void CMapArray::clearSelection(bool redraw)
{
    m_stepper.m_repeatCount = 0;
    for (int c = 0; c < CCorrMap::kCols; ++c)
        for (int r = 0; r < CCorrMap::kRows; ++r)
            if (CCell* cell = bodyCell(c, r))
                cell->setSel(false);
    if (redraw && GetSafeHwnd())
        Invalidate(FALSE);
}

void CMapArray::moveSelection(unsigned key)
{
    MapSelection s = selection();
    if (!s.any())
        return;
    m_stepper.m_repeatCount = 0;
    if (s.move(key))
        select(s);
}

void CMapArray::extendSelection(unsigned key)
{
    m_stepper.m_repeatCount = 0;
    MapSelection s = selection();
    if (s.extend(key))
        select(s);
}

void CMapArray::incrementSelected(int step)
{
    MapStep plan;
    if (!m_stepper.press(selection(), step, plan))
        return;
    WaitCursor wait;
    for (int c = 0; c < CCorrMap::kCols; ++c)
        for (int r = 0; r < CCorrMap::kRows; ++r)
            if (plan.region.isSel(c, r))
                setCellValue(c, r, MapStepper::stepped(int(getCellValue(c, r)), step));
    sendStep(plan);
    m_modified = true;
}

// The record never takes the cells' texts: they may be OBD means, steps
// made offline or values the controller clamps otherwise. It takes the map
// read back from the controller.
void CMapArray::sendStep(const MapStep& step)
{
    CLPGDevice* device = editableDevice();
    if (!device)
        return;
    CCorrMap& map = device->m_settings.m_corrMap;
    runSettingsHandler(this, L"CMapArray::incrementSelected", [&] {
        if (!device->writeBlock13(step.record.data()) || !device->sendAction19())
            showCantWrite(this);
        else if (!device->readCorrectionMap())
            applyStep(map, step);
    });
    showMap(map);
}
