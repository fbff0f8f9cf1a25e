#pragma once

#include "CExtPropertyPage.h"
#include "CExtTabCtrl.h"
#include "PrambleApi.h"

#include <CPropertySheet.h>

#include <memory>
#include <vector>

class CArchive;

// A property sheet that owns its pages, can disable single pages (greyed
// tabs that mouse and keyboard skip) and tells every page after closing
// whether the user confirmed.
class PRAMBLE_API CExtPropSheet : public CPropertySheet
{
public:
    CExtPropSheet();
    explicit CExtPropSheet(CString caption);
    ~CExtPropSheet() override;

    // The sheet takes the page over.
    void addPage(CExtPropertyPage* page);
    // Removes and destroys the page at that position; nothing for another index.
    void removePage(int index);
    // The active page stays as it is.
    void Enable(BYTE page, BOOL enable);
    void enableAllPages(bool enable);
    int doModal();
    void onOK();
    void onCancel();
    void serialize(CArchive& archive);

    CExtTabCtrl& tabCtrl() { return m_tab; }
    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    void updateProps(bool ok);

private:
    std::vector<std::unique_ptr<CExtPropertyPage>> m_extPages;
    CExtTabCtrl m_tab;
};
