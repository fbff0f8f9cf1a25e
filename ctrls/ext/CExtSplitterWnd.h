#pragma once

#include "PrambleApi.h"

#include <Wfx.h>

// The splitter of CMultiSpliterFrame: tells its border and bar sizes and
// swaps the view in a pane at run time.
class PRAMBLE_API CExtSplitterWnd : public CSplitterWnd
{
    DECLARE_DYNAMIC(CExtSplitterWnd)

public:
    CExtSplitterWnd();
    ~CExtSplitterWnd() override;

    CSize GetBorderSize() const { return CSize(m_cxBorder, m_cyBorder); }
    CSize GetSplitterSize() const { return CSize(m_cxSplitter, m_cySplitter); }
    // A view of the class, on the same document, in place of the pane's
    // view; FALSE (the old view class back in the pane) when it cannot be made.
    BOOL ChangeView(int row, int col, CRuntimeClass* viewClass);

protected:
    DECLARE_MESSAGE_MAP()

private:
    BOOL createPaneView(int row, int col, CRuntimeClass* viewClass, CDocument* document, CFrameWnd* frame);
};
