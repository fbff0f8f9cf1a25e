#pragma once

#include "PrambleGDIpApi.h"

#include <functional>
#include <memory>
#include <vector>

// Painting over a copy of what lies behind the control. The owner paints
// into m_memDC between beginTransparentPaint and endTransparentPaint; the
// memory context starts with the captured background. A container that
// composes its own background hands the part under each transparent child
// to that child (handBackgroundToChildren) instead of a screen capture.
// A small control keeps its memory context while its size holds; a
// background of one colour is kept as that colour.
class PRAMBLEGDIP_API ITransparentCtrl
{
public:
    explicit ITransparentCtrl(CWnd* owner);
    // The copy paints for the same owner and starts without a background.
    ITransparentCtrl(const ITransparentCtrl& other);
    ITransparentCtrl& operator=(const ITransparentCtrl&) = delete;
    virtual ~ITransparentCtrl();

    // Captures the part of the parent's client area the owner covers.
    virtual void parentBkChanged();
    virtual void beginTransparentPaint(CDC* dc);
    // Around a paint context of the owner that the mix-in opens and closes.
    virtual void beginTransparentPaint();
    virtual void endTransparentPaint(CDC* dc);
    virtual void endTransparentPaint();

    // Replaces the captured background by the picture of `bitmap`, which
    // must not be selected into a device context.
    void takeBackground(CBitmap& bitmap);
    // Gives each child of `container` that is an ITransparentCtrl the part
    // of `composed` (in the container's client coordinates) under it;
    // `beforeEach` runs before each child gets its part.
    static void handBackgroundToChildren(CWnd* container, CDC& composed,
                                         const std::function<void()>& beforeEach = {});
    static ITransparentCtrl* fromWindow(HWND hWnd);
    // Composes an opaque background of the container's client size with
    // `draw`, hands it to the transparent children and copies it to dc.
    static void composeOpaque(CWnd* container, CDC* dc, const std::function<void(CDC&)>& draw);
    // A hidden page keeps no pictures: its memory context goes, and so do
    // those and the backgrounds of the transparent controls on it, which
    // their containers hand down again when the page shows.
    static void releaseHiddenPictures(HWND page);

    // Where a control paints with no background captured yet, or with one
    // of another size: the dialog face colour.
    static COLORREF clearedColor() { return ::GetSysColor(COLOR_BTNFACE); }

    // Changes whenever the control is given another background: what was
    // drawn over the last one holds until then.
    unsigned backgroundVersion() const { return m_bkVersion; }

protected:
    // Lets go of what the control paints through, and its background too
    // when `background`.
    virtual void releasePictures(bool background);

    std::vector<BYTE> m_bkBits; // 32-bit top-down rows; empty for a background of one colour
    BITMAP m_bkInfo{};
    CWnd* m_owner;
    CDC m_memDC;
    std::unique_ptr<CPaintDC> m_paintDC;
    CBitmap m_bitmap;

private:
    CRect ownerClient() const;
    bool backgroundFits(const CRect& client) const;
    void takeBackgroundPart(CDC& source, const CRect& part);
    // Keeps `bits` (w x h, 32-bit top-down) unless they are what it holds.
    void storeBackground(const BYTE* bits, int w, int h);
    void prepareMemory(CDC* dc, int w, int h);
    void releaseMemory();

    HGDIOBJ m_oldBitmap = nullptr;
    CSize m_memSize;
    int m_memState = 0; // the memory context's state saved at the start of a paint
    DWORD m_lastPaintTick = 0;
    bool m_bkUniform = false;
    DWORD m_bkPixel = 0; // the one colour of a uniform background
    unsigned m_bkVersion = 0;
};
