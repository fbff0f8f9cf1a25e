#pragma once

#include "PrambleApi.h"

#include <Wfx.h>

#include <memory>

// An overtyping masked field. Mask characters: '#' any character, '$' a
// digit, '@' a letter; every other character is a literal shown as it is.
// Fields may carry value ranges, and the whole text may be checked as a
// date (dd/mm/yyyy). Edits that do not come from typing (pasting) are
// undone.
class PRAMBLE_API CExtEdit : public CEdit
{
    DECLARE_DYNCREATE(CExtEdit)

public:
    CExtEdit();
    ~CExtEdit() override;

    // The mask with every field blank; 0 without a window.
    int SetMask(CString mask);
    // Every field blank; 0 without a window.
    int Clear();
    // Takes over both arrays (allocated with new int[2 * count]): positions
    // hold the first and last character of each field, values its minimum
    // and maximum. Ranges outside the mask are ignored.
    void SetRanges(int count, int* positions, int* values);
    // Shows the date when it is a valid dd/mm/yyyy date (1); otherwise 0 and
    // nothing changes.
    int SetDate(CString date);
    int SetReadOnly(BOOL bReadOnly);
    CString GetText() const { return m_strText; }
    // Checks the text (blanking it when it fails); false without a window.
    BOOL IsOk();

protected:
    CString Mask2Text(CString mask);
    // Checks ch at the selection start, moving the selection past literals.
    BOOL CheckChar(UINT ch);
    void BackSpace();
    void SetCursor();
    void CheckText();
    BOOL CheckDate(CString s);

    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnChange();
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);

    COLORREF m_crText;
    COLORREF m_crBkgnd;
    BOOL m_bDate = FALSE;
    CString m_strMask;
    CString m_strText; // the text as last read from or written to the window
    std::unique_ptr<CBrush> m_pBrush;
    int m_nSelStart = 0;
    int m_nSelEnd = 0;
    int m_nRanges = 0;
    std::unique_ptr<int[]> m_pRangePos; // first, last of each field
    std::unique_ptr<int[]> m_pRangeVal; // minimum, maximum of each field
    bool m_bProgChange = false;         // the next change of the text is ours
    bool m_bShift = false;
    bool m_bValid = false;
    BOOL m_bReadOnly = FALSE;

    DECLARE_MESSAGE_MAP()

private:
    bool isPlaceholder(int i) const;
    void readWindow();
    void showText(int selStart, int selEnd);
    void deleteKey();
    void blankAll();
    void rejectField(int first);
    bool rangeUsable(int k) const;
    int rangeEndingAt(int i) const;
    int rangeHolding(int i) const;
    BOOL checkDigit(UINT ch);
    BOOL checkLetter(UINT ch);
};
