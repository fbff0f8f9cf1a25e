#pragma once

#include "COrangeCheckBox.h"
#include "COrangeStatic.h"
#include "COrvoButton.h"
#include "CStrValueCmbBox.h"
#include "IMultilangGUI.h"

#include <CExtImage.h>
#include <CGDIpMultiPageDialog.h>

#include <array>
#include <cstdint>
#include <string>

class CLPGDevice;

// The page "Credit And Inspection": the credit and inspection reminders, each
// switched on with an end some hours of gas running ahead, and the password
// lock of the controller. It never reads the controller: it shows and edits
// the record and writes blocks 26, 19 and 3.
class CLockDlgMPD : public CGDIpMultiPageDialog, public IMultilangGUI
{
    DECLARE_DYNAMIC(CLockDlgMPD)

public:
    using LockImage = std::array<uint8_t, 60>;

    explicit CLockDlgMPD(CWnd* pParent = nullptr);
    ~CLockDlgMPD() override;

    BOOL OnInitDialog() override;
    void v_init() override;
    void v_activate() override;
    void v_translate() override;

    // The counter value of the gas running time (half-seconds) at which
    // `hours` more hours will have passed, counted from the whole hours so far.
    static uint32_t endCount(uint32_t gasCounter, unsigned hours);
    // The password stored in a lock block image: its non-zero password bytes.
    static std::string storedPassword(const LockImage& image);

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg void OnClickedChkLpgNotAllowed();
    afx_msg void OnClickedChkInspection();
    afx_msg void OnSelendokCmbSetCredit();
    afx_msg void OnSelendokCmbSetService();
    afx_msg void OnClickedButtonLock();

    DECLARE_MESSAGE_MAP()

private:
    void fillHours(CStrValueCmbBox& list, bool on);
    void showLockState(bool locked);
    void setCredit(CLPGDevice& device, unsigned hours);
    void setInspection(CLPGDevice& device, unsigned hours);
    bool readGasHours(CLPGDevice& device);
    void lock(CLPGDevice& device, const std::string& typed);
    void unlock(CLPGDevice& device, const std::string& typed);
    bool writeLockImage(CLPGDevice& device, const LockImage& image);
    void enableViewPages(bool locked);
    void showLockMessage(const wchar_t* text);

    CExtImage m_selectedImage;
    CExtImage m_unselectedImage;
    COrangeCheckBox m_chkCredit;
    BOOL m_credit = FALSE;
    COrangeCheckBox m_chkInspection;
    BOOL m_inspection = FALSE;
    COrangeStatic m_labels[4];
    CStrValueCmbBox m_cmbInspection;
    CStrValueCmbBox m_cmbCredit;
    COrvoButton m_lockButton;
};
