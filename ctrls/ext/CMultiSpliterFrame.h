#pragma once

#include "CExtSplitterWnd.h"
#include "PrambleApi.h"

#include <Wfx.h>

#include <memory>
#include <vector>

// One view of a splitter's description.
struct SViewDesc
{
    int row;
    int col;
    CRuntimeClass* viewClass;
    int width;
    int height;
};

// One row (kind 0) or column (kind 1) size of a splitter's description.
struct SPaneSize
{
    int kind;
    int index;
    int ideal;
    int minimum;
};

// One splitter window: its grid, the pane of an earlier splitter it sits in
// (not for the first), its style, its views and its sizes.
struct SSplitterDesc
{
    int rows;
    int cols;
    int parent;
    int row;
    int col;
    DWORD style;
    std::vector<SViewDesc> views;
    std::vector<SPaneSize> sizes;
};

// An MDI child frame made of nested static splitters and their views, as
// its description (filled by the deriving class) says.
class PRAMBLE_API CMultiSpliterFrame : public CMDIChildWnd
{
    DECLARE_DYNCREATE(CMultiSpliterFrame)

public:
    CMultiSpliterFrame();
    ~CMultiSpliterFrame() override;

protected:
    BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;

    std::vector<SSplitterDesc> m_description;
    std::vector<std::unique_ptr<CExtSplitterWnd>> m_splitters;

private:
    bool descriptionValid() const;
    BOOL createSplitter(const SSplitterDesc& desc, size_t index, CCreateContext* pContext);
};
