#pragma once

// Helpers of the drawn-control tests: GDI+ started once for the program, the
// framework tests' windows, canvas and pixel reading, and test images
// written as TIFF files.

#include <ITransparentCtrl.h>
#include <PrambleGDIp.h>
#include <WfxTestSupport.h>

#include <cstdint>
#include <string>
#include <vector>

namespace drawntest {

using wfxtest::Canvas;
using wfxtest::clientPixel;
using wfxtest::countPixels;
using wfxtest::HostWindow;
using wfxtest::MessageBoxRecorder;
using wfxtest::pumpPending;
using wfxtest::rectInParent;
using wfxtest::repaintNow;
using wfxtest::rgbNear;
using wfxtest::rgbOfColorref;

// A host window that keeps the commands its children send or post.
class CommandHost : public HostWindow
{
public:
    using HostWindow::HostWindow;
    struct Command
    {
        WPARAM wParam;
        LPARAM lParam;
    };
    std::vector<Command> commands;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
};

// A window that shows nothing but the background it was given.
class CBackdropWnd : public CWnd, public ITransparentCtrl
{
public:
    CBackdropWnd() : ITransparentCtrl(this) {}
    BOOL make(CWnd* parent, const CRect& r, UINT id)
    {
        return Create(nullptr, L"", WS_CHILD | WS_VISIBLE, r, parent, id);
    }
    using ITransparentCtrl::m_memDC;

protected:
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    DECLARE_MESSAGE_MAP()
};

// Writes a w x h TIFF of one ARGB colour; false when GDI+ can't.
bool writeSolidTiff(const std::wstring& path, int width, int height, std::uint32_t argb);

} // namespace drawntest
