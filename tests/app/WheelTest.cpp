// The mouse wheel over the drop-down lists: it goes to the control that has the focus, so it
// changes a list only while that list has the focus, and never gives it the focus.
#include <QSpontaneKeyEvent>
#include <QWheelEvent>

#include "catalog/MeasurementTypes.h"
#include "support/Window.h"

namespace {

// Notches of the wheel turned down over a list, as the window system delivers them: to the
// edit field under the pointer, passed on to the list where the field takes none. Like QTest's
// own input, through notify(): sendEvent() would make them non-spontaneous, which Qt hands
// to the receiver alone.
void TurnDown(DropDownList *list, int notches)
{
    QWidget *field = list->lineEdit();
    const QPointF at = QRectF(field->rect()).center();
    for (int i = 0; i < notches; ++i) {
        QWheelEvent notch(at, field->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QSpontaneKeyEvent::setSpontaneous(&notch);
        qApp->notify(field, &notch);
    }
}

// A list under the pointer, in the panel state a type leaves, with the focus elsewhere.
struct WheelCase
{
    const char *list;
    QString type;       // picked first
    const char *focus;  // the control that has the focus
    int reached;        // the item a notch down reaches once the list has the focus
};

void PrintTo(const WheelCase &c, std::ostream *os) { *os << c.list; }

class Wheel : public WindowTest, public ::testing::WithParamInterface<WheelCase>
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        Pick("Combo1", GetParam().type);
        Control(GetParam().focus)->setFocus(Qt::OtherFocusReason);
        ASSERT_TRUE(HasFocus(GetParam().focus));
        seams.messages.clear();
    }
};

TEST_P(Wheel, OverAListWithoutTheFocusChangesNothing)
{
    const QStringList before = Snapshot(*window);
    // Far enough down the type list to reach the money types and their notice.
    TurnDown(List(GetParam().list), 9);
    EXPECT_EQ(Snapshot(*window), before);
    EXPECT_TRUE(HasFocus(GetParam().focus)) << "the wheel took the focus";
    EXPECT_TRUE(MessageTexts().isEmpty());
}

TEST_P(Wheel, OverTheFocusedListStepsToTheNextItem)
{
    DropDownList *list = List(GetParam().list);
    list->setFocus(Qt::OtherFocusReason);
    TurnDown(list, 1);
    EXPECT_EQ(list->text(), list->itemText(GetParam().reached));
    EXPECT_FALSE(list->text().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Lists, Wheel,
    // A pick leaves the type list on its item; the unit and time lists start on none.
    ::testing::Values(WheelCase{"Combo1", measure::Linear, "Text1", 1},
                      WheelCase{"Combo2", measure::Linear, "Text1", 0},
                      WheelCase{"Combo3", measure::Linear, "Text1", 0},
                      WheelCase{"ComboTime", measure::Time, "txtTime", 0}),
    [](const auto &info) { return std::string(info.param.list); });

using FocusedTypeList = WindowTest;

// As a pick does, a step of the focused type list runs its procedure.
TEST_F(FocusedTypeList, TakesTheWheelAsAChoiceOfTheType)
{
    Pick("Combo1", measure::Linear);
    List("Combo1")->setFocus(Qt::OtherFocusReason);
    const QStringList linearUnits = ItemsOf(List("Combo2"));
    TurnDown(List("Combo1"), 1);
    EXPECT_EQ(List("Combo1")->text(), measure::WeightsOT);
    EXPECT_NE(ItemsOf(List("Combo2")), linearUnits);
    EXPECT_FALSE(ItemsOf(List("Combo2")).isEmpty());
}

} // namespace
