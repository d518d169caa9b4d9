#include "widgets/Boxes.h"

#include <algorithm>

#include <QAbstractItemView>
#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QWheelEvent>

namespace {

// At most the given number of characters, never half of a surrogate pair.
QString Cut(const QString &text, qsizetype room)
{
    if (text.size() <= room)
        return text;
    if (room > 0 && text[room - 1].isHighSurrogate())
        --room;
    return text.left(room);
}

// A key that puts text into the box: a printable character or a line break.
bool Inserts(const QString &typed)
{
    for (const QChar c : typed)
        if (c.isPrint() || c == u'\r' || c == u'\n')
            return true;
    return false;
}

// A box's colours are the design's; its scroll bar keeps the system's, as a plain one has
// them, or a black box would draw its bar black on black.
void UseSystemColours(QScrollBar *bar)
{
    QPalette system = QApplication::palette(bar);
    system.setResolveMask(~QPalette::ResolveMask(0));
    bar->setPalette(system);
}

} // namespace

MultiLineBox::MultiLineBox(QWidget *parent) : QPlainTextEdit(parent)
{
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabChangesFocus(true);
    UseSystemScrollBar();
    connect(this, &QPlainTextEdit::textChanged, this, [this] { edited_ = true; });
}

void MultiLineBox::UseSystemScrollBar() { UseSystemColours(verticalScrollBar()); }

void MultiLineBox::changeEvent(QEvent *event)
{
    // A new system scheme reaches the box as a change of the colours it inherits.
    if (event->type() == QEvent::PaletteChange)
        UseSystemScrollBar();
    QPlainTextEdit::changeEvent(event);
}

qsizetype MultiLineBox::Room() const
{
    const QTextCursor cursor = textCursor();
    const qsizetype held = document()->characterCount() - 1; // less the closing paragraph mark
    const qsizetype selected = cursor.selectionEnd() - cursor.selectionStart();
    return std::max<qsizetype>(0, MaxLength - held + selected);
}

void MultiLineBox::keyPressEvent(QKeyEvent *event)
{
    // Plain Tab and Backtab have moved the focus before this; with Ctrl they would type a tab.
    if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab) {
        event->ignore();
        return;
    }
    if (!isReadOnly() && Inserts(event->text()) && event->text().size() > Room()) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void MultiLineBox::inputMethodEvent(QInputMethodEvent *event)
{
    const qsizetype room = Room() + event->replacementLength();
    if (event->commitString().size() <= room) {
        QPlainTextEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent cut(event->preeditString(), event->attributes());
    cut.setCommitString(Cut(event->commitString(), room), event->replacementStart(),
                        event->replacementLength());
    QPlainTextEdit::inputMethodEvent(&cut);
}

void MultiLineBox::insertFromMimeData(const QMimeData *source)
{
    if (!source || !source->hasText())
        return;
    QMimeData cut;
    cut.setText(Cut(source->text(), Room()));
    QPlainTextEdit::insertFromMimeData(&cut);
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
    // Not Qt's WheelFocus: a wheel turned over the list would give it the focus first.
    setFocusPolicy(Qt::StrongFocus);
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

void DropDownList::wheelEvent(QWheelEvent *event)
{
    if (!hasFocus()) {
        event->ignore();
        return;
    }
    QComboBox::wheelEvent(event);
}

void DropDownList::showPopup()
{
    // The items keep the list's colours, its scroll bar the system's as they are now.
    UseSystemColours(view()->verticalScrollBar());
    QComboBox::showPopup();
}

void DropDownList::clearItemsAndText()
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
