#pragma once

#include "COrvoButton.h"
#include "COrvoEdit.h"
#include "COrvoSpinButtonCtrl.h"
#include "MapAxes.h"

#include <CSkinDlg.h>
#include <CTransparentStatic.h>

class CSettingsRecord;

// "Map coordinates": the first and last point of the load axis and of the
// RPM axis, between which the page spreads both axes. OK keeps the dialog
// open while the limits are out of range or give axes the controller
// cannot hold in order.
class CMapDefinitionDlg : public CSkinDlg
{
public:
    explicit CMapDefinitionDlg(CWnd* parent = nullptr);
    ~CMapDefinitionDlg() override;

    BOOL OnInitDialog() override;

    // The axes of the four limits as the controller will hold them.
    LoadAxis heldLoadAxis() const;
    RpmAxis heldRpmAxis() const;
    // The limits are in range and give axes the controller holds in order.
    bool limitsFit() const;

    double m_minValue = 0.0;
    double m_maxValue = 50.0;
    double m_minRpm = 500.0;
    double m_maxRpm = 8000.0;
    // The record whose map type says how load points are held.
    const CSettingsRecord* m_record = nullptr;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    afx_msg void OnDeltaposSpinMinValue(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnDeltaposSpinMaxValue(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnDeltaposSpinMinRpm(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnDeltaposSpinMaxRpm(NMHDR* pNMHDR, LRESULT* pResult);

    DECLARE_MESSAGE_MAP()

private:
    struct Field;
    static const Field kFields[4];
    double& value(const Field& field);
    double readEdit(const Field& field);
    void showValue(const Field& field);
    void spin(int index, NMHDR* pNMHDR, LRESULT* pResult);

    CTransparentStatic m_labels[4];
    COrvoEdit m_edits[4];
    COrvoSpinButtonCtrl m_spins[4];
    COrvoButton m_ok;
    COrvoButton m_cancel;
};
