#pragma once

#include <Wfx.h>

#include <map>
#include <memory>

// The in-cell editors of an extended list, one per column and owned here,
// with the one open now and the cell it stands over (x column, y row).
// Editor is the editor interface of the list (getWnd, adaptSize, onShow,
// onHide).
template <class Editor> class TExtListEditors
{
public:
    Editor* get(int col) const
    {
        auto it = m_editors.find(col);
        return it == m_editors.end() ? nullptr : it->second.get();
    }
    Editor* current() const { return m_current; }
    CPoint pos() const { return m_pos; }
    void setPos(CPoint pos) { m_pos = pos; }
    bool isOpenEditor(const CWnd* wnd) const
    {
        return m_current && wnd && wnd->m_hWnd == m_current->getWnd()->m_hWnd;
    }

    // Places the column's editor over the cell, shows it and gives it the focus.
    void open(int col, RECT cell)
    {
        Editor* editor = get(col);
        if (!editor || !editor->getWnd() || !editor->getWnd()->m_hWnd)
            return;
        editor->adaptSize(cell);
        editor->getWnd()->ShowWindow(SW_SHOW);
        m_current = editor;
        editor->onShow();
        editor->getWnd()->SetFocus();
    }
    // Ends the open editing: the editor is hidden and writes its text into
    // its cell. Also while a hidden page holds the list, so that no editor
    // stays current with a row or an editor that may go meanwhile.
    void hide()
    {
        Editor* editor = m_current;
        m_current = nullptr; // first: hiding moves the focus, which comes back here
        CWnd* wnd = editor ? editor->getWnd() : nullptr;
        if (!wnd || !wnd->m_hWnd || !(wnd->GetStyle() & WS_VISIBLE))
            return;
        wnd->ShowWindow(SW_HIDE);
        editor->onHide();
    }
    // Registers the editor for the column (null: the column has none). The
    // open editing ends first. The column's previous editor is deleted,
    // unless it is this one; an editor registered for another column moves.
    // True when one is registered.
    bool set(Editor* editor, int col)
    {
        hide();
        std::unique_ptr<Editor> kept;
        for (auto it = m_editors.begin(); editor && it != m_editors.end(); ++it)
            if (it->second.get() == editor) {
                kept = std::move(it->second);
                m_editors.erase(it);
                break;
            }
        m_editors.erase(col);
        if (!editor)
            return false;
        m_editors[col] = kept ? std::move(kept) : std::unique_ptr<Editor>(editor);
        return true;
    }
    void clear()
    {
        m_current = nullptr;
        m_editors.clear();
    }

private:
    CPoint m_pos{-1, -1};
    Editor* m_current = nullptr;
    std::map<int, std::unique_ptr<Editor>> m_editors;
};
