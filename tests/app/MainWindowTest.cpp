#include <cmath>

#include <QAbstractItemView>
#include <QFrame>
#include <QLabel>
#include <QScreen>
#include <QScrollBar>

#include "support/LocaleGuard.h"
#include "support/TestNames.h"
#include "support/Twips.h"
#include "support/Window.h"

namespace {

using MainWindow = WindowTest;

TEST_F(MainWindow, IsCaptionedFixedAndCannotBeMaximised)
{
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Ostrevan"));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_EQ(window->size(), QSize(391, 395));
    EXPECT_TRUE(window->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(window->windowIcon().isNull());
}

TEST_F(MainWindow, ListsTheElevenTypesInOrderUnderItsDesignText)
{
    EXPECT_EQ(List("Combo1")->text(), QStringLiteral("Choose A Measurement Type"));
    EXPECT_EQ(ItemsOf(List("Combo1")),
              (QStringList{"Linear Measures Old & New Testament", "Weights Old Testament",
                           "Weights New Testament", "Liquid Measure Old Testament",
                           "Dry Measure Old Testament", "Dry and Liquid Measures New Testament",
                           "Roman Capacity Measures", "Money Values Old Testament",
                           "Money Values New Testament", "Time", "Area Measures"}));
    for (const char *name : {"Combo2", "Combo3", "ComboTime"})
        EXPECT_TRUE(ItemsOf(List(name)).isEmpty()) << name;
    EXPECT_EQ(List("Combo2")->text(), QStringLiteral("Convert From"));
    EXPECT_EQ(List("Combo3")->text(), QStringLiteral("Convert To"));
    EXPECT_EQ(List("ComboTime")->text(), QStringLiteral("Choose a Time..."));
}

TEST_F(MainWindow, StartsWithTheSplashOverTheConverterPanel)
{
    for (const char *shown : {"Frame1", "FrameSplash", "Picture1", "Frame2", "Text5", "Text6", "Image1", "cmdAbout"})
        EXPECT_TRUE(Control(shown)->isVisible()) << shown;
    for (const char *hidden : {"Frame4", "Frame5", "FrameTime", "Text4"})
        EXPECT_FALSE(Control(hidden)->isVisible()) << hidden;
    for (QPushButton *button : window->ConverterButtons()) {
        EXPECT_TRUE(button->isVisible()) << button->objectName().toStdString();
        EXPECT_EQ(button->text(), QStringLiteral("Click to Convert"));
    }
    EXPECT_EQ(ButtonAtConvertSpot(), Button("Command41"));
    // The splash covers the panel area and both notes boxes.
    for (const char *covered : {"Frame2", "Text5", "Text6"}) {
        QWidget *w = Control(covered);
        const QPoint centre = w->mapTo(window.get(), w->rect().center());
        QWidget *top = window->childAt(centre);
        ASSERT_NE(top, nullptr);
        EXPECT_TRUE(top == Control("FrameSplash") || top->parentWidget() == Control("FrameSplash")) << covered;
    }
    EXPECT_TRUE(Box("Text5")->text().isEmpty());
    EXPECT_TRUE(Box("Text6")->text().isEmpty());
    EXPECT_TRUE(Box("Text2")->text().isEmpty());
    EXPECT_EQ(Line("Text1")->text(), QStringLiteral("1"));
}

TEST_F(MainWindow, StacksTheConverterButtonsWithCommand41OnTop)
{
    // Hiding the top one after another shows the stack from the top down.
    const char *stack[] = {"Command41", "Command31", "Command51", "Command8", "Command7", "Command6",
                           "Command1", "Command13", "Command12", "Command11", "Command10", "Command9"};
    for (const char *name : stack) {
        EXPECT_EQ(ButtonAtConvertSpot(), Button(name)) << name;
        Button(name)->hide();
    }
}

TEST_F(MainWindow, RewritesTheOldTestamentPricesInTheUsersCurrency)
{
    EXPECT_EQ(Line("txtGold")->text(), QStringLiteral("$350.00"));
    EXPECT_EQ(Line("txtSilver")->text(), QStringLiteral("$4.75"));
    EXPECT_EQ(Line("txtamount")->text(), QStringLiteral("1"));
    EXPECT_EQ(Line("txtGoldNT")->text(), QStringLiteral("350.00"));
    EXPECT_EQ(Line("txtSilverNT")->text(), QStringLiteral("4.75"));
    EXPECT_EQ(Line("txtAmountNT")->text(), QStringLiteral("1"));
}

TEST(MainWindowLocale, RewritesThePricesUnderGermanSettings)
{
    LocaleGuard guard{GermanLocale()};
    RecordingSeams seams;
    frmRound window(seams);
    EXPECT_EQ(window.txtGold->text(), QStringLiteral("350,00\u00a0\u20ac"));
    EXPECT_EQ(window.txtSilver->text(), QStringLiteral("4,75\u00a0\u20ac"));
    EXPECT_EQ(window.txtGoldNT->text(), QStringLiteral("350.00"));
}

TEST_F(MainWindow, HasTheFocusOnTheTypeList)
{
    QWidget *focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    EXPECT_TRUE(focus == Control("Combo1") || focus->parentWidget() == Control("Combo1"));
}

TEST_F(MainWindow, NeverShowsItsWorkFields)
{
    QList<QLineEdit *> work;
    for (const char *name : {"text3", "txtShekSil", "txtShekGol", "txtMinSil", "txtMinGol", "txtTalSil",
                             "txtTalGol", "txtBekSil", "txtDraSil", "txtDraGol", "txtDenSil", "txtDenGol",
                             "txtGerSil", "txtGerGol", "txtMinaSil", "txtMinaGol", "txtSheSil", "txtSheGol",
                             "txtTaleSil", "txtTaleGol", "txtFarthing", "txtMite", "txtPenny"})
        work << Line(name);
    const QRect client = window->rect();
    for (QLineEdit *box : work) {
        EXPECT_FALSE(box->isVisible()) << box->objectName().toStdString();
        EXPECT_FALSE(client.intersects(box->geometry())) << box->objectName().toStdString();
        EXPECT_EQ(box->focusPolicy(), Qt::NoFocus);
    }
}

struct Place { const char *name; QRect twipsPlace; };

void PrintTo(const Place &p, std::ostream *os)
{
    const QRect &r = p.twipsPlace;
    *os << p.name << " at (" << r.x() << ", " << r.y() << ") " << r.width() << " x " << r.height() << " twips";
}

class ControlPlaces : public MainWindow, public ::testing::WithParamInterface<Place> {};

TEST_P(ControlPlaces, StandWhereTheyAreDesigned)
{
    const Place p = GetParam();
    const QRect r = p.twipsPlace;
    EXPECT_EQ(Control(p.name)->geometry(), FromTwips(r.x(), r.y(), r.width(), r.height())) << p.name;
}

INSTANTIATE_TEST_SUITE_P(Design, ControlPlaces, ::testing::Values(
    Place{"Frame1", {120, 0, 5655, 735}}, Place{"Combo1", {840, 240, 4215, 315}},
    Place{"FrameSplash", {120, 720, 5655, 4575}}, Place{"Picture1", {120, 240, 5415, 4215}},
    Place{"Frame2", {120, 720, 5655, 2055}}, Place{"Text1", {2280, 240, 975, 285}},
    Place{"Combo2", {120, 600, 2700, 315}}, Place{"Combo3", {2880, 600, 2700, 315}},
    Place{"Text2", {120, 960, 5415, 495}}, Place{"Command1", {1920, 1560, 1455, 360}},
    Place{"Command13", {1920, 1560, 1455, 360}}, Place{"Frame4", {120, 720, 5655, 2055}},
    Place{"Label2", {240, 120, 1215, 255}}, Place{"Label3", {2160, 120, 1215, 255}},
    Place{"Label4", {4320, 120, 1095, 255}}, Place{"txtGold", {360, 360, 975, 285}},
    Place{"txtSilver", {2280, 360, 855, 285}}, Place{"txtamount", {4560, 360, 735, 285}},
    Place{"txtOtMoney", {120, 720, 5415, 735}}, Place{"Command17", {2040, 1560, 1455, 350}},
    Place{"Frame5", {120, 720, 5655, 2055}}, Place{"Label7", {240, 120, 1215, 255}},
    Place{"Label6", {1920, 120, 1215, 255}}, Place{"Label5", {4440, 120, 1095, 255}},
    Place{"txtGoldNT", {360, 360, 975, 285}}, Place{"txtSilverNT", {2280, 360, 855, 285}},
    Place{"txtAmountNT", {4560, 360, 735, 285}}, Place{"txtNTMoney", {120, 720, 5415, 735}},
    Place{"Command18", {2040, 1560, 1455, 350}}, Place{"FrameTime", {120, 720, 5655, 2055}},
    Place{"ComboTime", {1800, 240, 2295, 315}}, Place{"txtTime", {120, 960, 5415, 855}},
    Place{"Text4", {240, 960, 5415, 1695}}, Place{"Text5", {120, 2880, 5655, 1485}},
    Place{"Text6", {120, 4440, 5655, 735}}, Place{"Image1", {120, 5280, 4500, 465}},
    Place{"cmdAbout", {4800, 5400, 975, 375}}),
    [](const auto &info) { return CaseName(info.param.name); });

TEST_F(MainWindow, ContainsEachControlInItsFrame)
{
    const std::pair<const char *, const char *> inside[] = {
        {"Combo1", "Frame1"}, {"Picture1", "FrameSplash"}, {"Text1", "Frame2"}, {"Combo2", "Frame2"},
        {"Combo3", "Frame2"}, {"Text2", "Frame2"}, {"Command9", "Frame2"}, {"txtGold", "Frame4"},
        {"txtOtMoney", "Frame4"}, {"Command17", "Frame4"}, {"txtGoldNT", "Frame5"},
        {"txtNTMoney", "Frame5"}, {"Command18", "Frame5"}, {"ComboTime", "FrameTime"},
        {"txtTime", "FrameTime"}, {"Text4", "frmRound"}, {"Text5", "frmRound"}, {"Image1", "frmRound"}};
    for (const auto &[child, container] : inside)
        EXPECT_EQ(Control(child)->parentWidget()->objectName(), QString::fromLatin1(container)) << child;
}

TEST_F(MainWindow, ShowsTheDesignedLook)
{
    const QColor green(0, 255, 0), cyan(0, 255, 255), black(0, 0, 0);
    struct Look { const char *name; QColor text; QColor back; bool bold; };
    const Look looks[] = {
        {"Combo1", green, black, true}, {"Text1", green, black, true}, {"Combo2", green, black, true},
        {"Combo3", green, black, true}, {"Text2", green, black, true}, {"txtOtMoney", green, black, true},
        {"txtNTMoney", green, black, true}, {"txtTime", cyan, black, true}, {"Text4", cyan, black, true},
    };
    for (const Look &l : looks) {
        QWidget *w = Control(l.name);
        EXPECT_EQ(w->palette().color(QPalette::Text), l.text) << l.name;
        EXPECT_EQ(w->palette().color(QPalette::Base), l.back) << l.name;
        EXPECT_EQ(w->font().bold(), l.bold) << l.name;
    }
    EXPECT_EQ(Control("ComboTime")->palette().color(QPalette::Base), QColor(192, 255, 255));
    for (const char *notes : {"Text5", "Text6"}) {
        EXPECT_DOUBLE_EQ(Control(notes)->font().pointSizeF(), 9.75) << notes;
        EXPECT_FALSE(Control(notes)->font().bold()) << notes;
        EXPECT_EQ(Control(notes)->palette().color(QPalette::Base), QApplication::palette().color(QPalette::ToolTipBase));
        EXPECT_EQ(Control(notes)->palette().color(QPalette::Text), QApplication::palette().color(QPalette::ToolTipText));
    }
    EXPECT_EQ(Line("Text1")->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
    EXPECT_EQ(Line("Text1")->toolTip(), QStringLiteral("Enter any amount to convert."));
    EXPECT_EQ(Control("Image1")->toolTip(), QStringLiteral("Click here for more Freeware from Veltrane."));
    EXPECT_EQ(Control("Image1")->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_FALSE(Control<QLabel>("Picture1")->pixmap().isNull());
    EXPECT_EQ(Control<QLabel>("Picture1")->pixmap().size(), QSize(287, 274));
    EXPECT_EQ(Control<QLabel>("Image1")->pixmap().size(), QSize(300, 31));
}

// A plain scroll bar of the same size and range, as the system draws one, in a window.
QImage PlainScrollBarLike(const QScrollBar *bar, QWidget *window)
{
    QScrollBar plain(Qt::Vertical, window);
    plain.setRange(bar->minimum(), bar->maximum());
    plain.setPageStep(bar->pageStep());
    plain.setSingleStep(bar->singleStep());
    plain.setValue(bar->value());
    plain.setGeometry(QRect(QPoint(0, 0), bar->size()));
    plain.show();
    return plain.grab().toImage();
}

// A box's colours are its own; its scroll bar is drawn as a plain one of its size is, in
// the system's colours, so that it shows in a black box too.
class BoxScrollBar : public MainWindow, public ::testing::WithParamInterface<BoxInPanel>
{
};

TEST_P(BoxScrollBar, LooksLikeAPlainScrollBarOfItsSize)
{
    const BoxInPanel c = GetParam();
    Uncover(c.panel);
    MultiLineBox *box = Box(c.box);
    box->setText(QStringLiteral("A line of a long note.\r\n").repeated(60));
    QTest::qWait(0);
    ASSERT_TRUE(box->isVisible());
    QScrollBar *bar = box->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    EXPECT_EQ(bar->grab().toImage(), PlainScrollBarLike(bar, window.get())) << c.box;
}

INSTANTIATE_TEST_SUITE_P(Boxes, BoxScrollBar, ::testing::Values(
    BoxInPanel{"Text2", "Frame2"}, BoxInPanel{"Text4", "Text4"}, BoxInPanel{"Text5", nullptr},
    BoxInPanel{"Text6", nullptr}, BoxInPanel{"txtTime", "FrameTime"}, BoxInPanel{"txtOtMoney", "Frame4"},
    BoxInPanel{"txtNTMoney", "Frame5"}),
    [](const auto &info) { return std::string(info.param.box); });

// So is the scroll bar of a list's open drop-down, while its items keep the list's colours.
class ListScrollBar : public MainWindow, public ::testing::WithParamInterface<BoxInPanel>
{
};

TEST_P(ListScrollBar, LooksLikeAPlainScrollBarOfItsSize)
{
    const BoxInPanel c = GetParam();
    Uncover(c.panel);
    DropDownList *list = List(c.box);
    QStringList items;
    for (int i = 1; i <= 40; ++i)
        items << QStringLiteral("Item %1").arg(i);
    list->appendItems(items);
    list->showPopup();
    QAbstractItemView *view = list->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view->window()));
    QScrollBar *bar = view->verticalScrollBar();
    ASSERT_TRUE(bar->isVisible());
    ASSERT_GT(bar->maximum(), 0);
    EXPECT_EQ(bar->grab().toImage(), PlainScrollBarLike(bar, window.get())) << c.box;
    for (const auto role : {QPalette::Base, QPalette::Text})
        EXPECT_EQ(view->palette().color(role), list->palette().color(role)) << c.box;
    list->hidePopup();
}

INSTANTIATE_TEST_SUITE_P(Lists, ListScrollBar, ::testing::Values(
    BoxInPanel{"Combo1", nullptr}, BoxInPanel{"Combo2", "Frame2"}, BoxInPanel{"Combo3", "Frame2"},
    BoxInPanel{"ComboTime", "FrameTime"}),
    [](const auto &info) { return std::string(info.param.box); });

// The contrast of two colours, 1 to 21, as the web's accessibility guidelines reckon it.
double Contrast(const QColor &a, const QColor &b)
{
    auto luminance = [](const QColor &c) {
        auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TEST(MainWindowScheme, NotesAreReadableUnderADarkScheme)
{
    const QPalette saved = QApplication::palette();
    QPalette dark = saved;
    dark.setColor(QPalette::ToolTipBase, QColor(48, 48, 48));
    dark.setColor(QPalette::ToolTipText, QColor(240, 240, 240));
    QApplication::setPalette(dark);
    {
        RecordingSeams seams;
        frmRound window(seams);
        for (MultiLineBox *notes : {window.Text5, window.Text6}) {
            const QPalette p = notes->palette();
            EXPECT_EQ(p.color(QPalette::Base), QColor(48, 48, 48)) << notes->objectName().toStdString();
            EXPECT_GE(Contrast(p.color(QPalette::Text), p.color(QPalette::Base)), 7.0)
                << notes->objectName().toStdString();
        }
    }
    QApplication::setPalette(saved);
}

TEST_F(MainWindow, LocksTheNotesButNotTheEntryBoxes)
{
    for (const char *locked : {"txtTime", "Text4", "Text5"})
        EXPECT_TRUE(Box(locked)->isReadOnly()) << locked;
    for (const char *open : {"Text6", "Text2", "txtOtMoney", "txtNTMoney"})
        EXPECT_FALSE(Box(open)->isReadOnly()) << open;
    for (const char *multi : {"Text2", "txtOtMoney", "txtNTMoney", "txtTime", "Text4", "Text5", "Text6"}) {
        EXPECT_EQ(Box(multi)->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn) << multi;
        EXPECT_EQ(Box(multi)->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff) << multi;
        EXPECT_EQ(Box(multi)->lineWrapMode(), QPlainTextEdit::WidgetWidth) << multi;
    }
}

TEST_F(MainWindow, FollowsTheDesignedFocusOrder)
{
    const QStringList order = {"Combo1", "Combo2", "Combo3", "Text1", "Command17", "txtamount",
                               "txtOtMoney", "txtSilver", "txtGold", "txtGoldNT", "txtSilverNT",
                               "txtNTMoney", "txtAmountNT", "Command18", "Text5", "Text2",
                               "Command9", "Command10", "Command11", "Command12", "Command13",
                               "Command1", "Command6", "Command7", "Command8", "Command51",
                               "Command31", "Command41", "cmdAbout", "txtTime", "ComboTime",
                               "Text4", "Text6", "Picture1"};
    QStringList chain;
    QWidget *w = Control("Combo1");
    do {
        if (order.contains(w->objectName()) && !chain.contains(w->objectName()))
            chain << w->objectName();
        w = w->nextInFocusChain();
    } while (w != Control("Combo1"));
    EXPECT_EQ(chain, order);
}

TEST_F(MainWindow, RunsNothingForAToUnitTypingOrThePictures)
{
    List("Combo3")->appendItems({"Inches", "Feet"});
    const QStringList withItems = Snapshot(*window);
    Pick("Combo3", "Feet");
    QTest::mouseClick(Control("Image1"), Qt::LeftButton);
    QTest::mouseClick(Control("Picture1"), Qt::LeftButton);
    EXPECT_TRUE(seams.urls.isEmpty());
    EXPECT_TRUE(seams.messages.isEmpty());
    QStringList after = Snapshot(*window);
    QStringList expected = withItems;
    expected.replaceInStrings("Combo3 shown Convert To", "Combo3 shown Feet");
    EXPECT_EQ(after, expected);

    // Typing into a list, Enter included, picks nothing.
    Type("Combo1", "Time");
    QTest::keyClick(List("Combo1")->lineEdit(), Qt::Key_Return);
    EXPECT_FALSE(Control("FrameTime")->isVisibleTo(window.get()));
    EXPECT_TRUE(ItemsOf(List("ComboTime")).isEmpty());
}

} // namespace

namespace {

// Its frame, title bar included, in the centre of the screen's available area; where the
// window is too large for the area, its top-left corner with the title bar in the area. The
// CTest WindowsOnASmallHiDpiScreen runs this on a screen too low for the window.
TEST(MainWindowPlacement, OpensInTheCentreOfTheScreen)
{
    RecordingSeams seams;
    frmRound window(seams);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QRect area = window.screen()->availableGeometry();
    const QRect frame = window.frameGeometry();
    ASSERT_NE(frame, window.geometry()) << "the platform draws no frame";
    if (frame.width() <= area.width())
        EXPECT_LE(std::abs(frame.center().x() - area.center().x()), 1) << frame.x();
    else
        EXPECT_EQ(frame.left(), area.left());
    if (frame.height() <= area.height())
        EXPECT_LE(std::abs(frame.center().y() - area.center().y()), 1) << frame.y();
    else
        EXPECT_EQ(frame.top(), area.top());
}

} // namespace
