#pragma once

#include "PrambleGDIpApi.h"

#include <vector>

// The text, caret and selection of a self-drawn single-line edit and what
// keys, characters and the mouse do to them. Positions are indices into the
// text (0 = before the first character) and always stay inside it.
class PRAMBLEGDIP_API EditBuffer
{
public:
    const CString& text() const { return m_text; }
    int caret() const { return m_caret; }
    int selStart() const { return m_selStart; }
    int selEnd() const { return m_selEnd; }
    bool hasSelection() const { return m_selStart != m_selEnd; }

    // A new text: caret at its end, nothing selected.
    void setText(LPCWSTR text);
    // Copies at most size - 1 characters and a terminating zero into buffer;
    // the number of characters copied (0, and nothing written, for size 0).
    int copyTo(LPWSTR buffer, int size) const;

    void backspace();
    void deleteForward();
    void home() { m_caret = 0; }
    void end() { m_caret = m_text.GetLength(); }
    void left();
    void right();
    // Replaces the selection, or inserts at the caret. Control characters are
    // dropped: a value typed into the field never holds them.
    void typeChar(wchar_t ch);

    // A click: caret, selection and anchor at pos.
    void clickAt(int pos);
    // Dragging with the button held: the selection spans the anchor and pos.
    void dragTo(int pos);
    void selectAll();

    // The position whose boundary lies nearest left of x, given the prefix
    // widths of the text (widths[i] = width of its first i characters).
    static int positionAt(const std::vector<int>& widths, int x);

private:
    int clamp(int pos) const;
    void deleteSelection();

    CString m_text;
    int m_caret = 0;
    int m_selStart = 0;
    int m_selEnd = 0;
    int m_anchor = 0;
};
