#pragma once
// Drives the real main window headless, as a user would: by the controls' design names.
#include <algorithm>
#include <memory>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "app/frmRound.h"
#include "support/QtPrinting.h"
#include "support/RecordingSeams.h"
#include "widgets/Boxes.h"

// The items of a list, in their order.
inline QStringList ItemsOf(const QComboBox *list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->itemText(i);
    return items;
}

// Everything a user can see of the window, to show that an event changed nothing.
inline QStringList Snapshot(const frmRound &window)
{
    QStringList state;
    for (QWidget *w : window.findChildren<QWidget *>()) {
        if (w->objectName().isEmpty() || w->objectName().startsWith(QStringLiteral("qt_")))
            continue;
        QString line = w->objectName() + (w->isHidden() ? " hidden" : " shown");
        if (auto *box = qobject_cast<MultiLineBox *>(w))
            line += " " + box->text();
        else if (auto *list = qobject_cast<DropDownList *>(w))
            line += " " + list->text() + " [" + ItemsOf(list).join('|') + "]";
        else if (auto *edit = qobject_cast<QLineEdit *>(w))
            line += " " + edit->text();
        state << line;
    }
    return state;
}

// A box of the window and the panel that has to show for it to be seen, or none.
struct BoxInPanel
{
    const char *box;
    const char *panel;
};

inline void PrintTo(const BoxInPanel &c, std::ostream *os) { *os << c.box; }

class WindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window = std::make_unique<frmRound>(seams);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        window->activateWindow();
        QApplication::setActiveWindow(window.get());
    }
    void TearDown() override { window.reset(); }

    template <typename T = QWidget>
    T *Control(const char *name) const
    {
        T *w = window->findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << "no control " << name;
        return w;
    }
    DropDownList *List(const char *name) const { return Control<DropDownList>(name); }
    MultiLineBox *Box(const char *name) const { return Control<MultiLineBox>(name); }
    QLineEdit *Line(const char *name) const { return Control<QLineEdit>(name); }
    QPushButton *Button(const char *name) const { return Control<QPushButton>(name); }

    // Picks an item from a list, as a click in its drop-down does.
    void Pick(const char *listName, const QString &item)
    {
        DropDownList *list = List(listName);
        const int index = list->findText(item, Qt::MatchExactly);
        ASSERT_GE(index, 0) << "no item " << item.toStdString() << " in " << listName;
        list->setCurrentIndex(index);
        emit list->activated(index);
    }
    // Types into the edit field of a list or a box, replacing its text.
    void Type(const char *name, const QString &text)
    {
        QWidget *w = Control(name);
        if (auto *list = qobject_cast<DropDownList *>(w)) {
            list->lineEdit()->selectAll();
            QTest::keyClicks(list->lineEdit(), text);
            if (text.isEmpty())
                list->lineEdit()->clear();
        } else if (auto *line = qobject_cast<QLineEdit *>(w)) {
            line->selectAll();
            line->del();
            QTest::keyClicks(line, text);
        }
    }
    // Typed where QTest can type every character (ASCII), else put in as a paste puts it: a
    // paste is how invisible characters and other scripts' digits arrive.
    void Enter(const char *name, const QString &text)
    {
        if (std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; })) {
            Type(name, text);
        } else if (auto *line = qobject_cast<QLineEdit *>(Control(name))) {
            line->selectAll();
            line->insert(text);
        }
    }
    // The control a click on the converter spot of Frame2 reaches: the topmost visible button.
    QPushButton *ButtonAtConvertSpot() const
    {
        QWidget *frame = Control("Frame2");
        const QPoint spot = Button("Command41")->geometry().center();
        return qobject_cast<QPushButton *>(frame->childAt(spot));
    }
    // Clicks "Click to Convert" where the user sees it.
    void ClickConvert()
    {
        QPushButton *button = ButtonAtConvertSpot();
        ASSERT_NE(button, nullptr) << "no visible button at the converter spot";
        QTest::mouseClick(button, Qt::LeftButton);
    }
    // Hides the splash and shows the panel a box or button lies in (none for the notes).
    void Uncover(const char *panel)
    {
        Control("FrameSplash")->hide();
        if (panel)
            Control(panel)->show();
    }
    // The converter panel shown with only the given button at the spot, as a type or unit
    // choice leaves it.
    void Arm(const char *buttonName)
    {
        Control("FrameSplash")->hide();
        Control("Frame2")->show();
        for (QPushButton *button : window->ConverterButtons())
            button->setVisible(button == Button(buttonName));
        ASSERT_EQ(ButtonAtConvertSpot(), Button(buttonName));
    }
    // Types the three texts as a user would, then clicks.
    void Convert(const QString &amount, const QString &from, const QString &to)
    {
        Type("Text1", amount);
        Type("Combo2", from);
        Type("Combo3", to);
        ClickConvert();
    }
    // The converter buttons not hidden, in their fixed order.
    QStringList ButtonsNotHidden() const
    {
        QStringList names;
        for (QPushButton *b : window->ConverterButtons())
            if (!b->isHidden())
                names << b->objectName();
        return names;
    }
    // The focus is on the control or on a part of it (a list's edit field).
    bool HasFocus(const char *name) const
    {
        QWidget *focus = QApplication::focusWidget();
        QWidget *w = Control(name);
        return focus && (focus == w || w->isAncestorOf(focus));
    }
    bool AmountHasFocus() const { return QApplication::focusWidget() == Line("Text1"); }
    QStringList MessageTexts() const
    {
        QStringList texts;
        for (const MessageRequest &m : seams.messages)
            texts << m.text;
        return texts;
    }

    RecordingSeams seams;
    std::unique_ptr<frmRound> window;
};
