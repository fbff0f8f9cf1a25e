#pragma once

#include "PrambleApi.h"

#include <CListCtrl.h>

class CFileDial;

// The file dialog's list of folders (item data 1) and files (item data 2).
class PRAMBLE_API CFileList : public CListCtrl
{
public:
    enum : DWORD_PTR
    {
        folderItem = 1,
        fileItem = 2,
    };

    void setOwner(CFileDial* owner) { m_owner = owner; }

protected:
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);

    DECLARE_MESSAGE_MAP()

private:
    int itemAt(CPoint point) const;

    CFileDial* m_owner = nullptr;
};
