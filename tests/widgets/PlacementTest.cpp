#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QWidget>

#include "support/QtPrinting.h"
#include "widgets/Placement.h"

namespace {

struct Fit
{
    const char *name;
    QRect frame;
    QRect fitted;
};

void PrintTo(const Fit &f, std::ostream *os) { *os << f.name; }

// An area that does not start at the origin, as a second screen's does.
const QRect Area(100, 50, 640, 480);

class FittedIntoAnArea : public ::testing::TestWithParam<Fit>
{
};

TEST_P(FittedIntoAnArea, MovesTheFrameJustFarEnough)
{
    EXPECT_EQ(FittedInto(GetParam().frame, Area), GetParam().fitted);
}

INSTANTIATE_TEST_SUITE_P(
    Frames, FittedIntoAnArea,
    ::testing::Values(Fit{"Inside", {200, 100, 300, 200}, {200, 100, 300, 200}},
                      Fit{"FillingIt", {100, 50, 640, 480}, {100, 50, 640, 480}},
                      Fit{"PastTheRightEdge", {600, 100, 300, 200}, {440, 100, 300, 200}},
                      Fit{"PastTheBottom", {200, 400, 300, 200}, {200, 330, 300, 200}},
                      Fit{"PastTheLeftAndTop", {0, 0, 300, 200}, {100, 50, 300, 200}},
                      Fit{"PastTheBottomRightCorner", {700, 500, 300, 200}, {440, 330, 300, 200}},
                      // Too large to fit: its top-left corner, with the title bar, stays in.
                      Fit{"WiderThanIt", {300, 100, 800, 200}, {100, 100, 800, 200}},
                      Fit{"TallerThanIt", {200, 300, 300, 600}, {200, 50, 300, 600}}),
    [](const auto &info) { return std::string(info.param.name); });

// A window whose frame's top-left corner belongs at a fixed point.
class PlacedWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window.setFixedSize(200, 100);
        placement.PlaceOnNextShow();
    }
    void Show()
    {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    const QPoint designed{50, 60};
    QMargins given;
    QWidget window;
    FramePlacement placement{&window, [this](const QMargins &frame) {
                                 given = frame;
                                 return QRect(designed, window.size().grownBy(frame));
                             }};
};

TEST_F(PlacedWindow, PutsItsFrameNotItsInsideAtTheDesignedPlace)
{
    ASSERT_NO_FATAL_FAILURE(Show());
    const QRect frame = window.frameGeometry();
    const QRect inside = window.geometry();
    ASSERT_NE(frame, inside) << "the platform draws no frame";
    EXPECT_EQ(frame.topLeft(), designed);
    EXPECT_EQ(given, QMargins(inside.left() - frame.left(), inside.top() - frame.top(),
                              frame.right() - inside.right(), frame.bottom() - inside.bottom()));
}

TEST_F(PlacedWindow, ShownAgainStaysWhereTheUserPutItUntilPlacedAgain)
{
    ASSERT_NO_FATAL_FAILURE(Show());
    window.move(300, 200);
    window.hide();
    ASSERT_NO_FATAL_FAILURE(Show());
    EXPECT_EQ(window.frameGeometry().topLeft(), QPoint(300, 200));

    window.hide();
    placement.PlaceOnNextShow();
    ASSERT_NO_FATAL_FAILURE(Show());
    EXPECT_EQ(window.frameGeometry().topLeft(), designed);
}

TEST(FramePlacement, KeepsTheFrameOnTheScreen)
{
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    QWidget window;
    window.setFixedSize(area.width() / 2, area.height() / 2);
    FramePlacement placement(&window, [&](const QMargins &frame) {
        return QRect(area.bottomRight() - QPoint(10, 10), window.size().grownBy(frame));
    });
    placement.PlaceOnNextShow();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(window.frameGeometry().bottomRight(), area.bottomRight());
}

} // namespace
