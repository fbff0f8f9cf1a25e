#pragma once

#include "IGDIpGradientRectPack.h"
#include "IOwnFontCtrl.h"

#include <vector>

// Records the child controls of a window with the size it was designed at
// and moves them in proportion when the window's size changes. The font of
// the own-font part is handed to the children.
class PRAMBLEGDIP_API ISizableCtrlsContainer : public IOwnFontCtrl, public IGDIpGradientRectPack
{
public:
    // A child's rectangle at recording time, in the container's client
    // coordinates.
    struct CtrlRecord
    {
        int id;
        int left;
        int top;
        int right;
        int bottom;
    };

    explicit ISizableCtrlsContainer(CWnd* container);
    ISizableCtrlsContainer(const ISizableCtrlsContainer& other) = default;
    ISizableCtrlsContainer& operator=(const ISizableCtrlsContainer& other);
    ~ISizableCtrlsContainer() override;

    virtual void recalcControls();

    UINT getOrygWidth() const { return m_orygWidth; }
    UINT getOrygHeight() const { return m_orygHeight; }
    const std::vector<CtrlRecord>& getCtrlRecords() const { return m_ctrlRecords; }

protected:
    void setOrygSize(UINT cx, UINT cy);
    void create(CREATESTRUCT* cs);
    // Records the children as they stand now; a second call records them
    // afresh instead of adding them twice.
    void init();
    void resizeCtrl(int id, int dx, int dy);

    CWnd* m_container;
    UINT m_orygWidth = 0;
    UINT m_orygHeight = 0;
    std::vector<CtrlRecord> m_ctrlRecords;
    bool m_recorded = false;

private:
    CtrlRecord recordOf(HWND child) const;
    void placeChild(HWND child, const CtrlRecord& record, double sx, double sy);
};
