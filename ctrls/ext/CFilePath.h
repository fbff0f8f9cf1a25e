#pragma once

#include "PrambleApi.h"

#include <string>
#include <vector>

// The model behind the file dialog: the folder shown, the mask files are
// listed with and the file picked or named. Whatever the user types is
// tried on a working copy and committed only when it makes sense, so a
// rejected entry leaves everything as it was.
class PRAMBLE_API CFilePath
{
public:
    // One snapshot of the dialog's position.
    class PRAMBLE_API CFilePathCache
    {
    public:
        CFilePathCache();
        CFilePathCache(const CFilePathCache&);
        CFilePathCache& operator=(const CFilePathCache&);
        virtual ~CFilePathCache();

        // The folders joined with "\" and ended with one "\" (empty without folders).
        std::wstring joinFolders() const;
        std::wstring getFolderSearchPattern() const;
        std::wstring getFileSearchPattern() const;
        std::wstring getFilePath() const;
        std::wstring getFileName() const;
        // The first two characters of joinFolders() + text.
        std::wstring getDrive(const std::wstring& text) const;
        void cutToDrive();
        void removeDrive();
        // Appends a folder; "." stays, ".." goes up but never above the drive.
        void appendFolder(const std::wstring& folder);
        bool removeLastFolder();

        std::wstring m_fileName;
        std::wstring m_newFileName;
        std::wstring m_mask;
        std::vector<std::wstring> m_folders;
    };

    CFilePath();
    virtual ~CFilePath();

    // Interprets a typed or double-clicked entry; false (after telling the
    // user) when it makes no sense here.
    bool parsePath(std::wstring text);

    std::wstring getFolderPath() const { return m_current.joinFolders(); }
    std::wstring getFilePath() const { return m_current.getFilePath(); }
    std::wstring getFileName() const { return m_current.getFileName(); }
    std::wstring getFolderSearchPattern() const { return m_current.getFolderSearchPattern(); }
    std::wstring getFileSearchPattern() const { return m_current.getFileSearchPattern(); }
    std::wstring getDrive() const { return m_current.getDrive(std::wstring()); }
    const std::wstring& getMask() const { return m_current.m_mask; }

    void setMask(std::wstring mask) { m_current.m_mask = std::move(mask); }
    void setDefaultExt(std::wstring ext) { m_defaultExt = std::move(ext); }
    void setOpenMode(int open) { m_openMode = open == 1; }
    bool isOpenMode() const { return m_openMode; }
    bool isFileChosen() const;
    bool isExistingFile() const { return !m_current.m_fileName.empty(); }
    // Forgets the file picked or named; the folder stays.
    void clearFileName();

    static bool exists(const std::wstring& path);
    static bool isFolder(const std::wstring& path);
    static bool isFile(const std::wstring& path);
    static bool hasWildcards(const std::wstring& text);

protected:
    bool applyPath(const std::wstring& text);

private:
    std::wstring splitIntoWorking(const std::wstring& text);
    void chooseLeaf(const std::wstring& leaf, bool textHasExt);

    CFilePathCache m_current;
    CFilePathCache m_working;
    std::wstring m_defaultExt;
    bool m_openMode = true;
};
