#include "EditBuffer.h"

#include <algorithm>

void EditBuffer::setText(LPCWSTR text)
{
    m_text = text ? text : L"";
    m_caret = m_text.GetLength();
    m_selStart = m_selEnd = m_anchor = m_caret;
}

int EditBuffer::copyTo(LPWSTR buffer, int size) const
{
    if (!buffer || size <= 0)
        return 0;
    int n = std::min(m_text.GetLength(), size - 1);
    std::copy_n(m_text.GetString(), n, buffer);
    buffer[n] = L'\0';
    return n;
}

void EditBuffer::backspace()
{
    if (hasSelection())
        deleteSelection();
    else if (m_caret > 0)
        m_text.Delete(--m_caret);
}

void EditBuffer::deleteForward()
{
    if (hasSelection())
        deleteSelection();
    else if (m_caret < m_text.GetLength())
        m_text.Delete(m_caret);
}

void EditBuffer::left()
{
    if (m_caret > 0)
        --m_caret;
}

void EditBuffer::right()
{
    if (m_caret < m_text.GetLength())
        ++m_caret;
}

void EditBuffer::typeChar(wchar_t ch)
{
    if (ch < L' ' || ch == 0x7F)
        return;
    if (hasSelection())
        deleteSelection();
    m_text.Insert(m_caret++, ch);
}

void EditBuffer::clickAt(int pos)
{
    m_caret = m_selStart = m_selEnd = m_anchor = clamp(pos);
}

void EditBuffer::dragTo(int pos)
{
    pos = clamp(pos);
    m_selStart = std::min(pos, m_anchor);
    m_selEnd = std::max(pos, m_anchor);
}

void EditBuffer::selectAll()
{
    m_selStart = 0;
    m_selEnd = m_caret = m_text.GetLength();
}

int EditBuffer::positionAt(const std::vector<int>& widths, int x)
{
    for (int i = int(widths.size()) - 2; i >= 0; --i) {
        if ((widths[i] + widths[i + 1]) / 2 < x)
            return i + 1;
    }
    return 0;
}

int EditBuffer::clamp(int pos) const
{
    return std::clamp(pos, 0, m_text.GetLength());
}

void EditBuffer::deleteSelection()
{
    int start = clamp(m_selStart);
    m_text.Delete(start, clamp(m_selEnd) - start);
    m_caret = m_selStart = m_selEnd = m_anchor = start;
}
