#include "about/Dialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QIcon>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QUrl>

#include "catalog/About.h"
#include "widgets/CommandButton.h"
#include "widgets/Design.h"
#include "widgets/Placement.h"
#include "widgets/Seams.h"

using design::Black;
using design::Blue;
using design::Colour;
using design::DarkBlue;
using design::DesignFont;
using design::Grey;
using design::Make;
using design::Px;
using design::Twips;

namespace {

// The client area's top-left corner, from the screen's corner, and its size.
const QPoint StoredPlace(Px(4890), Px(1395));
const QSize ClientSize(Px(6030), Px(3705));

// Transparent labels draw only their text; the container's back shows through.
void TextColour(QWidget *w, const QColor &text)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, text);
    w->setPalette(p);
}

QFrame *MakeGreyFrame(QWidget *parent, const char *name, const QRect &place)
{
    QFrame *frame = design::MakeFrame(parent, name, place);
    frame->setAutoFillBackground(true);
    Colour(frame, Black, Grey);
    return frame;
}

template <typename T = QLabel>
T *MakeText(QWidget *parent, const char *name, const QRect &place, const QString &text)
{
    auto *label = Make<T>(parent, name, place);
    label->setText(text);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    TextColour(label, DarkBlue);
    return label;
}

} // namespace

void ClickLabel::mousePressEvent(QMouseEvent *event)
{
    pressed_ = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    // A click is a press and a release of the left button over the label.
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        emit clicked();
}

// No owner window, and no task-bar button: a tool window.
Dialog::Dialog(Seams &seams)
    : QWidget(nullptr, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      seams_(seams)
{
    setObjectName(QStringLiteral("Dialog"));
    // Qt does not count a tool window as one that keeps the run going; this one is, so
    // that the run ends only when the last of the two windows closes.
    setAttribute(Qt::WA_QuitOnClose, true);
    setWindowTitle(catalog::about::Caption);
    setWindowIcon(QIcon(design::WindowIcon));
    setFont(DesignFont(8.25, false));
    Colour(this, Black, Grey);
    setFixedSize(ClientSize);
    // Its stored place is that of its inside.
    placement_ = new FramePlacement(this, [](const QMargins &frame) {
        const QScreen *screen = QGuiApplication::primaryScreen();
        const QPoint corner = screen ? screen->geometry().topLeft() : QPoint();
        return QRect(corner + StoredPlace, ClientSize).marginsAdded(frame);
    });
}

Dialog::~Dialog() = default;

void Dialog::Show()
{
    const bool opening = !IsLoaded();
    if (opening)
        Load();
    // Focus moved by the keyboard shows its mark, and a window being shown forgets that it
    // was. A dialog just opened takes it from the window it was opened from, so that "About"
    // pressed from the keyboard opens it with the mark on "OK".
    const QWidget *opener = QApplication::activeWindow();
    const bool keyboardInUse =
        opener && opener != this && opener->testAttribute(Qt::WA_KeyboardFocusChange);
    // Some window managers minimize even a window without a minimize box; with no task-bar
    // button, "About" is the only way back.
    if (isMinimized())
        setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    if (opening)
        setAttribute(Qt::WA_KeyboardFocusChange, keyboardInUse);
    raise();
    activateWindow();
}

void Dialog::Load()
{
    Frame1 = MakeGreyFrame(this, "Frame1", Twips(120, 120, 5775, 1095));
    Label2 = MakeText(Frame1, "Label2", Twips(120, 240, 5535, 855), catalog::about::AuthorNote);
    // The e-mail line lies in front of the note it overlaps, so that a click there is its own.
    Label4 = MakeText<ClickLabel>(Frame1, "Label4", Twips(1680, 720, 2535, 255),
                                  catalog::about::MailLine());
    Label4->setWordWrap(false);
    Label4->setAutoFillBackground(true);
    Colour(Label4, Blue, Grey);
    Label4->setCursor(Qt::PointingHandCursor);
    Label4->raise();
    connect(Label4, &ClickLabel::clicked, this, &Dialog::Label4_Click);

    Label1 = MakeText(this, "Label1", Twips(2400, 1320, 1335, 255), catalog::about::BetaLabel);
    Label1->setFont(DesignFont(8.25, true));

    Frame2 = MakeGreyFrame(this, "Frame2", Twips(120, 1560, 5775, 1455));
    Label3 = MakeText(Frame2, "Label3", Twips(120, 240, 5535, 1095),
                      catalog::about::FreewareStatement);

    Image1 = Make<ClickLabel>(this, "Image1", Twips(120, 3120, 4500, 465));
    Image1->setPixmap(QPixmap(design::BannerPicture));
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->setCursor(Qt::PointingHandCursor);
    connect(Image1, &ClickLabel::clicked, this, &Dialog::Image1_Click);

    // Enter on the focused button presses it, yet it is neither the default nor the cancel
    // button: Escape closes nothing.
    OKButton = Make<CommandButton>(this, "OKButton", Twips(4800, 3120, 1095, 495));
    OKButton->setText(catalog::about::OkCaption);
    Colour(OKButton, Black, Grey);
    connect(OKButton, &QPushButton::clicked, this, &Dialog::OKButton_Click);
    // The only control that takes the focus.
    OKButton->setFocus();

    placement_->PlaceOnNextShow();
}

void Dialog::Unload()
{
    // Discarded controls leave the dialog at once; they are deleted once the event that
    // unloads it (a click of one of them, perhaps) has finished with them.
    for (QWidget *control : findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        control->hide();
        control->setParent(nullptr);
        control->deleteLater();
    }
    static_cast<DialogControls &>(*this) = DialogControls();
}

void Dialog::closeEvent(QCloseEvent *event)
{
    Unload();
    event->accept();
}

void Dialog::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // Some window managers minimize even a window without a minimize box. With no task-bar
    // button of its own and no "About" left to bring it back, nothing would be on the screen
    // while the run went on. The window manager's state change is let finish first.
    if (event->type() == QEvent::WindowStateChange && isMinimized() && !OtherWindowOpen()) {
        QMetaObject::invokeMethod(this, [this] {
            if (isMinimized() && !OtherWindowOpen())
                Show();
        }, Qt::QueuedConnection);
    }
}

bool Dialog::OtherWindowOpen() const
{
    for (const QWidget *w : QApplication::topLevelWidgets()) {
        if (w == this || !w->isVisible())
            continue;
        if (w->windowType() != Qt::Popup && w->windowType() != Qt::ToolTip)
            return true;
    }
    return false;
}

// A launch that fails changes nothing and says nothing.
void Dialog::Image1_Click() { seams_.OpenUrl(QUrl(catalog::about::MakerWebAddress)); }

void Dialog::Label4_Click() { seams_.OpenUrl(QUrl(catalog::about::MailTarget())); }

void Dialog::OKButton_Click() { close(); }
