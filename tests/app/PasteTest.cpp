// A megabyte without blanks pasted into an editable multi-line box: the box takes what a
// text box takes and the user can scroll through all of it. (How long it takes is measured
// by bench_work, not asserted here.)
#include <QClipboard>
#include <QScrollBar>

#include "support/Window.h"

namespace {

class MegabytePaste : public WindowTest, public ::testing::WithParamInterface<BoxInPanel>
{
};

TEST_P(MegabytePaste, KeepsTheBoxsLengthAndScrollsToItsEnd)
{
    Uncover(GetParam().panel);
    MultiLineBox *box = Box(GetParam().box);
    ASSERT_TRUE(box->isVisible());
    QApplication::clipboard()->setText(QString(1 << 20, u'7'));
    box->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    QTest::qWait(0);

    EXPECT_EQ(box->toPlainText(), QString(MultiLineBox::MaxLength, u'7'));
    EXPECT_EQ(box->textCursor().position(), MultiLineBox::MaxLength);
    QScrollBar *bar = box->verticalScrollBar();
    EXPECT_GT(bar->maximum(), 100) << "the lines of the paste reach below the box";
    EXPECT_GE(bar->value(), bar->maximum() - 1) << "scrolled to the end";
    EXPECT_TRUE(box->viewport()->rect().contains(box->cursorRect())) << "the caret at the end is in view";
    QTest::keyClick(box, Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(bar->value(), 0);
}

INSTANTIATE_TEST_SUITE_P(Boxes, MegabytePaste, ::testing::Values(
    BoxInPanel{"Text2", "Frame2"}, BoxInPanel{"Text6", nullptr}, BoxInPanel{"txtOtMoney", "Frame4"},
    BoxInPanel{"txtNTMoney", "Frame5"}),
    [](const auto &info) { return std::string(info.param.box); });

} // namespace
