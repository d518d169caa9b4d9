#pragma once
// The window's text boxes and drop-down lists, as the program's procedures use them.
#include <QComboBox>
#include <QPlainTextEdit>

// A multi-line box: wraps at its width, vertical scroll bar, none horizontal. It keeps the
// text it was given exactly (CR LF line breaks included) and shows it with plain line breaks.
// Tab and Backtab move the focus on, as in the one-line boxes; a tab is never typed into it.
class MultiLineBox : public QPlainTextEdit
{
    Q_OBJECT
public:
    // What the user may type, paste or drop into a box: as much as a one-line box takes.
    // Laying out a long run without blanks costs more than linear time, so more would
    // hold the window.
    static constexpr int MaxLength = 32767;

    explicit MultiLineBox(QWidget *parent = nullptr);
    void setText(const QString &text);
    // The text as last written, or as the user has since edited it (CR LF line breaks).
    QString text() const;
    void setLocked(bool locked);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;
    void changeEvent(QEvent *event) override;

private:
    // How many characters the user may still put in place of the selection.
    qsizetype Room() const;
    void UseSystemScrollBar();

    QString text_;
    bool edited_ = false;
};

// An editable drop-down list: the user may pick an item or type any text. Only picking an
// item emits activated(); typing, Enter and writing the text run nothing, and no list sorts,
// completes or takes in typed texts. The wheel goes to the control that has the focus: it
// changes a list only while the list has the focus, and gives it none.
class DropDownList : public QComboBox
{
    Q_OBJECT
public:
    explicit DropDownList(QWidget *parent = nullptr);
    // Removes every item and empties the edit text.
    void clearItemsAndText();
    // Removes every item; the edit text stays.
    void removeItems();
    // Appends items at the end; the edit text stays.
    void appendItems(const QStringList &items);
    QString text() const { return currentText(); }
    void setText(const QString &text) { setEditText(text); }
    void showPopup() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
};
