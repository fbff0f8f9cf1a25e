#include "CMultiSpliterFrame.h"

IMPLEMENT_DYNCREATE(CMultiSpliterFrame, CMDIChildWnd)

namespace {

bool insideGrid(int row, int col, int rows, int cols)
{
    return row >= 0 && col >= 0 && row < rows && col < cols;
}

// The splitter's own views and sizes name cells of its grid, each cell once.
bool entryValid(const SSplitterDesc& desc)
{
    if (desc.rows < 1 || desc.cols < 1)
        return false;
    std::vector<bool> taken(size_t(desc.rows * desc.cols), false);
    for (const SViewDesc& view : desc.views) {
        if (!view.viewClass || !insideGrid(view.row, view.col, desc.rows, desc.cols))
            return false;
        size_t cell = size_t(view.row * desc.cols + view.col);
        if (taken[cell])
            return false;
        taken[cell] = true;
    }
    for (const SPaneSize& size : desc.sizes)
        if ((size.kind == 0 && (size.index < 0 || size.index >= desc.rows)) ||
            (size.kind == 1 && (size.index < 0 || size.index >= desc.cols)))
            return false;
    return true;
}

} // namespace

CMultiSpliterFrame::CMultiSpliterFrame() = default;

CMultiSpliterFrame::~CMultiSpliterFrame() = default;

// Each splitter sits in a pane of an earlier one that holds no view and no
// other splitter.
bool CMultiSpliterFrame::descriptionValid() const
{
    std::vector<std::vector<bool>> taken;
    for (size_t i = 0; i < m_description.size(); ++i) {
        const SSplitterDesc& desc = m_description[i];
        if (!entryValid(desc))
            return false;
        taken.emplace_back(size_t(desc.rows * desc.cols), false);
        for (const SViewDesc& view : desc.views)
            taken.back()[size_t(view.row * desc.cols + view.col)] = true;
        if (i == 0)
            continue;
        if (desc.parent < 0 || size_t(desc.parent) >= i)
            return false;
        const SSplitterDesc& parent = m_description[size_t(desc.parent)];
        if (!insideGrid(desc.row, desc.col, parent.rows, parent.cols))
            return false;
        std::vector<bool>::reference cell =
            taken[size_t(desc.parent)][size_t(desc.row * parent.cols + desc.col)];
        if (cell)
            return false;
        cell = true;
    }
    return true;
}

BOOL CMultiSpliterFrame::createSplitter(const SSplitterDesc& desc, size_t index, CCreateContext* pContext)
{
    m_splitters.push_back(std::make_unique<CExtSplitterWnd>());
    CExtSplitterWnd& splitter = *m_splitters.back();
    CWnd* parent = this;
    UINT id = AFX_IDW_PANE_FIRST;
    if (index > 0) {
        CExtSplitterWnd& host = *m_splitters[size_t(desc.parent)];
        parent = &host;
        id = UINT(host.IdFromRowCol(desc.row, desc.col));
    }
    if (!splitter.CreateStatic(parent, desc.rows, desc.cols, desc.style, id))
        return FALSE;
    for (const SPaneSize& size : desc.sizes) {
        if (size.kind == 0)
            splitter.SetRowInfo(size.index, size.ideal, size.minimum);
        else if (size.kind == 1)
            splitter.SetColumnInfo(size.index, size.ideal, size.minimum);
    }
    for (const SViewDesc& view : desc.views)
        if (!splitter.CreateView(view.row, view.col, view.viewClass, CSize(view.width, view.height),
                                 pContext))
            return FALSE;
    if (index > 0)
        m_splitters[size_t(desc.parent)]->RecalcLayout();
    return TRUE;
}

BOOL CMultiSpliterFrame::OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext)
{
    if (!descriptionValid())
        return FALSE;
    for (size_t i = 0; i < m_description.size(); ++i)
        if (!createSplitter(m_description[i], i, pContext))
            return FALSE;
    return TRUE;
}
