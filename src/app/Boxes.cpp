#include "app/Boxes.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextCursor>

MultiLineBox::MultiLineBox(QWidget *parent) : QPlainTextEdit(parent)
{
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(this, &QPlainTextEdit::textChanged, this, [this] { edited_ = true; });
}

void MultiLineBox::setText(const QString &text)
{
    // Every click writes the unit's note again; laying out a long note anew costs far more
    // than the conversion. The box shows it from the start, as a rewrite would.
    if (!edited_ && text == text_) {
        QTextCursor start = textCursor();
        start.movePosition(QTextCursor::Start);
        setTextCursor(start);
        verticalScrollBar()->setValue(0);
        return;
    }
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    setPlainText(shown);
    text_ = text;
    edited_ = false;
}

QString MultiLineBox::text() const
{
    if (!edited_)
        return text_;
    QString typed = toPlainText();
    typed.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return typed;
}

void MultiLineBox::setLocked(bool locked)
{
    setReadOnly(locked);
    // A locked box still lets the user select and copy its text.
    setTextInteractionFlags(locked ? Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard
                                   : Qt::TextEditorInteraction);
}

DropDownList::DropDownList(QWidget *parent) : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    setMaxVisibleItems(12);
    lineEdit()->installEventFilter(this);
    // Leaving the edit field would also pick an item matching its text, even while the window
    // is being destroyed; in this program only a pick does.
    disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
}

bool DropDownList::eventFilter(QObject *watched, QEvent *event)
{
    // Enter in the edit field would pick a matching item; in this program only a pick does.
    if (watched == lineEdit() && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            return true;
    }
    return QComboBox::eventFilter(watched, event);
}

void DropDownList::empty()
{
    const QSignalBlocker quiet(this);
    clear();
    setEditText(QString());
}

void DropDownList::removeItems()
{
    const QSignalBlocker quiet(this);
    const QString kept = currentText();
    clear();
    setEditText(kept);
}

void DropDownList::appendItems(const QStringList &newItems)
{
    const QSignalBlocker quiet(this);
    const QString kept = currentText();
    addItems(newItems);
    // Adding to an empty list would select the first item and show its text.
    setCurrentIndex(-1);
    setEditText(kept);
}

QStringList DropDownList::items() const
{
    QStringList all;
    for (int i = 0; i < count(); ++i)
        all << itemText(i);
    return all;
}
