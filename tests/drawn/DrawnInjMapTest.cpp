#include "ControlTestSupport.h"

#include <array>

using namespace drawntest;

namespace {

using Groups = std::array<BYTE, 8>;

// A 200 x 200 map: cells of (200 - 27) / 8 = 21 pixels, 3 apart.
class InjMap : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(map.Create(CRect(0, 0, 200, 200), &host, 9));
        for (int k = 0; k < 8; ++k)
            map.m_injColors[k] = RGB(10 * k, 0, 255 - 10 * k);
        map.init(8);
    }
    Groups groups() const
    {
        Groups out{};
        map.getInjConfigMap(out.data());
        return out;
    }
    void click(int i, int j)
    {
        const CRect r(map.m_points[i][j].m_rect);
        map.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(r.CenterPoint().x, r.CenterPoint().y));
    }

    HostWindow host;
    CInjConfigMap map;
};

} // namespace

TEST_F(InjMap, InitClampsTheCountAndLaysOutTheCells)
{
    map.init(0);
    EXPECT_EQ(8, map.m_n);
    map.init(9);
    EXPECT_EQ(8, map.m_n);
    EXPECT_EQ(CRect(3, 3, 24, 24), CRect(map.m_points[0][0].m_rect));
    EXPECT_EQ(CRect(27, 51, 48, 72), CRect(map.m_points[1][2].m_rect));
    map.init(4);
    EXPECT_TRUE(map.m_points[3][3].m_enabled);
    EXPECT_FALSE(map.m_points[4][0].m_enabled);
    EXPECT_EQ(0xD7DCE1u, map.m_points[4][0].m_lowerColor);
    EXPECT_EQ(0xFFFFFFu, map.m_points[3][3].m_upperColor);
}

TEST_F(InjMap, GroupBytesRoundTripWithinTheActiveSquare)
{
    Groups in{0x03, 0x04, 0x08, 0, 0, 0, 0, 0x10};
    map.setInjConfigMap(in.data());
    EXPECT_EQ(in, groups());
    EXPECT_TRUE(map.m_points[1][0].m_selected);
    EXPECT_EQ(map.m_injColors[0], map.m_points[1][0].m_lowerColor); // the group's colour below
    EXPECT_EQ(map.m_injColors[1], map.m_points[1][0].m_upperColor); // the injector's above

    map.init(4);
    Groups wide{0xF1, 0x02, 0, 0, 0x04, 0, 0, 0};
    map.setInjConfigMap(wide.data());
    EXPECT_EQ((Groups{0x01, 0x02, 0, 0, 0, 0, 0, 0}), groups());

    // An injector named in two groups stays in the first.
    map.init(8);
    Groups twice{0x01, 0x01, 0, 0, 0, 0, 0, 0};
    map.setInjConfigMap(twice.data());
    EXPECT_EQ((Groups{0x01, 0, 0, 0, 0, 0, 0, 0}), groups());
}

TEST_F(InjMap, ClicksToggleOnPressAndKeepOneCellPerInjector)
{
    click(2, 1);
    EXPECT_EQ(0x04, groups()[1]); // on the press, no release needed
    click(2, 5);                  // the same injector in another group: it moves
    EXPECT_EQ(0, groups()[1]);
    EXPECT_EQ(0x04, groups()[5]);
    click(3, 5);
    EXPECT_EQ(0x0C, groups()[5]);
    click(2, 5); // a selected cell clears
    EXPECT_EQ(0x08, groups()[5]);
    EXPECT_EQ(0xFFFFFFu, map.m_points[2][5].m_lowerColor);

    map.init(4);
    click(6, 1); // disabled
    EXPECT_EQ(Groups{}, groups());
    map.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 1)); // in a gap
    EXPECT_EQ(Groups{}, groups());
}

TEST_F(InjMap, SequenceGroupsCloseValuesEachInjectorOnce)
{
    inj_map_sequence_t seq = {5.0, 5.5, 9.0, 0, 0, 0, 0, 0};
    map.setInjConfigMapFromSequence(seq);
    EXPECT_EQ((Groups{0x03, 0, 0x04, 0, 0, 0, 0, 0}), groups());

    // 5.6 is close to both 5.0 and 6.0: it stays with the first group.
    inj_map_sequence_t chain = {5.0, 6.0, 5.6, 0, 0, 0, 0, 0};
    map.setInjConfigMapFromSequence(chain);
    EXPECT_EQ((Groups{0x05, 0x02, 0, 0, 0, 0, 0, 0}), groups());

    // 0 never leads a group but joins one after it.
    inj_map_sequence_t zeros = {0, 0.5, 0, 0, 0, 0, 0, 0};
    map.setInjConfigMapFromSequence(zeros);
    EXPECT_EQ((Groups{0, 0xFE, 0, 0, 0, 0, 0, 0}), groups());
}

TEST_F(InjMap, PaintsBothHalvesOfASelectedCell)
{
    map.m_injColors[0] = RGB(255, 0, 0);
    map.m_injColors[1] = RGB(0, 0, 255);
    Groups in{0x02, 0, 0, 0, 0, 0, 0, 0}; // injector 1 in group 0
    map.setInjConfigMap(in.data());
    for (int i = 0; i < 200; ++i)
        repaintNow(host);
    const CRect r(map.m_points[1][0].m_rect);
    EXPECT_TRUE(isRed(clientPixel(map, r.left + 3, r.bottom - 4)));  // lower: group 0
    EXPECT_EQ(0x0000FFu, clientPixel(map, r.right - 4, r.top + 3));  // upper: injector 1
    EXPECT_EQ(0xFFFFFFu, clientPixel(map, r.left + 30, r.top + 10)); // a free cell
    EXPECT_EQ(0xE1DCD7u, clientPixel(map, 1, 1));                    // the background
}
