// The menu's shared geometry with a fixed-pitch font: every place is an exact number.
#include "rules/Bevel.h"
#include "rules/ControlSize.h"
#include "rules/FontTwins.h"
#include "rules/MenuGrid.h"
#include "rules/PicturePlacement.h"
#include "rules/TextRows.h"

#include <gtest/gtest.h>

namespace {

// 7 pixels a character, cells 16 tall, characters 13.
class FixedPitch : public rules::TextMetrics
{
public:
    int Width(std::u16string_view text) const override { return 7 * int(text.size()); }
    int CellHeight() const override { return 16; }
    int CharHeight() const override { return 13; }
};

const FixedPitch kPitch;

std::vector<std::u16string> Pieces(std::u16string_view line, const std::vector<rules::Piece> &pieces)
{
    std::vector<std::u16string> out;
    for (const rules::Piece &p : pieces)
        out.emplace_back(line.substr(p.start, p.length));
    return out;
}

TEST(MenuGeometry, WrapBreaksAfterTheLastSpaceThatFitsAndKeepsALongWordWhole)
{
    // Four characters fit, five do not.
    EXPECT_EQ(Pieces(u"one two three", rules::WrapLine(kPitch, u"one two three", 28)),
              (std::vector<std::u16string>{u"one ", u"two ", u"three"}));
    EXPECT_EQ(Pieces(u"abcdefgh  ij", rules::WrapLine(kPitch, u"abcdefgh  ij", 28)),
              (std::vector<std::u16string>{u"abcdefgh", u"ij"}));
    EXPECT_EQ(Pieces(u"a\r\n\rb\n", rules::SplitLines(u"a\r\n\rb\n")),
              (std::vector<std::u16string>{u"a", u"", u"b", u""}));
}

TEST(MenuGeometry, TextRowsStepByCharHeightAndSpacingAlignAndStopAtTheBottom)
{
    const std::vector<std::u16string_view> lines{u"one two three", u"", u"x"};
    rules::TextLook look;
    look.width = 28;
    look.height = 100;
    look.rowSpacing = 2;
    look.shadowExtent = 1;
    look.alignment = rules::Alignment::Right;
    const std::vector<rules::TextRow> rows = rules::TextRows(kPitch, lines, look);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0].y, 2);
    EXPECT_EQ(rows[1].y, 18);   // 13 + shadow 1 + spacing 2
    EXPECT_EQ(rows[2].x, 28 - 36);
    EXPECT_EQ(rows[3].line, 2u);
    EXPECT_EQ(rows[3].y, 66);   // the empty line took a row
    EXPECT_EQ(rows[3].x, 20);
    look.alignment = rules::Alignment::Center;
    look.height = 34;   // the first line's rows reach it: the rest is not laid out
    const std::vector<rules::TextRow> cut = rules::TextRows(kPitch, lines, look);
    ASSERT_EQ(cut.size(), 3u);
    EXPECT_EQ(cut[0].x, 0);   // (28 - 29) / 2
    look.wordWrap = false;
    EXPECT_EQ(rules::TextRows(kPitch, lines, look).size(), 1u);
}

TEST(MenuGeometry, ShorteningKeepsTheLongestBeginningThatFitsWithDots)
{
    auto shorten = [](long long limit, int shadow) { return rules::Shorten(kPitch, u"abcdefgh", limit, shadow); };
    EXPECT_FALSE(shorten(56, 0).ellipsis);   // an exact fit stays whole
    EXPECT_EQ(shorten(56, 0).width, 56);
    const rules::Shortened one = shorten(55, 0);
    EXPECT_TRUE(one.ellipsis);
    EXPECT_EQ(one.keep, 4u);
    EXPECT_EQ(one.width, 49);
    EXPECT_EQ(shorten(56, 2).keep, 4u);   // the shadow counts
    EXPECT_EQ(shorten(56, 2).width, 51);
    const rules::Shortened none = shorten(20, 0);
    EXPECT_EQ(none.keep, 0u);
    EXPECT_EQ(none.width, 21);   // "..." alone
}

rules::MenuLook Look()
{
    rules::MenuLook look;
    look.width = 200;
    look.height = 100;
    look.rowSpacing = 4;
    look.buttonWidth = 50;
    look.buttonHeight = 20;
    look.autoColumns = true;
    return look;
}

TEST(MenuGeometry, GridFitsRowsToTheHeightAndColumnsToTheEntries)
{
    rules::MenuLook look = Look();
    const rules::MenuGrid grid = rules::MakeGrid(kPitch, look, 9);
    EXPECT_EQ(grid.rows, 4);   // 100 / (20 + 4)
    EXPECT_EQ(grid.cols, 3);
    EXPECT_EQ(grid.columnWidth, 66);
    auto at = [&](int index) { return rules::ItemRect(kPitch, look, rules::MakeGrid(kPitch, look, 9), index, u"x"); };
    EXPECT_EQ(at(5).left, 66);
    EXPECT_EQ(at(5).top, 24);
    look.alignment = rules::Alignment::Center;
    EXPECT_EQ(at(5).left, 74);
    look.alignment = rules::Alignment::Right;
    EXPECT_EQ(at(5).left, 82);
    look.horizAlloc = true;   // along the rows: the third column
    EXPECT_EQ(at(5).left, 148);
    EXPECT_EQ(at(5).top, 24);
    look.autoColumns = false;
    look.columns = 7;
    EXPECT_EQ(rules::MakeGrid(kPitch, look, 9).cols, 4);
    look.columns = 0;
    EXPECT_EQ(rules::MakeGrid(kPitch, look, 9).cols, 1);
    look.buttonHeight = 0;
    look.rowSpacing = 0;
    EXPECT_EQ(rules::MakeGrid(kPitch, look, 9).rows, 1);   // no pitch: one row
}

TEST(MenuGeometry, AutoSizedButtonsFollowTheTextTheSkinAndTheColumn)
{
    rules::MenuLook look = Look();
    look.autoSize = true;
    look.shadowExtent = 2;
    look.padHorizontal = 6;
    look.padVertical = 4;
    const rules::Size text = rules::ButtonSize(kPitch, look, u"abc", 100);
    EXPECT_EQ(text.width, 29);
    EXPECT_EQ(text.height, 22);
    look.style = rules::ButtonStyleKind::Skinned;
    look.skin = {40, 10};
    EXPECT_EQ(rules::ButtonSize(kPitch, look, u"abc", 100).width, 40);
    EXPECT_EQ(rules::ButtonSize(kPitch, look, u"abc", 100).height, 22);
    EXPECT_EQ(rules::ButtonSize(kPitch, look, u"abc", 33).width, 33);
}

TEST(MenuGeometry, ItemAtHitsInsideButtonsOnlyNotTheGaps)
{
    const rules::MenuLook look = Look();
    const std::vector<std::u16string_view> texts{u"a", u"b"};
    EXPECT_EQ(rules::ItemAt(kPitch, look, texts, 49, 19), 0);
    EXPECT_EQ(rules::ItemAt(kPitch, look, texts, 50, 0), -1);
    EXPECT_EQ(rules::ItemAt(kPitch, look, texts, 0, 20), -1);
    EXPECT_EQ(rules::ItemAt(kPitch, look, texts, 0, 24), 1);
    EXPECT_EQ(rules::ItemAt(kPitch, look, texts, 0, 24 + 20), -1);
}

TEST(MenuGeometry, CaptionsFollowAlignmentAndPaddingCentredInHeight)
{
    rules::CaptionLook look{rules::Alignment::Left, 5, 3, 0, false};
    const rules::Rect button{10, 20, 100, 30};
    EXPECT_EQ(rules::PlaceCaption(kPitch, look, button, u"abc").x, 15);
    EXPECT_EQ(rules::PlaceCaption(kPitch, look, button, u"abc").y, 30);
    look.alignment = rules::Alignment::Right;
    EXPECT_EQ(rules::PlaceCaption(kPitch, look, button, u"abc").x, 84);
    look.alignment = rules::Alignment::Center;
    EXPECT_EQ(rules::PlaceCaption(kPitch, look, button, u"abc").x, 49);
    look.shorten = true;   // a menu button's caption against its width less the padding
    const rules::Caption cut = rules::PlaceCaption(kPitch, look, rules::Rect{0, 0, 40, 16}, u"abcdefgh");
    EXPECT_EQ(cut.text.keep, 2u);
    EXPECT_EQ(cut.x, 2);   // (40 - 35) / 2
}

TEST(MenuGeometry, PicturesScaleToTheControlKeepingProportionsAtUnevenRatios)
{
    const rules::PictureFit stretchKeep{true, true, true};
    const rules::Rect tall = rules::PictureRect({3, 7}, {30, 20}, stretchKeep);
    EXPECT_EQ(tall.width, 8);
    EXPECT_EQ(tall.height, 20);
    EXPECT_EQ(tall.left, 11);
    const rules::Rect flat = rules::PictureRect({1000, 1}, {50, 40}, rules::PictureFit{false, true, true});
    EXPECT_EQ(flat.width, 50);
    EXPECT_EQ(flat.height, 0);
    EXPECT_EQ(flat.top, 20);
    const rules::Rect small = rules::PictureRect({3, 7}, {30, 20}, rules::PictureFit{false, true, false});
    EXPECT_EQ(small.width, 3);   // proportional alone does not enlarge
    EXPECT_EQ(small.height, 7);
    const rules::Rect dot = rules::PictureRect({1, 1}, {5, 3}, rules::PictureFit{true, false, false});
    EXPECT_EQ(dot.width, 5);
    EXPECT_EQ(dot.height, 3);
    EXPECT_EQ(rules::PictureRect({2, 3}, {10, 10}, stretchKeep).width, 6);
}

std::vector<int> Samples(int source, int dest)
{
    const rules::PixelSampler s(source, dest);
    std::vector<int> out;
    for (int i = 0; i < dest; ++i)
        out.push_back(s.At(i));
    return out;
}

TEST(MenuGeometry, SamplingTakesThePixelUnderEachTargetCentre)
{
    EXPECT_EQ(Samples(3, 7), (std::vector<int>{0, 0, 1, 1, 1, 2, 2}));
    EXPECT_EQ(Samples(7, 3), (std::vector<int>{1, 3, 5}));
    EXPECT_EQ(Samples(1000, 1), (std::vector<int>{499}));
    EXPECT_EQ(Samples(1, 1000), std::vector<int>(1000, 0));
    EXPECT_EQ(rules::KeyColor(false, 0xFF123456u), 0x123456u);
    EXPECT_EQ(rules::KeyColor(true, 0x123456u), 0xFFFFFFu);
}

TEST(MenuGeometry, LimitsAndAutoSize)
{
    EXPECT_EQ(rules::Constrain(5, 10, 8), 10);   // the minimum wins
    EXPECT_EQ(rules::Constrain(300, 0, 200), 200);
    EXPECT_EQ(rules::Constrain(-5, 0, 0), 0);
    EXPECT_EQ(rules::Constrain(INT_MAX, 0, 0), rules::kMaxControlSize);
    rules::Control c;
    c.left = INT_MIN;
    c.width = 64;
    c.height = 64;
    EXPECT_EQ(rules::ControlRect(c).left, -rules::kFarPixel);
    const rules::Rect none = rules::AutoSizedRect(c, true, {});
    EXPECT_EQ(none.width, 0);   // auto-sized without a picture: nothing to press
    EXPECT_EQ(none.height, 0);
    c.minWidth = 10;
    const rules::Rect picture = rules::AutoSizedRect(c, true, {3, 7});
    EXPECT_EQ(picture.width, 10);
    EXPECT_EQ(picture.height, 7);
    EXPECT_EQ(rules::AutoSizedRect(c, false, {3, 7}).height, 64);
}

TEST(MenuGeometry, BevelsRaisedAndSunkenAndDegenerate)
{
    const std::vector<rules::BevelLine> raised = rules::BevelLines({0, 0, 4, 3}, false);
    ASSERT_EQ(raised.size(), 6u);
    EXPECT_EQ(raised[0].color, rules::BevelColor::DarkShadow);
    EXPECT_EQ(raised[0].rect.left, 3);
    EXPECT_EQ(raised[1].rect.top, 2);
    EXPECT_EQ(raised[1].rect.width, 4);
    EXPECT_EQ(raised[3].rect.width, 3);   // the light top stops short of the dark corner
    EXPECT_EQ(raised[4].color, rules::BevelColor::Shadow);
    EXPECT_EQ(raised[4].rect.left, 2);
    EXPECT_EQ(raised[5].rect.width, 2);
    const std::vector<rules::BevelLine> dot = rules::BevelLines({5, 5, 1, 1}, true);
    ASSERT_EQ(dot.size(), 2u);
    EXPECT_EQ(dot[0].color, rules::BevelColor::Highlight);
    EXPECT_TRUE(rules::BevelLines({0, 0, 0, 5}, true).empty());
    const std::vector<rules::Rect> border = rules::BorderLines({0, 0, 5, 4});
    ASSERT_EQ(border.size(), 4u);
    EXPECT_EQ(border[1].top, 3);
    EXPECT_EQ(border[3].left, 4);
}

TEST(MenuGeometry, FontTwinsAreFoundWithoutRegardToCase)
{
    EXPECT_TRUE(rules::HasMetricTwin("times new roman"));
    EXPECT_EQ(rules::FindFontTwin("CALIBRI")->freeName, "Carlito");
    EXPECT_FALSE(rules::HasMetricTwin("Tahoma"));    // only a stand-in
    EXPECT_FALSE(rules::HasMetricTwin("Cambria"));   // a twin without Russian letters
    EXPECT_FALSE(rules::HasMetricTwin("Arial "));
    EXPECT_EQ(rules::FindFontTwin("DejaVu Sans"), nullptr);
}

} // namespace
