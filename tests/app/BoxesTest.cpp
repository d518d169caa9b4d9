#include <gtest/gtest.h>

#include <QScrollBar>
#include <QTest>

#include "app/Boxes.h"

namespace {

// A small box holding more lines than it shows, scrolled to its end with the caret there.
class NoteBox : public ::testing::Test
{
protected:
    void SetUp() override
    {
        box.resize(200, 60);
        box.setLocked(true);
        box.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
        box.setText(note);
        box.verticalScrollBar()->setValue(box.verticalScrollBar()->maximum());
        box.moveCursor(QTextCursor::End);
        ASSERT_GT(box.verticalScrollBar()->value(), 0);
    }

    const QString note = QStringLiteral("first line\r\n").repeated(40) + QStringLiteral("last line");
    MultiLineBox box;
};

TEST_F(NoteBox, GivenItsOwnTextAgainShowsItFromTheStart)
{
    box.setText(note);
    EXPECT_EQ(box.text(), note);
    EXPECT_EQ(box.verticalScrollBar()->value(), 0);
    EXPECT_EQ(box.textCursor().position(), 0);
}

TEST_F(NoteBox, GivenAnotherTextShowsThatFromTheStart)
{
    box.setText(QStringLiteral("other\r\nnote"));
    EXPECT_EQ(box.text(), QStringLiteral("other\r\nnote"));
    EXPECT_EQ(box.toPlainText(), QStringLiteral("other\nnote"));
    EXPECT_EQ(box.verticalScrollBar()->value(), 0);
}

TEST_F(NoteBox, EditedGivesBackWhatItWasGiven)
{
    box.setLocked(false);
    QTest::keyClicks(&box, QStringLiteral("typed"));
    ASSERT_NE(box.text(), note);
    box.setText(note);
    EXPECT_EQ(box.text(), note);
    EXPECT_EQ(box.toPlainText(), QString(note).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

} // namespace
