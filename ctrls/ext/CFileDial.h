#pragma once

#include "CFileFilter.h"
#include "CFileList.h"
#include "CFilePath.h"
#include "CNewFolderNameDial.h"
#include "PrambleApi.h"

#include <CBitmap.h>
#include <CButton.h>
#include <CComboBox.h>
#include <CDialog.h>
#include <CImageList.h>

#include <string>
#include <vector>

// The library's own modal open/save dialog: drives, an "up" and a
// new-folder button, the folder's folders and files (delete and rename on
// right click), a file name and a file type. Its templates and bitmaps are
// this library's, so it makes the library the resource handle while it lives.
class PRAMBLE_API CFileDial : public CDialog
{
public:
    explicit CFileDial(CWnd* parent = nullptr);
    ~CFileDial() override;

    // Before DoModal. An empty folder is the current folder.
    void init(bool open, std::wstring defaultExt, std::wstring folder, std::vector<CFileFilter> types);
    // Valid after DoModal returned IDOK.
    std::wstring getFolderPath() const { return m_path.getFolderPath(); }
    std::wstring getFileName() const { return m_path.getFileName(); }
    std::wstring getFilePath() const { return m_path.getFilePath(); }
    void setOldResourceHandle();

    void onDeleteFile(int item);
    void onRenameFile(int item);

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    void OnCancel() override;

protected:
    bool parsePath(std::wstring text, bool refresh);
    void refreshList();
    void insertCol();
    void initLogicalDisk();
    void initFileType();
    static bool isExt(const std::wstring& text);
    bool removeFolder(const std::wstring& path);

    afx_msg void onUp();
    afx_msg void onFileTypeChange();
    afx_msg void onDriveChange();
    afx_msg void onNewFolder();
    afx_msg void OnSize(UINT nType, int cx, int cy);

    DECLARE_MESSAGE_MAP()

private:
    friend class CFileList;

    bool endWithChosenFile();
    void fillList();
    void selectModelDrive();
    void setFileNameField(const CString& text);
    std::wstring entryName(int item) const;
    // Asks for a folder name; false when cancelled or the name is no plain name.
    bool askFolderName(CNewFolderNameDial& dialog, const wchar_t* failure);

    CFileList m_list;
    CComboBox m_drives;
    CComboBox m_types;
    CButton m_upButton;
    CButton m_newFolderButton;
    CString m_fileName;
    CString m_folder;
    std::wstring m_initialFolder;
    std::vector<CFileFilter> m_fileTypes;
    CFilePath m_path;
    CImageList m_images;
    CBitmap m_upBitmap;
    CBitmap m_newFolderBitmap;
    HINSTANCE m_oldResource;
    bool m_ended = false; // a file was chosen and the dialog ended
};
