#pragma once

#include "PrambleApi.h"
#include "SSection.h"

#include <Wfx.h>

#include <memory>
#include <vector>

// A masked edit. Mask characters: '$' a digit, '#' a letter, '@' any
// character; every other character is a literal. Numeric fields may be
// limited to ranges, checked while the user types. The text shows in the
// error colour while it is incomplete or invalid.
class PRAMBLE_API CEditEx : public CEdit
{
    DECLARE_DYNCREATE(CEditEx)

public:
    CEditEx();
    ~CEditEx() override;

    // Takes effect only before the window exists.
    void setMask(const CString& mask);
    void setRanges(const std::vector<SSection>& sections);
    // n counts the integers of each array, two per section.
    void setRanges(int n, int* positions, int* values);
    void appendRanges(const std::vector<SSection>& sections);
    void appendRanges(int n, int* positions, int* values);
    // An index outside the sections throws std::out_of_range.
    void setRange(int index, int min, int max);
    void setRange(int index, const SRange& range);
    void setBkgrd(COLORREF colour) { m_bkgrd = colour; }
    void setFrgrd(COLORREF colour) { m_frgrd = colour; }
    void setErrorCol(COLORREF colour) { m_errorCol = colour; }
    void setClearOnKill(bool clear) { m_clearOnKill = clear; }

    CString getText() const;
    // Blanks every field.
    void clear();
    // Complete, and every character fits its mask position and range.
    virtual bool isOk() const;

    void PreSubclassWindow() override;

protected:
    void KillFocus();
    bool isMask() const { return !m_mask.IsEmpty(); }
    bool inMask(int i) const { return i >= 0 && i < m_mask.GetLength(); }
    int getCaretPos() const;
    void setCaretPos(int i) { SetSel(i, i); }
    void replaceChar(int i, wchar_t ch);
    void setChar(int i, wchar_t ch);
    void clearChar(int i) { replaceChar(i, L' '); }
    void clearChars(int from, int to);
    void clearSelChars();
    bool findSection(int i, SSection& section) const;
    bool checkChar(int i, wchar_t ch) const;
    bool isDigit(int i, wchar_t ch) const;
    bool isAlpha(int i, wchar_t ch) const;
    bool checkRange(int i, wchar_t ch) const;
    // True when the character or key was handled here.
    bool doChar(UINT ch);
    bool doKeyDown(UINT vk);

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg LRESULT OnCut(WPARAM, LPARAM);
    afx_msg LRESULT OnPaste(WPARAM, LPARAM);
    afx_msg LRESULT OnClear(WPARAM, LPARAM);
    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);

    std::unique_ptr<CBrush> m_brush;
    CString m_mask;
    std::vector<SSection> m_sections;
    COLORREF m_bkgrd;
    COLORREF m_frgrd;
    COLORREF m_errorCol = 0x000000FF;
    bool m_clearOnKill = true;

    DECLARE_MESSAGE_MAP()

private:
    void showBlankMask();
    bool isPlaceholder(int i) const;
    CString clipboardText();
};
