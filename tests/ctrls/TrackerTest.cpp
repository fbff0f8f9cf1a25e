#include "PointerKept.h"
#include "WfxTestSupport.h"

#include <CRectTrackerEx.h>

#include <gtest/gtest.h>

namespace {

// A tracker as an owner window would derive it, with an answer for the cursor to test.
class BoxTracker : public CRectTrackerEx
{
public:
    BoxTracker() : CRectTrackerEx(CRect(50, 50, 150, 130), solidLine | resizeInside) {}

    void drawContent(CDC* pDC) const override { Draw(pDC); }
    int getCursor(int handle, int flag) const override
    {
        return cursorAnswer < -1 ? CRectTrackerEx::getCursor(handle, flag) : cursorAnswer;
    }

    int cursorAnswer = -2; // -2: the library's own choice
};

class Tracker : public testing::Test
{
protected:
    wfxtest::HostWindow host;
    BoxTracker tracker;

    // Presses on a point, drags through the others and lets go at the last.
    int drag(std::initializer_list<CPoint> points)
    {
        auto it = points.begin();
        EXPECT_EQ(1, tracker.onLButtonDown(MK_LBUTTON, *it, &host, nullptr, FALSE));
        for (++it; it != points.end(); ++it)
            tracker.onMouseMove(MK_LBUTTON, *it);
        return tracker.onLButtonUp(0, *(points.end() - 1));
    }
};

} // namespace

TEST_F(Tracker, UnselectedIgnoresEveryMessage)
{
    EXPECT_FALSE(tracker.isSel());
    EXPECT_EQ(0, tracker.onLButtonDown(0, CPoint(100, 90), &host, nullptr, FALSE));
    EXPECT_EQ(0, tracker.onMouseMove(0, CPoint(120, 100)));
    EXPECT_EQ(0, tracker.onLButtonUp(0, CPoint(120, 100)));
    EXPECT_EQ(0, tracker.onRButtonDown(0, CPoint(0, 0)));
    EXPECT_EQ(0, tracker.onKeyDown(VK_ESCAPE, 1, 0));
    EXPECT_EQ(0, tracker.onSetCursor(&host, HTCLIENT, 0));
    EXPECT_EQ(0, tracker.onLButtonDblDown(0, CPoint(100, 90)));
    EXPECT_EQ(CRect(50, 50, 150, 130), tracker.m_rect);
}

TEST_F(Tracker, SelectionFollowsTheHandleUnderThePoint)
{
    EXPECT_TRUE(tracker.setSel(CPoint(100, 90), FALSE, TRUE));
    EXPECT_EQ(CRectTracker::hitMiddle, tracker.getHandle());
    EXPECT_TRUE(tracker.setSel(CPoint(51, 51), FALSE, TRUE));
    EXPECT_EQ(CRectTracker::hitTopLeft, tracker.getHandle());
    EXPECT_TRUE(tracker.setSel(CPoint(148, 128), FALSE, TRUE));
    EXPECT_EQ(CRectTracker::hitBottomRight, tracker.getHandle());
    EXPECT_TRUE(tracker.setSel(CPoint(100, 51), FALSE, TRUE));
    EXPECT_EQ(CRectTracker::hitTop, tracker.getHandle());
    EXPECT_FALSE(tracker.setSel(CPoint(10, 10), FALSE, TRUE));
    EXPECT_FALSE(tracker.setSel(CPoint(100, 90), FALSE, FALSE));

    // Toggling flips the selection only on the tracker.
    EXPECT_TRUE(tracker.setSel(CPoint(100, 90), TRUE, TRUE));
    EXPECT_EQ(CRectTracker::hitMiddle, tracker.getHandle());
    EXPECT_TRUE(tracker.setSel(CPoint(10, 10), TRUE, TRUE));
    EXPECT_FALSE(tracker.setSel(CPoint(100, 90), TRUE, TRUE));
    EXPECT_EQ(CPoint(100, 90), tracker.getCenter());
}

TEST_F(Tracker, DraggingTheMiddleMovesAndAHandleResizes)
{
    tracker.setSel(CPoint(100, 90), FALSE, TRUE);
    EXPECT_EQ(1, drag({CPoint(100, 90), CPoint(110, 95), CPoint(120, 100)}));
    EXPECT_EQ(CRect(70, 60, 170, 140), tracker.m_rect);
    EXPECT_FALSE(tracker.isTracking());

    // The grabbed corner keeps its distance from the mouse.
    tracker.setSel(CPoint(168, 138), FALSE, TRUE);
    ASSERT_EQ(CRectTracker::hitBottomRight, tracker.getHandle());
    EXPECT_EQ(1, drag({CPoint(168, 138), CPoint(200, 180)}));
    EXPECT_EQ(CRect(70, 60, 202, 182), tracker.m_rect);

    // A side handle changes one coordinate only.
    tracker.setSel(CPoint(71, 120), FALSE, TRUE);
    ASSERT_EQ(CRectTracker::hitLeft, tracker.getHandle());
    drag({CPoint(71, 120), CPoint(41, 10)});
    EXPECT_EQ(CRect(40, 60, 202, 182), tracker.m_rect);
}

TEST_F(Tracker, ClickWithoutMovingReselectsTheHandleUnderThePoint)
{
    tracker.setSel(CPoint(100, 90), FALSE, TRUE);
    EXPECT_EQ(1, drag({CPoint(51, 51)}));
    EXPECT_EQ(CRectTracker::hitTopLeft, tracker.getHandle());
    EXPECT_EQ(CRect(50, 50, 150, 130), tracker.m_rect);

    tracker.setSel(CPoint(100, 90), FALSE, TRUE);
    EXPECT_EQ(1, tracker.onLButtonDown(0, CPoint(10, 10), &host, nullptr, FALSE));
    EXPECT_EQ(2, tracker.onLButtonUp(0, CPoint(10, 10))); // nothing under the point any more
    EXPECT_FALSE(tracker.isSel());
    EXPECT_EQ(CRect(50, 50, 150, 130), tracker.m_rect);
}

TEST_F(Tracker, EscapeAndRightClickRestoreOnlyWhileTracking)
{
    tracker.setSel(CPoint(100, 90), FALSE, TRUE);
    tracker.onLButtonDown(MK_LBUTTON, CPoint(100, 90), &host, nullptr, FALSE);
    tracker.onMouseMove(MK_LBUTTON, CPoint(130, 90));
    EXPECT_EQ(CRect(80, 50, 180, 130), tracker.m_rect);
    EXPECT_EQ(1, tracker.onKeyDown(VK_ESCAPE, 1, 0));
    EXPECT_EQ(CRect(50, 50, 150, 130), tracker.m_rect);
    EXPECT_FALSE(tracker.isTracking());
    EXPECT_EQ(0, tracker.onKeyDown('A', 1, 0));

    tracker.onLButtonDown(MK_LBUTTON, CPoint(100, 90), &host, nullptr, FALSE);
    tracker.onMouseMove(MK_LBUTTON, CPoint(100, 120));
    EXPECT_EQ(1, tracker.onRButtonDown(0, CPoint(100, 120)));
    EXPECT_EQ(CRect(50, 50, 150, 130), tracker.m_rect);

    // After a finished drag there is nothing to restore.
    drag({CPoint(100, 90), CPoint(110, 90)});
    EXPECT_EQ(CRect(60, 50, 160, 130), tracker.m_rect);
    EXPECT_EQ(1, tracker.onKeyDown(VK_ESCAPE, 1, 0));
    EXPECT_EQ(1, tracker.onRButtonDown(0, CPoint(0, 0)));
    EXPECT_EQ(1, tracker.onLButtonUp(0, CPoint(0, 0)));
    EXPECT_EQ(1, tracker.onMouseMove(0, CPoint(0, 0)));
    EXPECT_EQ(CRect(60, 50, 160, 130), tracker.m_rect);
}

TEST_F(Tracker, ACopyTakenWhileTrackingDragsOnlyItself)
{
    tracker.setSel(CPoint(148, 128), FALSE, TRUE);
    tracker.onLButtonDown(MK_LBUTTON, CPoint(148, 128), &host, nullptr, FALSE);
    tracker.onMouseMove(MK_LBUTTON, CPoint(158, 138));
    BoxTracker copy;
    copy = tracker;
    BoxTracker constructed(tracker);
    copy.onMouseMove(MK_LBUTTON, CPoint(178, 148));
    constructed.onMouseMove(MK_LBUTTON, CPoint(98, 98));
    EXPECT_EQ(CRect(50, 50, 160, 140), tracker.m_rect);
    EXPECT_EQ(CRect(50, 50, 180, 150), copy.m_rect);
    EXPECT_EQ(CRect(50, 50, 100, 100), constructed.m_rect);
    EXPECT_EQ(1, copy.onKeyDown(VK_ESCAPE, 1, 0));
    EXPECT_EQ(CRect(50, 50, 150, 130), copy.m_rect);
    EXPECT_EQ(1, tracker.onLButtonUp(0, CPoint(158, 138)));
    EXPECT_EQ(CRect(50, 50, 160, 140), tracker.m_rect);
}

TEST_F(Tracker, CursorFollowsTheHandleUnderTheMouse)
{
    PointerKept pointer;
    tracker.setSel(CPoint(100, 90), FALSE, TRUE);
    auto cursorOver = [&](CPoint client, int flag = 0) {
        CPoint screen = client;
        host.ClientToScreen(&screen);
        SetCursorPos(screen.x, screen.y);
        SetCursor(nullptr);
        int answer = tracker.onSetCursor(&host, HTCLIENT, flag);
        return answer ? GetCursor() : nullptr;
    };
    EXPECT_EQ(CRectTrackerEx::cursorAt(0), cursorOver(CPoint(51, 51)));
    EXPECT_EQ(CRectTrackerEx::cursorAt(1), cursorOver(CPoint(148, 51)));
    EXPECT_EQ(CRectTrackerEx::cursorAt(4), cursorOver(CPoint(100, 51)));
    EXPECT_EQ(CRectTrackerEx::cursorAt(5), cursorOver(CPoint(148, 90)));
    EXPECT_EQ(CRectTrackerEx::cursorAt(8), cursorOver(CPoint(100, 90)));
    EXPECT_EQ(CRectTrackerEx::cursorAt(8), cursorOver(CPoint(51, 51), 1));
    EXPECT_EQ(nullptr, cursorOver(CPoint(10, 10)));
    EXPECT_NE(CRectTrackerEx::cursorAt(0), CRectTrackerEx::cursorAt(1));
    EXPECT_EQ(0, tracker.onSetCursor(&host, HTCAPTION, 0));

    tracker.cursorAnswer = 42; // outside the table
    EXPECT_EQ(nullptr, cursorOver(CPoint(100, 90)));
    tracker.cursorAnswer = 9;
    EXPECT_EQ(CRectTrackerEx::cursorAt(9), cursorOver(CPoint(100, 90)));
}

TEST_F(Tracker, DrawingTheOutlineLeavesNoTraceWhenTheDragEnds)
{
    wfxtest::repaintNow(host);
    std::uint32_t before = wfxtest::clientPixel(host, 80, 50);
    tracker.setSel(CPoint(100, 90), FALSE, TRUE);
    tracker.onLButtonDown(MK_LBUTTON, CPoint(100, 90), &host, nullptr, FALSE);
    tracker.onMouseMove(MK_LBUTTON, CPoint(130, 90));
    tracker.onMouseMove(MK_LBUTTON, CPoint(130, 91));
    tracker.onLButtonUp(0, CPoint(130, 91));
    EXPECT_EQ(before, wfxtest::clientPixel(host, 80, 51));
    EXPECT_EQ(before, wfxtest::clientPixel(host, 110, 51));
}

TEST(FrameworkTracker, HandlesFollowAnInvertedRectangleAndSmallOnesLoseTheirSides)
{
    CRectTracker inverted(CRect(150, 130, 50, 50), CRectTracker::solidLine | CRectTracker::resizeInside);
    // Seen top-left is where the right and bottom coordinates are.
    EXPECT_EQ(CRectTracker::hitBottomRight, inverted.HitTest(CPoint(51, 51)));
    EXPECT_EQ(CRectTracker::hitTopLeft, inverted.NormalizeHit(CRectTracker::hitBottomRight));
    EXPECT_EQ(CRectTracker::hitLeft, inverted.NormalizeHit(CRectTracker::hitRight));
    EXPECT_EQ(CRectTracker::hitMiddle, inverted.HitTest(CPoint(100, 90)));
    EXPECT_EQ(CRectTracker::hitNothing, inverted.HitTest(CPoint(10, 10)));

    CRectTracker small(CRect(0, 0, 14, 14), CRectTracker::resizeInside);
    EXPECT_EQ(0x0Fu, small.GetHandleMask());
    EXPECT_EQ(CRectTracker::hitMiddle, small.HitTest(CPoint(7, 1)));
    EXPECT_EQ(CRectTracker::hitBottomRight, small.HitTest(CPoint(13, 13)));

    wfxtest::Canvas canvas(200, 160);
    CRectTracker drawn(CRect(50, 50, 150, 130), CRectTracker::solidLine | CRectTracker::resizeInside);
    drawn.Draw(&canvas.dc());
    EXPECT_EQ(0x000000u, canvas.rgb(75, 49));  // the line round the rectangle
    EXPECT_EQ(0x000000u, canvas.rgb(51, 51));  // a corner handle, inverted
    EXPECT_EQ(0xFFFFFFu, canvas.rgb(100, 90)); // the inside stays
    EXPECT_EQ(0xFFFFFFu, canvas.rgb(100, 40));
}
