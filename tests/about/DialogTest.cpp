#include <QFontDatabase>
#include <QFontInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QProxyStyle>
#include <QScreen>
#include <QSet>
#include <QSignalSpy>
#include <QStyleFactory>
#include <QTimer>
#include <QWindow>

#include "about/Dialog.h"
#include "catalog/MeasurementTypes.h"
#include "catalog/UnitNames.h"
#include "support/QtPrinting.h"
#include "support/Twips.h"
#include "support/Window.h"
#include "widgets/Placement.h"

namespace {

// The client area's stored place: 4890, 1395 twips from the screen's corner, 6030 x 3705.
QRect StoredPlace()
{
    return FromTwips(4890, 1395, 6030, 3705).translated(QGuiApplication::primaryScreen()->geometry().topLeft());
}

const QString WebAddress = QStringLiteral("https://www.veltrane.example/");
const QString MailAddress = QStringLiteral("mailto:info@veltrane.example");

class AboutDialog : public WindowTest
{
protected:
    void ClickAbout() { QTest::mouseClick(Button("cmdAbout"), Qt::LeftButton); }

    // Every About dialog of the run, shown or not.
    static QList<Dialog *> Dialogs()
    {
        QList<Dialog *> found;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *dialog = qobject_cast<Dialog *>(w))
                found << dialog;
        return found;
    }
    Dialog *Opened()
    {
        ClickAbout();
        const QList<Dialog *> dialogs = Dialogs();
        EXPECT_EQ(dialogs.size(), 1);
        Dialog *dialog = dialogs.value(0);
        if (dialog) {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog));
        }
        return dialog;
    }
    template <typename T = QWidget>
    static T *In(Dialog *dialog, const char *name)
    {
        T *w = dialog->findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << "no control " << name << " in the dialog";
        return w;
    }
    // Clicks the control that lies at a point of a container, as the mouse would reach it.
    static void ClickAt(QWidget *container, QPoint point)
    {
        QWidget *target = container->childAt(point);
        ASSERT_NE(target, nullptr);
        QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(container, point));
    }
};

TEST_F(AboutDialog, OpensAtItsStoredPlaceWithItsTexts)
{
    Dialog *dialog = Opened();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->objectName(), QStringLiteral("Dialog"));
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("About  Ostrevan"));
    EXPECT_EQ(dialog->geometry(), StoredPlace());
    EXPECT_EQ(In<QLabel>(dialog, "Label2")->text(),
              QStringLiteral("This is my first attempt to compile a Ostrevan program. If you find any bugs "
                             "please email me at the address below."));
    EXPECT_EQ(In<QLabel>(dialog, "Label4")->text(), QStringLiteral("E-Mail Info@Veltrane.example"));
    EXPECT_EQ(In<QLabel>(dialog, "Label1")->text(), QStringLiteral("Beta Version"));
    EXPECT_TRUE(In<QLabel>(dialog, "Label3")->text().contains(QStringLiteral("freeware")));
    EXPECT_EQ(In<QPushButton>(dialog, "OKButton")->text(), QStringLiteral("OK"));
    EXPECT_EQ(In<QLabel>(dialog, "Image1")->pixmap().size(), QSize(300, 31));
    // The main window's icon, in both of its sizes.
    const QList<QSize> sizes = dialog->windowIcon().availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(32, 32)) && sizes.contains(QSize(16, 16))) << sizes.size();
}

TEST_F(AboutDialog, IsAFixedModelessToolWindowWithoutOwner)
{
    Dialog *dialog = Opened();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->parentWidget(), nullptr);
    EXPECT_EQ(dialog->windowHandle()->transientParent(), nullptr);
    EXPECT_EQ(dialog->windowType(), Qt::Tool); // no task-bar button
    EXPECT_FALSE(dialog->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(dialog->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize());
    EXPECT_EQ(dialog->windowModality(), Qt::NonModal);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(AboutDialog, OnlyOkTakesTheFocusAndIsNeitherDefaultNorCancel)
{
    Dialog *dialog = Opened();
    ASSERT_NE(dialog, nullptr);
    auto *ok = In<QPushButton>(dialog, "OKButton");
    EXPECT_EQ(dialog->focusWidget(), ok);
    for (QWidget *control : dialog->findChildren<QWidget *>()) {
        if (control != ok) {
            EXPECT_EQ(control->focusPolicy(), Qt::NoFocus) << control->objectName().toStdString();
        }
    }
    EXPECT_FALSE(ok->isDefault());
    EXPECT_FALSE(ok->autoDefault());
    // Escape is no cancel, on "OK" or anywhere; Enter reaching the dialog itself is no default.
    for (QWidget *target : {static_cast<QWidget *>(ok), static_cast<QWidget *>(dialog)}) {
        QTest::keyClick(target, Qt::Key_Escape);
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_TRUE(dialog->IsLoaded());
    }
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        QTest::keyClick(dialog, key);
        EXPECT_TRUE(dialog->isVisible()) << key;
        EXPECT_TRUE(dialog->IsLoaded()) << key;
    }
}

// As a click of it does, Enter or Space on the focused "OK" unloads the dialog.
class AboutDialogKeys : public AboutDialog, public ::testing::WithParamInterface<Qt::Key>
{
};

TEST_P(AboutDialogKeys, OnTheFocusedOkCloseIt)
{
    Dialog *dialog = Opened();
    ASSERT_NE(dialog, nullptr);
    QWidget *ok = In(dialog, "OKButton");
    ASSERT_EQ(QApplication::focusWidget(), ok);
    QTest::keyClick(ok, GetParam());
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_FALSE(dialog->IsLoaded());
}

INSTANTIATE_TEST_SUITE_P(Keys, AboutDialogKeys, ::testing::Values(Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space),
                         [](const auto &info) { return KeyName(info.param); });

// Some window managers minimize a window that asks for no minimize box; with no task-bar
// button, "About" is the way back.
TEST_F(AboutDialog, MinimizedComesBackNormalAndActiveOnAbout)
{
    Dialog *dialog = Opened();
    ASSERT_NE(dialog, nullptr);
    QLabel *note = In<QLabel>(dialog, "Label2");
    dialog->showMinimized();
    ASSERT_TRUE(dialog->isMinimized());
    window->activateWindow();
    QApplication::setActiveWindow(window.get());

    ClickAbout();
    EXPECT_EQ(Dialogs(), QList<Dialog *>{dialog});
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(dialog->isMinimized());
    EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
    EXPECT_EQ(In<QLabel>(dialog, "Label2"), note) << "brought back as it was, not loaded again";
}

TEST_F(AboutDialog, MinimizedComesBackWhenTheMainWindowCloses)
{
    Dialog *dialog = Opened();
    ASSERT_NE(dialog, nullptr);
    dialog->showMinimized();
    ASSERT_TRUE(dialog->isMinimized());
    window->close();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(dialog->isMinimized());
}

// A minimized dialog with no other window of the program open would leave nothing on the
// screen, no task-bar button and no "About": it comes straight back. While the main window is
// open, even minimized, it stays minimized until "About".
struct Minimizing
{
    const char *name;
    void (*mainWindow)(frmRound *);
    bool staysMinimized;
};
void PrintTo(const Minimizing &m, std::ostream *os) { *os << m.name; }

class AboutDialogMinimized : public AboutDialog, public ::testing::WithParamInterface<Minimizing>
{
};

TEST_P(AboutDialogMinimized, ComesBackAtOnceOnlyWithNoOtherWindowOpen)
{
    Dialog *dialog = Opened();
    ASSERT_NE(dialog, nullptr);
    QLabel *note = In<QLabel>(dialog, "Label2");
    GetParam().mainWindow(window.get());
    dialog->showMinimized();
    ASSERT_TRUE(dialog->isMinimized());
    if (GetParam().staysMinimized) {
        QTest::qWait(50);
        EXPECT_TRUE(dialog->isMinimized());
        return;
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return !dialog->isMinimized(); }, 2000));
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
    EXPECT_EQ(In<QLabel>(dialog, "Label2"), note) << "brought back as it was, not loaded again";
}

INSTANTIATE_TEST_SUITE_P(
    MainWindow, AboutDialogMinimized,
    ::testing::Values(Minimizing{"Open", [](frmRound *) {}, true},
                      Minimizing{"Minimized", [](frmRound *w) { w->showMinimized(); }, true},
                      Minimizing{"Closed", [](frmRound *w) { w->close(); }, false}),
    [](const auto &info) { return std::string(info.param.name); });

// Wholly on the screen's available area, title bar included: at its stored place where that
// fits, otherwise moved just as far as the edges it would cross. The CTest
// WindowsOnASmallHiDpiScreen runs this where the stored place lies partly past the right edge.
TEST_F(AboutDialog, OpensWhollyOnTheScreen)
{
    Dialog *dialog = Opened();
    ASSERT_NE(dialog, nullptr);
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect frame = dialog->frameGeometry();
    ASSERT_NE(frame, dialog->geometry()) << "the platform draws no frame";
    const QRect stored = StoredPlace().marginsAdded(FrameMargins(dialog));
    EXPECT_TRUE(area.contains(frame)) << "at " << frame.x() << ", " << frame.y();
    const int left = stored.right() > area.right() ? area.right() + 1 - frame.width() : stored.left();
    const int top = stored.bottom() > area.bottom() ? area.bottom() + 1 - frame.height() : stored.top();
    EXPECT_EQ(frame.topLeft(), QPoint(left, top));
}

// "OK" has the focus however the dialog opens. Opened from the keyboard, it shows the mark
// the style draws on a button the keyboard has focused; opened with the mouse, it shows none
// until the keyboard is used, as any window's focused button.
TEST_F(AboutDialog, OpenedFromTheKeyboardMarksTheFocusOnOk)
{
    Dialog *dialog = Opened();
    ASSERT_NE(dialog, nullptr);
    QWidget *ok = In(dialog, "OKButton");
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    ASSERT_TRUE(ok->hasFocus());
    const QImage unmarked = ok->grab().toImage();
    // Tab leaves the focus on the only control there is, now with the mark.
    QTest::keyClick(ok, Qt::Key_Tab);
    ASSERT_TRUE(ok->hasFocus());
    const QImage marked = ok->grab().toImage();
    ASSERT_NE(marked, unmarked) << "the style draws no mark on a focused button";
    QTest::keyClick(ok, Qt::Key_Return);
    ASSERT_FALSE(dialog->IsLoaded());

    // Tab to "About", Enter.
    window->activateWindow();
    QApplication::setActiveWindow(window.get());
    Button("Command41")->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(Button("Command41"), Qt::Key_Tab);
    ASSERT_TRUE(HasFocus("cmdAbout"));
    QTest::keyClick(Button("cmdAbout"), Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    ok = In(dialog, "OKButton");
    ASSERT_TRUE(ok->hasFocus());
    EXPECT_EQ(ok->grab().toImage(), marked);
}

// The style caches a button's pictures by its palette's identity; a dialog built afresh at
// each opening must not bring "OK" a palette the cache has not seen, or every opening would
// cache the same pictures again.
class PaletteKeys : public QProxyStyle
{
public:
    PaletteKeys() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override
    {
        if (element == PE_PanelButtonCommand)
            keys.insert(option->palette.cacheKey());
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
    mutable QSet<qint64> keys;
};

TEST_F(AboutDialog, DrawsOkWithOnePaletteAtEveryOpening)
{
    PaletteKeys style;
    for (int opening = 0; opening < 4; ++opening) {
        Dialog *dialog = Opened();
        ASSERT_NE(dialog, nullptr);
        QWidget *ok = In(dialog, "OKButton");
        ok->setStyle(&style);
        (void)ok->grab();
        QTest::mouseClick(ok, Qt::LeftButton);
        ASSERT_FALSE(dialog->IsLoaded());
        QTest::qWait(0); // lets the discarded controls go
    }
    EXPECT_EQ(style.keys.size(), 1);
}

TEST_F(AboutDialog, ShowsTheDesignedColoursAndFonts)
{
    Dialog *dialog = Opened();
    ASSERT_NE(dialog, nullptr);
    const QColor grey(224, 224, 224), darkBlue(0, 0, 192), blue(0, 0, 255);
    EXPECT_EQ(dialog->palette().color(QPalette::Window), grey);
    for (const char *frame : {"Frame1", "Frame2"})
        EXPECT_EQ(In(dialog, frame)->palette().color(QPalette::Window), grey) << frame;
    // The note, the statement and "Beta Version" are see-through; the e-mail line is not.
    for (const char *label : {"Label2", "Label3", "Label1"}) {
        EXPECT_EQ(In(dialog, label)->palette().color(QPalette::WindowText), darkBlue) << label;
        EXPECT_FALSE(In(dialog, label)->autoFillBackground()) << label;
    }
    EXPECT_EQ(In(dialog, "Label4")->palette().color(QPalette::WindowText), blue);
    EXPECT_TRUE(In(dialog, "Label4")->autoFillBackground());
    EXPECT_EQ(In(dialog, "Label4")->palette().color(QPalette::Window), grey);
    EXPECT_EQ(In(dialog, "OKButton")->palette().color(QPalette::Button), grey);
    for (const char *label : {"Label2", "Label3"})
        EXPECT_TRUE(In<QLabel>(dialog, label)->wordWrap()) << label;
    // The font drawn with, not the one asked for: the design's own where the machine has it,
    // otherwise its metric look-alike (tools/setup installs it), never the system's usual sans.
    const QString drawn = QFontDatabase::hasFamily(QStringLiteral("MS Sans Serif"))
                              ? QStringLiteral("MS Sans Serif")
                              : QStringLiteral("Liberation Sans");
    for (const char *name : {"Label2", "Label4", "Label1", "Label3", "OKButton"}) {
        const QFontInfo font = In(dialog, name)->fontInfo();
        EXPECT_EQ(font.family(), drawn) << name;
        EXPECT_DOUBLE_EQ(font.pointSizeF(), 8.25) << name;
        EXPECT_EQ(font.bold(), QByteArray(name) == "Label1") << name;
    }
    for (const char *pointer : {"Label4", "Image1"})
        EXPECT_EQ(In(dialog, pointer)->cursor().shape(), Qt::PointingHandCursor) << pointer;
    EXPECT_TRUE(In(dialog, "Image1")->toolTip().isEmpty());
}

struct Place
{
    const char *name;
    const char *container;
    QRect twips;
};
void PrintTo(const Place &p, std::ostream *os) { *os << p.name; }

class AboutDialogPlaces : public AboutDialog, public ::testing::WithParamInterface<Place>
{
};

TEST_P(AboutDialogPlaces, LiesWhereDesigned)
{
    Dialog *dialog = Opened();
    ASSERT_NE(dialog, nullptr);
    const Place &p = GetParam();
    QWidget *control = In(dialog, p.name);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->parentWidget()->objectName(), QString::fromLatin1(p.container));
    EXPECT_EQ(control->geometry(), FromTwips(p.twips.x(), p.twips.y(), p.twips.width(), p.twips.height()));
    EXPECT_TRUE(control->isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Controls, AboutDialogPlaces,
    ::testing::Values(Place{"Frame1", "Dialog", {120, 120, 5775, 1095}},
                      Place{"Label2", "Frame1", {120, 240, 5535, 855}},
                      Place{"Label4", "Frame1", {1680, 720, 2535, 255}},
                      Place{"Label1", "Dialog", {2400, 1320, 1335, 255}},
                      Place{"Frame2", "Dialog", {120, 1560, 5775, 1455}},
                      Place{"Label3", "Frame2", {120, 240, 5535, 1095}},
                      Place{"Image1", "Dialog", {120, 3120, 4500, 465}},
                      Place{"OKButton", "Dialog", {4800, 3120, 1095, 495}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(AboutDialog, SecondClickBringsTheSameDialogToTheFront)
{
    Dialog *dialog = Opened();
    ASSERT_NE(dialog, nullptr);
    QLabel *note = In<QLabel>(dialog, "Label2");
    dialog->move(dialog->pos() + QPoint(40, 30));
    const QRect moved = dialog->geometry();
    window->activateWindow();
    QApplication::setActiveWindow(window.get());

    ClickAbout();
    EXPECT_EQ(Dialogs(), QList<Dialog *>{dialog});
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
    // An open dialog is brought forward as it is, not loaded again.
    EXPECT_EQ(In<QLabel>(dialog, "Label2"), note);
    EXPECT_EQ(dialog->geometry(), moved);
}

TEST_F(AboutDialog, MainWindowWorksAsUsualWhileItIsOpen)
{
    ASSERT_NE(Opened(), nullptr);
    Pick("Combo1", measure::Linear);
    Pick("Combo2", unit::Finger);
    Pick("Combo3", unit::Inches);
    Type("Text1", QStringLiteral("2"));
    ClickConvert();
    EXPECT_EQ(Box("Text2")->text(), QStringLiteral("2  Finger  =  1.50  Inches"));
}

// "OK" and the close box unload the dialog the same way.
struct Closing
{
    const char *name;
    void (*close)(Dialog *);
};
void PrintTo(const Closing &c, std::ostream *os) { *os << c.name; }

class AboutDialogClosing : public AboutDialog, public ::testing::WithParamInterface<Closing>
{
};

TEST_P(AboutDialogClosing, UnloadsAndOpensAgainAtTheStoredPlaceAsDesigned)
{
    Dialog *dialog = Opened();
    ASSERT_NE(dialog, nullptr);
    QPointer<QLabel> oldNote = In<QLabel>(dialog, "Label2");
    oldNote->setText(QStringLiteral("changed"));
    dialog->move(dialog->pos() + QPoint(120, 80));
    ASSERT_NE(dialog->geometry(), StoredPlace());

    GetParam().close(dialog);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_FALSE(dialog->IsLoaded());
    EXPECT_EQ(dialog->findChild<QWidget *>(), nullptr) << "controls left after unloading";
    QTest::qWait(0); // lets the discarded controls go
    EXPECT_TRUE(oldNote.isNull());

    ClickAbout();
    EXPECT_EQ(Dialogs(), QList<Dialog *>{dialog}) << "one instance for the run";
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
    EXPECT_EQ(dialog->geometry(), StoredPlace());
    EXPECT_EQ(In<QLabel>(dialog, "Label2")->text(),
              QStringLiteral("This is my first attempt to compile a Ostrevan program. If you find any bugs "
                             "please email me at the address below."));
    EXPECT_EQ(dialog->focusWidget(), In(dialog, "OKButton"));
    EXPECT_TRUE(seams.urls.isEmpty());
    EXPECT_TRUE(seams.messages.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Ways, AboutDialogClosing,
    ::testing::Values(Closing{"OKButton",
                              [](Dialog *d) { QTest::mouseClick(d->findChild<QPushButton *>("OKButton"), Qt::LeftButton); }},
                      // The close box goes through the platform as a window system close.
                      Closing{"CloseBox", [](Dialog *d) { d->windowHandle()->close(); }}),
    [](const auto &info) { return std::string(info.param.name); });

// The banner opens the maker's site, the e-mail line a message to the author.
struct Launch
{
    const char *control;
    QString address;
};
void PrintTo(const Launch &l, std::ostream *os) { *os << l.control; }

class AboutDialogLaunch : public AboutDialog, public ::testing::WithParamInterface<Launch>
{
};

TEST_P(AboutDialogLaunch, OpensExactlyItsAddressThroughTheDesktop)
{
    Dialog *dialog = Opened();
    ASSERT_NE(dialog, nullptr);
    QTest::mouseClick(In(dialog, GetParam().control), Qt::LeftButton);
    EXPECT_EQ(seams.urls, QList<QUrl>{QUrl(GetParam().address)});
    EXPECT_EQ(seams.urls.value(0).toString(), GetParam().address);
    EXPECT_TRUE(dialog->isVisible());
}

TEST_P(AboutDialogLaunch, FailedLaunchShowsNothingAndLeavesTheDialogOpen)
{
    seams.openSucceeds = false;
    Dialog *dialog = Opened();
    ASSERT_NE(dialog, nullptr);
    QTest::mouseClick(In(dialog, GetParam().control), Qt::LeftButton);
    EXPECT_EQ(seams.urls.size(), 1);
    EXPECT_TRUE(seams.messages.isEmpty());
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(dialog->IsLoaded());
    EXPECT_EQ(dialog->geometry(), StoredPlace());
    EXPECT_EQ(Dialogs().size(), 1);
}

INSTANTIATE_TEST_SUITE_P(Targets, AboutDialogLaunch,
                         ::testing::Values(Launch{"Image1", WebAddress}, Launch{"Label4", MailAddress}),
                         [](const auto &info) { return std::string(info.param.control); });

TEST_F(AboutDialog, ClickWhereTheNoteOverlapsTheMailLineOpensTheMail)
{
    Dialog *dialog = Opened();
    ASSERT_NE(dialog, nullptr);
    QWidget *frame = In(dialog, "Frame1");
    const QRect note = In(dialog, "Label2")->geometry();
    const QRect mail = In(dialog, "Label4")->geometry();
    const QRect overlap = note.intersected(mail);
    ASSERT_FALSE(overlap.isEmpty());

    EXPECT_EQ(frame->childAt(overlap.center()), In(dialog, "Label4"));
    ClickAt(frame, overlap.center());
    EXPECT_EQ(seams.urls, QList<QUrl>{QUrl(MailAddress)});

    // The note itself, away from the e-mail line, opens nothing.
    seams.urls.clear();
    ClickAt(frame, note.topLeft() + QPoint(4, 4));
    EXPECT_TRUE(seams.urls.isEmpty());
}

TEST_F(AboutDialog, DragOffTheMailLineIsNoClick)
{
    Dialog *dialog = Opened();
    ASSERT_NE(dialog, nullptr);
    QWidget *mail = In(dialog, "Label4");
    QTest::mousePress(mail, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(mail, Qt::LeftButton, {}, QPoint(5, mail->height() + 20));
    EXPECT_TRUE(seams.urls.isEmpty());
}

TEST_F(AboutDialog, ClosingTheMainWindowLeavesTheDialogAndClosingItEndsTheRun)
{
    Dialog *dialog = Opened();
    ASSERT_NE(dialog, nullptr);
    QStringList others;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && w != window.get() && w != dialog)
            others << w->objectName();
    ASSERT_TRUE(others.isEmpty()) << "other windows would keep the run going: " << others.join(", ").toStdString();
    ASSERT_TRUE(QApplication::quitOnLastWindowClosed());

    QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
    bool dialogStayed = false;
    int closedBeforeDialog = -1;
    // Inside the running event loop, as the user would close them.
    QTimer::singleShot(0, dialog, [&] {
        window->windowHandle()->close();
        dialogStayed = !window->isVisible() && dialog->isVisible();
        closedBeforeDialog = int(lastClosed.count());
        dialog->windowHandle()->close();
    });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    watchdog.start(5000);
    const int exitCode = QApplication::exec();

    EXPECT_EQ(exitCode, 0) << "the run did not end when the last window closed";
    EXPECT_TRUE(dialogStayed);
    EXPECT_EQ(closedBeforeDialog, 0);
    EXPECT_EQ(lastClosed.count(), 1);
}

} // namespace
