#include "CFileDial.h"

#include "FileDialIds.h"

#include <CDataExchange.h>
#include <CFile.h>
#include <CFileFind.h>
#include <WfxResources.h>

#include <windows.h>

BEGIN_MESSAGE_MAP(CFileDial, CDialog)
ON_BN_CLICKED(IDC_UP, &CFileDial::onUp)
ON_CBN_SELCHANGE(IDC_FILE_TYPE, &CFileDial::onFileTypeChange)
ON_CBN_SELCHANGE(IDC_DRIVE, &CFileDial::onDriveChange)
ON_BN_CLICKED(IDC_NEW_FOLDER, &CFileDial::onNewFolder)
ON_WM_SIZE()
END_MESSAGE_MAP()

namespace {

HINSTANCE libraryInstance()
{
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&libraryInstance), &module);
    return module;
}

// The current folder, however long.
std::wstring currentDirectory()
{
    DWORD size = GetCurrentDirectoryW(0, nullptr);
    std::wstring folder(size, L'\0');
    DWORD length = size ? GetCurrentDirectoryW(size, &folder[0]) : 0;
    folder.resize(length < size ? length : 0);
    return folder;
}

// A name that stays inside the folder: no separators, no reserved
// characters, not "." or "..".
bool isPlainName(const std::wstring& name)
{
    if (name.empty() || name == L"." || name == L"..")
        return false;
    for (wchar_t ch : name)
        if (ch < 32 || wcschr(L"\\/:*?\"<>|", ch))
            return false;
    return true;
}

// A folder link goes with RemoveDirectoryW; some systems keep a link to a
// folder as a file link, which DeleteFileW removes. Neither follows it.
bool removeLink(const std::wstring& path)
{
    return RemoveDirectoryW(path.c_str()) || DeleteFileW(path.c_str());
}

} // namespace

CFileDial::CFileDial(CWnd* parent) : CDialog(IDD_FILE_DIAL, parent), m_oldResource(AfxGetResourceHandle())
{
    AfxSetResourceHandle(libraryInstance());
}

CFileDial::~CFileDial()
{
    setOldResourceHandle();
}

void CFileDial::setOldResourceHandle()
{
    AfxSetResourceHandle(m_oldResource);
}

void CFileDial::init(bool open, std::wstring defaultExt, std::wstring folder, std::vector<CFileFilter> types)
{
    if (folder.empty())
        folder = currentDirectory();
    if (!defaultExt.empty() && defaultExt[0] != L'.')
        defaultExt = L"." + defaultExt;
    m_path.setDefaultExt(defaultExt);
    m_path.setOpenMode(open ? 1 : 0);
    m_initialFolder = std::move(folder);
    m_fileTypes = std::move(types);
}

void CFileDial::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_FILE_LIST, m_list);
    DDX_Control(pDX, IDC_DRIVE, m_drives);
    DDX_Control(pDX, IDC_FILE_TYPE, m_types);
    DDX_Control(pDX, IDC_UP, m_upButton);
    DDX_Control(pDX, IDC_NEW_FOLDER, m_newFolderButton);
    DDX_Text(pDX, IDC_FILE_NAME, m_fileName);
    DDX_Text(pDX, IDC_FOLDER, m_folder);
}

BOOL CFileDial::OnInitDialog()
{
    m_ended = false;
    CDialog::OnInitDialog();
    bool open = m_path.isOpenMode();
    m_list.setOwner(this);
    SetWindowText(open ? L"Otwieranie" : L"Zapisz jako");
    if (m_upBitmap.LoadBitmap(IDB_FILE_DIAL_UP))
        m_upButton.SetBitmap(m_upBitmap);
    if (m_newFolderBitmap.LoadBitmap(IDB_FILE_DIAL_NEW_FOLDER))
        m_newFolderButton.SetBitmap(m_newFolderBitmap);
    SetDlgItemText(IDOK, open ? L"Otwórz" : L"Zapisz");
    SetDlgItemText(IDC_FOLDER_GROUP, open ? L"Otwórz w:" : L"Zapisz w:");
    parsePath(m_initialFolder, true);
    if (m_ended)
        return TRUE; // the initial path already named the file
    initLogicalDisk();
    initFileType();
    insertCol();
    refreshList();
    return TRUE;
}

bool CFileDial::parsePath(std::wstring text, bool refresh)
{
    bool parsed = m_path.parsePath(std::move(text));
    if (parsed && refresh)
        refreshList();
    return parsed;
}

void CFileDial::initLogicalDisk()
{
    DWORD drives = GetLogicalDrives();
    for (int bit = 0; bit < 32; ++bit) {
        if (!(drives & (1u << bit)))
            continue;
        wchar_t name[3] = {wchar_t(L'a' + bit), L':', 0};
        m_drives.AddString(name);
    }
    selectModelDrive();
}

void CFileDial::selectModelDrive()
{
    std::wstring drive = m_path.getDrive();
    m_drives.SetCurSel(drive.empty() ? -1 : m_drives.FindString(-1, drive.c_str()));
}

void CFileDial::initFileType()
{
    for (const CFileFilter& type : m_fileTypes)
        m_types.AddString(type.getDescription().c_str());
    if (m_fileTypes.empty())
        return;
    m_types.SetCurSel(0);
    parsePath(m_fileTypes[0].getMask(), false);
}

void CFileDial::insertCol()
{
    if (m_images.Create(IDB_FILE_DIAL_ICONS, 16, 1, RGB(255, 255, 255)))
        m_list.SendMessage(LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(m_images.m_hImageList));
    m_list.InsertColumn(0, L"file name", LVCFMT_LEFT, 80);
}

bool CFileDial::isExt(const std::wstring& text)
{
    size_t dot = text.rfind(L'.');
    size_t slash = text.rfind(L'\\');
    return !text.empty() && dot != std::wstring::npos && (slash == std::wstring::npos || dot > slash);
}

// Ends the dialog when the model holds the file to return; an existing file
// in save mode only when the user agrees to replace it.
bool CFileDial::endWithChosenFile()
{
    if (!m_path.isFileChosen())
        return false;
    if (!m_path.isOpenMode() && m_path.isExistingFile() &&
        MessageBox(L"Czy zamienić istniejący plik?", L"Plik już istnieje", MB_YESNO | MB_ICONEXCLAMATION) !=
            IDYES) {
        // Declined: the file is no longer chosen, so nothing later returns it.
        m_path.clearFileName();
        setFileNameField(CString());
        return false;
    }
    setOldResourceHandle();
    m_ended = true;
    EndDialog(IDOK);
    return true;
}

void CFileDial::refreshList()
{
    if (endWithChosenFile())
        return;
    m_folder = m_path.getFolderPath().c_str();
    SetDlgItemText(IDC_FOLDER, m_folder);
    fillList();
    selectModelDrive();
}

void CFileDial::fillList()
{
    m_list.DeleteAllItems();
    int count = 0;
    auto add = [&](const CString& name, int image, DWORD_PTR data) {
        LVITEMW item = {};
        item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
        item.iItem = count;
        item.pszText = const_cast<LPWSTR>(LPCWSTR(name));
        item.iImage = image;
        item.lParam = LPARAM(data);
        if (m_list.InsertItem(&item) >= 0)
            ++count;
    };
    CFileFind folders;
    for (BOOL more = folders.FindFile(m_path.getFolderSearchPattern().c_str()); more;) {
        more = folders.FindNextFile();
        if (!folders.IsDots() && folders.IsDirectory())
            add(folders.GetFileName(), 0, CFileList::folderItem);
    }
    CFileFind files;
    for (BOOL more = files.FindFile(m_path.getFileSearchPattern().c_str()); more;) {
        more = files.FindNextFile();
        if (!files.IsDots() && !files.IsDirectory())
            add(files.GetFileName(), 1, CFileList::fileItem);
    }
}

void CFileDial::setFileNameField(const CString& text)
{
    m_fileName = text;
    SetDlgItemText(IDC_FILE_NAME, text);
}

void CFileDial::onUp()
{
    parsePath(L"..", true);
}

void CFileDial::OnOK()
{
    GetDlgItemText(IDC_FILE_NAME, m_fileName);
    if (!m_fileName.IsEmpty()) {
        parsePath(m_fileName.str(), true);
        return;
    }
    int selected = m_list.GetNextItem(-1, LVNI_SELECTED);
    if (selected >= 0)
        parsePath(m_list.GetItemText(selected, 0).str(), true);
}

void CFileDial::OnCancel()
{
    setOldResourceHandle();
    CDialog::OnCancel();
}

void CFileDial::onFileTypeChange()
{
    int selected = m_types.GetCurSel();
    if (selected < 0 || size_t(selected) >= m_fileTypes.size())
        return;
    m_path.setMask(m_fileTypes[size_t(selected)].getMask());
    setFileNameField(CString());
    refreshList();
}

void CFileDial::onDriveChange()
{
    std::wstring before = m_path.getFolderPath();
    CString drive;
    int selected = m_drives.GetCurSel();
    if (selected >= 0)
        m_drives.GetLBText(selected, drive);
    if (!parsePath(drive.str(), true))
        parsePath(before, true);
}

bool CFileDial::askFolderName(CNewFolderNameDial& dialog, const wchar_t* failure)
{
    if (dialog.DoModal() != IDOK || dialog.m_name.IsEmpty())
        return false;
    if (isPlainName(dialog.m_name.str()))
        return true;
    MessageBox(failure, nullptr, MB_ICONERROR);
    return false;
}

void CFileDial::onNewFolder()
{
    const wchar_t* failure = L"Nie udało się stworzyć nowego folderu";
    CNewFolderNameDial dialog(this);
    if (!askFolderName(dialog, failure))
        return;
    if (CreateDirectoryW((m_path.getFolderPath() + dialog.m_name.str()).c_str(), nullptr))
        refreshList();
    else
        MessageBox(failure, nullptr, MB_ICONERROR);
}

// The entry's name; empty when the index names no entry, which must never
// stand for the folder shown.
std::wstring CFileDial::entryName(int item) const
{
    if (item < 0 || item >= m_list.GetItemCount())
        return std::wstring();
    std::wstring name = m_list.GetItemText(item, 0).str();
    return isPlainName(name) ? name : std::wstring();
}

void CFileDial::onDeleteFile(int item)
{
    std::wstring name = entryName(item);
    std::wstring path = m_path.getFolderPath() + name;
    bool folder = !name.empty() && CFilePath::isFolder(path);
    if (name.empty() || (!folder && !CFilePath::isFile(path))) {
        MessageBox(L"Obiektu nie można usunąć");
        return;
    }
    std::wstring question = folder ? L"Czy na pewno usunąć folder '" + name + L"' i całą jego zawartość?"
                                   : L"Czy na pewno usunąć plik '" + name + L"' ?";
    if (MessageBox(question.c_str(), nullptr, MB_YESNO) != IDYES)
        return;
    if (folder ? removeFolder(path) : DeleteFileW(path.c_str()) != FALSE)
        refreshList();
    else
        MessageBox(folder ? L"Błąd przy usuwaniu folderu" : L"Błąd przy usuwaniu pliku");
}

// Empties and removes a folder. A link (junction or symbolic link) is removed
// itself and never followed, so nothing outside the folder is touched.
bool CFileDial::removeFolder(const std::wstring& path)
{
    DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return false;
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT)
        return removeLink(path);
    WIN32_FIND_DATAW found;
    HANDLE find = FindFirstFileW((path + L"\\*.*").c_str(), &found);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = found.cFileName;
            if (name == L"." || name == L"..")
                continue;
            std::wstring entry = path + L"\\" + name;
            bool removed = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                               ? removeFolder(entry)
                               : DeleteFileW(entry.c_str()) != FALSE;
            if (!removed) {
                FindClose(find);
                return false;
            }
        } while (FindNextFileW(find, &found));
        FindClose(find);
    }
    return RemoveDirectoryW(path.c_str()) != FALSE;
}

void CFileDial::onRenameFile(int item)
{
    const wchar_t* failure = L"Nie udało się zmienić nzawy folderu";
    std::wstring oldName = entryName(item);
    if (oldName.empty()) {
        MessageBox(failure);
        return;
    }
    CNewFolderNameDial dialog(this);
    dialog.m_caption = L"Zmiana nazwy folderu";
    dialog.m_name = oldName.c_str();
    if (!askFolderName(dialog, failure))
        return;
    try {
        CFile::Rename((m_path.getFolderPath() + oldName).c_str(),
                      (m_path.getFolderPath() + dialog.m_name.str()).c_str());
    } catch (CFileException* error) {
        error->Delete();
        MessageBox(failure);
        return;
    }
    refreshList();
}

void CFileDial::OnSize(UINT, int, int)
{
    Default();
    CWnd* ok = GetDlgItem(IDOK);
    CWnd* cancel = GetDlgItem(IDCANCEL);
    if (!ok || !cancel)
        return;
    CRect window;
    GetWindowRect(&window);
    ScreenToClient(&window);
    ok->MoveWindow(window.right - 5 - 80, window.bottom - 5 - 25, 80, 25);
    cancel->MoveWindow(window.right - 5 - 80, window.bottom - 40 - 25, 80, 25);
}
