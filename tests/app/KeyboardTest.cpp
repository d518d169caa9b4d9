// The window from the keyboard: Tab and Backtab follow the design's focus order in every
// panel state, and Enter or Space press the focused button and nothing else.
#include <QSignalSpy>

#include "catalog/MeasurementTypes.h"
#include "catalog/Routing.h"
#include "catalog/UnitNames.h"
#include "support/TestNames.h"
#include "support/Window.h"

namespace {

// The design's focus order; a control that is hidden, or whose frame is, is skipped.
const char *const FocusOrder[] = {
    "Combo1", "Combo2", "Combo3", "Text1",
    "Command17", "txtamount", "txtOtMoney", "txtSilver", "txtGold",
    "txtGoldNT", "txtSilverNT", "txtNTMoney", "txtAmountNT", "Command18",
    "Text5", "Text2",
    "Command9", "Command10", "Command11", "Command12", "Command13", "Command1", "Command6",
    "Command7", "Command8", "Command51", "Command31", "Command41",
    "cmdAbout", "txtTime", "ComboTime", "Text4", "Text6", "Picture1",
};

class Keyboard : public WindowTest
{
protected:
    // The controls of the focus order that can take the focus now, in that order.
    QStringList Reachable() const
    {
        QStringList names;
        for (const char *name : FocusOrder)
            if (Control(name)->isVisibleTo(window.get()))
                names << QString::fromLatin1(name);
        return names;
    }
    // The control of the focus order that has the focus, or what else has it.
    QString Focused() const
    {
        QWidget *focus = QApplication::focusWidget();
        if (!focus)
            return QStringLiteral("<nothing>");
        for (const char *name : FocusOrder)
            if (HasFocus(name))
                return QString::fromLatin1(name);
        return QStringLiteral("<%1 %2>").arg(QString::fromLatin1(focus->metaObject()->className()),
                                             focus->objectName());
    }
    // Every text of the window's boxes and lists.
    QStringList Texts() const
    {
        QStringList texts;
        for (QLineEdit *line : window->findChildren<QLineEdit *>())
            texts << line->text();
        for (MultiLineBox *box : window->findChildren<MultiLineBox *>())
            texts << box->toPlainText();
        return texts;
    }
    // Presses a key where the focus is, as the keyboard does.
    static void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget *focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        QTest::keyClick(focus, key, modifiers);
    }
};

// A panel state: the window at start, or after the choice of a type.
struct PanelState
{
    const char *name;
    QString type; // empty for the start
};

void PrintTo(const PanelState &s, std::ostream *os) { *os << (s.type.isEmpty() ? s.name : s.type.toStdString()); }

class FocusOrderIn : public Keyboard, public ::testing::WithParamInterface<PanelState>
{
protected:
    void SetUp() override
    {
        Keyboard::SetUp();
        if (!GetParam().type.isEmpty())
            Pick("Combo1", GetParam().type);
    }
};

TEST_P(FocusOrderIn, TabAndBacktabGoToTheNextReachableControlAndChangeNoText)
{
    const QStringList order = Reachable();
    ASSERT_GE(order.size(), 5);
    for (qsizetype i = 0; i < order.size(); ++i) {
        const QString from = order[i];
        const QString next = order[(i + 1) % order.size()];
        const QString previous = order[(i + order.size() - 1) % order.size()];

        Control(qPrintable(from))->setFocus(Qt::OtherFocusReason);
        ASSERT_EQ(Focused(), from);
        const QStringList texts = Texts();
        Press(Qt::Key_Tab);
        EXPECT_EQ(Focused(), next) << "Tab from " << from.toStdString();
        EXPECT_EQ(Texts(), texts) << "Tab from " << from.toStdString();

        Control(qPrintable(from))->setFocus(Qt::OtherFocusReason);
        Press(Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_EQ(Focused(), previous) << "Backtab from " << from.toStdString();
        EXPECT_EQ(Texts(), texts) << "Backtab from " << from.toStdString();
    }
}

std::vector<PanelState> PanelStates()
{
    std::vector<PanelState> states{{"Start", QString()}};
    static std::vector<std::string> names; // the names must outlive the cases
    names.reserve(catalog::MeasurementTypeNames().size());
    for (const QString &type : catalog::MeasurementTypeNames()) {
        names.push_back(CaseName(type));
        states.push_back({names.back().c_str(), type});
    }
    return states;
}

INSTANTIATE_TEST_SUITE_P(States, FocusOrderIn, ::testing::ValuesIn(PanelStates()),
                         [](const auto &info) { return std::string(info.param.name); });

// The whole cycle once by hand, where the converter panel shows: through the amount, the
// notes and the sentence to the one visible "Click to Convert", then on to "About".
TEST_F(Keyboard, ReachesTheVisibleConvertButtonAndAboutFromTheAmount)
{
    Pick("Combo1", measure::Linear);
    Pick("Combo2", unit::Finger);
    ASSERT_EQ(Focused(), QStringLiteral("Text1"));
    QStringList reached;
    for (int i = 0; i < 5; ++i) {
        Press(Qt::Key_Tab);
        reached << Focused();
    }
    EXPECT_EQ(reached, (QStringList{"Text5", "Text2", "Command1", "cmdAbout", "Text6"}));
}

// No key makes a tab character in a multi-line box, Ctrl+Tab included.
class TabInto : public Keyboard, public ::testing::WithParamInterface<BoxInPanel>
{
};

TEST_P(TabInto, AnEditableBoxStoresNoTab)
{
    Uncover(GetParam().panel);
    MultiLineBox *box = Box(GetParam().box);
    box->setFocus(Qt::OtherFocusReason);
    QTest::keyClicks(box, QStringLiteral("ab"));
    for (const auto modifiers : {Qt::KeyboardModifiers(Qt::ControlModifier),
                                 Qt::KeyboardModifiers(Qt::ControlModifier | Qt::ShiftModifier),
                                 Qt::KeyboardModifiers(Qt::AltModifier)}) {
        box->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(box, Qt::Key_Tab, modifiers);
    }
    box->setFocus(Qt::OtherFocusReason);
    QTest::keyClicks(box, QStringLiteral("\t"));
    EXPECT_EQ(box->toPlainText(), QStringLiteral("ab"));
}

INSTANTIATE_TEST_SUITE_P(Boxes, TabInto, ::testing::Values(
    BoxInPanel{"Text2", "Frame2"}, BoxInPanel{"Text6", nullptr}, BoxInPanel{"txtOtMoney", "Frame4"},
    BoxInPanel{"txtNTMoney", "Frame5"}),
    [](const auto &info) { return std::string(info.param.box); });

// Every button, with what must show for it to be reachable.
struct ButtonCase
{
    const char *button;
    const char *panel; // shown above the splash
};

using ButtonKey = std::tuple<ButtonCase, Qt::Key>;

void PrintTo(const ButtonKey &c, std::ostream *os) { *os << std::get<0>(c).button << " by " << KeyName(std::get<1>(c)); }

class FocusedButton : public Keyboard, public ::testing::WithParamInterface<ButtonKey>
{
protected:
    QPushButton *Reach()
    {
        const ButtonCase &c = std::get<0>(GetParam());
        for (const char *panel : {"Frame2", "Frame4", "Frame5", "FrameTime"})
            Control(panel)->hide();
        Uncover(c.panel);
        if (c.panel && QByteArray(c.panel) == "Frame2")
            Arm(c.button);
        QPushButton *button = Button(c.button);
        button->setFocus(Qt::OtherFocusReason);
        return button;
    }
};

TEST_P(FocusedButton, IsPressedByEnterOrSpaceOnce)
{
    QPushButton *button = Reach();
    ASSERT_EQ(Focused(), QString::fromLatin1(std::get<0>(GetParam()).button));
    QSignalSpy clicks(button, &QPushButton::clicked);
    QTest::keyClick(button, std::get<1>(GetParam()));
    EXPECT_EQ(clicks.size(), 1);
}

const ButtonCase Buttons[] = {
    {"Command1", "Frame2"},  {"Command31", "Frame2"}, {"Command41", "Frame2"}, {"Command51", "Frame2"},
    {"Command6", "Frame2"},  {"Command7", "Frame2"},  {"Command8", "Frame2"},  {"Command9", "Frame2"},
    {"Command10", "Frame2"}, {"Command11", "Frame2"}, {"Command12", "Frame2"}, {"Command13", "Frame2"},
    {"Command17", "Frame4"}, {"Command18", "Frame5"}, {"cmdAbout", nullptr},
};

INSTANTIATE_TEST_SUITE_P(Keys, FocusedButton,
                         ::testing::Combine(::testing::ValuesIn(Buttons),
                                            ::testing::Values(Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space)),
                         [](const auto &info) {
                             return CaseName(std::get<0>(info.param).button, KeyName(std::get<1>(info.param)));
                         });

// Enter on the visible "Click to Convert" converts as a click does.
TEST_F(Keyboard, EnterOnTheConvertButtonWritesTheSentence)
{
    Pick("Combo1", measure::Linear);
    Pick("Combo2", unit::Finger);
    Pick("Combo3", unit::Inches);
    Type("Text1", QStringLiteral("2"));
    Button("Command1")->setFocus(Qt::TabFocusReason);
    Press(Qt::Key_Return);
    EXPECT_EQ(Box("Text2")->text(), QStringLiteral("2  Finger  =  1.50  Inches"));
    EXPECT_TRUE(AmountHasFocus());
}

TEST_F(Keyboard, AHeldEnterPressesOnce)
{
    Arm("Command13");
    QSignalSpy clicks(Button("Command13"), &QPushButton::clicked);
    Button("Command13")->setFocus(Qt::OtherFocusReason);
    QTest::keyPress(Button("Command13"), Qt::Key_Return);
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), true);
    QApplication::sendEvent(Button("Command13"), &repeat);
    QApplication::sendEvent(Button("Command13"), &repeat);
    QTest::keyRelease(Button("Command13"), Qt::Key_Return);
    EXPECT_EQ(clicks.size(), 1);
}

// No button is the default: Enter where another control has the focus presses none.
TEST_F(Keyboard, EnterElsewherePressesNoButton)
{
    Control("FrameSplash")->hide();
    std::vector<std::pair<QString, std::unique_ptr<QSignalSpy>>> spies;
    for (QPushButton *button : window->findChildren<QPushButton *>())
        spies.emplace_back(button->objectName(), std::make_unique<QSignalSpy>(button, &QPushButton::clicked));
    for (const char *name : {"Combo1", "Combo2", "Combo3", "Text1", "Text2", "Text5", "Text6"}) {
        Control(name)->setFocus(Qt::OtherFocusReason);
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter})
            Press(key);
    }
    for (const auto &[name, spy] : spies)
        EXPECT_EQ(spy->size(), 0) << name.toStdString();
    EXPECT_TRUE(seams.messages.isEmpty());
}

} // namespace
