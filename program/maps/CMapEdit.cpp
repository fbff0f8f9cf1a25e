#include "CMapEdit.h"

#include "CMapArray.h"
#include "MapAxes.h"
#include "SettingsHandler.h"

#include <CCellArrayEdit.h>
#include <CLPGDevice.h>

#include <cmath>

namespace {

CSettingsRecord& currentRecord()
{
    static CSettingsRecord offline;
    return g_pDevice ? g_pDevice->m_settings : offline;
}

// Writes the axis with `point` changed and reads it back; a failure puts the
// old point back, so the header and the record show what the controller holds.
void writeAxisPoint(CMapArray* table, double& point, double value)
{
    CLPGDevice* device = editableDevice();
    if (!device || std::fabs(point - value) < 1e-9)
        return;
    const double old = point;
    point = value;
    bool written = false;
    runSettingsHandler(table, L"CMapEdit::getText", [&] {
        written = writeSettingsBlock(table, &CLPGDevice::writeBlock34);
        if (written)
            device->readBlock34();
    });
    if (!written)
        point = old;
}

} // namespace

CMapEdit::CMapEdit(CCellArrayEdit* edit) : CItemEdit(edit) {}

CMapEdit::~CMapEdit() = default;

CMapArray* CMapEdit::table()
{
    CWnd& wnd = getWindow();
    CWnd* parent = wnd.GetSafeHwnd() ? wnd.GetParent() : nullptr;
    return dynamic_cast<CMapArray*>(parent);
}

CString CMapEdit::getText()
{
    CString text = CItemEdit::getText();
    text.Replace(L",", L".");
    CMapArray* owner = table();
    const SCtrlPos pos = owner ? owner->getCtrlPos() : SCtrlPos{};
    const double value = _wtof(text);
    if (pos.col == -1 && pos.row >= 0)
        return loadPointText(pos.row, value, text.IsEmpty());
    if (pos.row == -1 && pos.col >= 0)
        return rpmPointText(pos.col, value, text.IsEmpty());
    CString cell;
    cell.Format(L"%.0f", value);
    return cell;
}

// An empty or refused point leaves the header as the record has it.
CString CMapEdit::loadPointText(int row, double value, bool empty)
{
    CSettingsRecord& record = currentRecord();
    double& point = record.m_corrMap.m_rowAxis[row];
    double held = point;
    if (empty || !editLoadPoint(record, row, value, held))
        return CMapArray::loadPointText(record, point);
    if (!editableDevice())
        return CMapArray::loadPointText(record, held);
    writeAxisPoint(table(), point, held);
    return CMapArray::loadPointText(record, point);
}

CString CMapEdit::rpmPointText(int column, double value, bool empty)
{
    CSettingsRecord& record = currentRecord();
    double& point = record.m_corrMap.m_colAxis[column];
    double held = point;
    if (empty || !editRpmPoint(record.m_corrMap, column, value, held))
        return CMapArray::rpmPointText(point);
    if (!editableDevice())
        return CMapArray::rpmPointText(held);
    writeAxisPoint(table(), point, held);
    return CMapArray::rpmPointText(point);
}
