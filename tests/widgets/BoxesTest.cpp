#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QTest>

#include "widgets/Boxes.h"

namespace {

// A small box on the screen, locked or not.
class ShownBox : public ::testing::Test
{
protected:
    void Show(bool locked)
    {
        box.resize(200, 60);
        box.setLocked(locked);
        box.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    }

    MultiLineBox box;
};

// A small box holding more lines than it shows, scrolled to its end with the caret there.
class NoteBox : public ShownBox
{
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(Show(true));
        box.setText(note);
        box.verticalScrollBar()->setValue(box.verticalScrollBar()->maximum());
        box.moveCursor(QTextCursor::End);
        ASSERT_GT(box.verticalScrollBar()->value(), 0);
    }

    const QString note = QStringLiteral("first line\r\n").repeated(40) + QStringLiteral("last line");
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

// An editable box holding all but a few characters of what the user may put in it.
class NearlyFullBox : public ShownBox
{
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(Show(false));
        box.setFocus();
        box.setText(QString(MultiLineBox::MaxLength - 3, u'7'));
        box.moveCursor(QTextCursor::End);
    }
    qsizetype Held() const { return box.toPlainText().size(); }
    void Paste(const QString &text)
    {
        QApplication::clipboard()->setText(text);
        QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
    }
};

TEST_F(NearlyFullBox, TakesAPasteUpToItsLength)
{
    Paste(QStringLiteral("123456"));
    EXPECT_EQ(Held(), MultiLineBox::MaxLength);
    EXPECT_TRUE(box.toPlainText().endsWith(QStringLiteral("777123")));
}

TEST_F(NearlyFullBox, APasteReplacesTheSelectionWithinItsLength)
{
    box.moveCursor(QTextCursor::Start);
    box.moveCursor(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
    box.moveCursor(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
    Paste(QStringLiteral("abcdefgh"));
    EXPECT_EQ(Held(), MultiLineBox::MaxLength);
    EXPECT_TRUE(box.toPlainText().startsWith(QStringLiteral("abcde777")));
}

TEST_F(NearlyFullBox, TypesUpToItsLengthAndStillDeletes)
{
    QTest::keyClicks(&box, QStringLiteral("abcdef"));
    EXPECT_EQ(Held(), MultiLineBox::MaxLength);
    QTest::keyClick(&box, Qt::Key_Return);
    EXPECT_EQ(Held(), MultiLineBox::MaxLength) << "a line break counts too";
    QTest::keyClick(&box, Qt::Key_Backspace);
    EXPECT_EQ(Held(), MultiLineBox::MaxLength - 1);
    EXPECT_TRUE(box.toPlainText().endsWith(QStringLiteral("777ab")));
}

TEST_F(NearlyFullBox, TakesAnInputMethodsTextUpToItsLength)
{
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("\u00e9\u00e8\u00ea\u00eb\u00ef"));
    QApplication::sendEvent(&box, &commit);
    EXPECT_EQ(Held(), MultiLineBox::MaxLength);
}

TEST_F(NearlyFullBox, NeverKeepsHalfOfACharacter)
{
    box.setText(QString(MultiLineBox::MaxLength - 1, u'7'));
    box.moveCursor(QTextCursor::End);
    Paste(QStringLiteral("\U0001F600"));
    EXPECT_EQ(Held(), MultiLineBox::MaxLength - 1);
}

TEST_F(NearlyFullBox, TheProgramsOwnTextIsKeptWhole)
{
    const QString sentence(MultiLineBox::MaxLength + 40, u'7');
    box.setText(sentence);
    EXPECT_EQ(box.text(), sentence);
}

// A control drawn black in a window on the screen, while the system's colours change.
class ChangingScheme : public ::testing::Test
{
protected:
    void Show(QWidget *control)
    {
        QPalette black = control->palette();
        black.setColor(QPalette::Button, Qt::black);
        control->setPalette(black);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    void Change()
    {
        QPalette changed = saved;
        changed.setColor(QPalette::Button, Blue);
        changed.setColor(QPalette::Highlight, QColor(200, 120, 10));
        QApplication::setPalette(changed);
        QTest::qWait(0);
    }
    void TearDown() override { QApplication::setPalette(saved); }

    const QPalette saved = QApplication::palette();
    const QColor Blue{10, 120, 200};
    QWidget window;
};

TEST_F(ChangingScheme, ABoxScrollBarFollowsTheSystemsColours)
{
    auto *box = new MultiLineBox(&window);
    ASSERT_NO_FATAL_FAILURE(Show(box));
    Change();
    EXPECT_EQ(box->verticalScrollBar()->palette().color(QPalette::Button), Blue);
    QApplication::setPalette(saved);
    QTest::qWait(0);
    EXPECT_EQ(box->verticalScrollBar()->palette().color(QPalette::Button), saved.color(QPalette::Button));
}

TEST_F(ChangingScheme, AListScrollBarTakesTheSystemsColoursAsTheyAreWhenItOpens)
{
    auto *list = new DropDownList(&window);
    QStringList items;
    for (int i = 1; i <= 40; ++i)
        items << QString::number(i);
    list->appendItems(items);
    ASSERT_NO_FATAL_FAILURE(Show(list));
    Change();
    list->showPopup();
    EXPECT_EQ(list->view()->verticalScrollBar()->palette().color(QPalette::Button), Blue);
    list->hidePopup();
}

} // namespace
