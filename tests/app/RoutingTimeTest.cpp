#include <vector>

#include "catalog/Hours.h"
#include "catalog/Scripture.h"
#include "catalog/UnitNotes.h"
#include "support/TestNames.h"
#include "support/Window.h"

namespace {

using TimeChoice = WindowTest;

struct TimeCase
{
    catalog::TimeRow row;
};

void PrintTo(const TimeCase &c, std::ostream *os) { *os << c.row.item.toStdString(); }

std::vector<TimeCase> EveryRow()
{
    std::vector<TimeCase> cases;
    for (const catalog::TimeRow &row : catalog::TimeRouting())
        cases.push_back({row});
    return cases;
}

class EveryTimeItem : public TimeChoice, public ::testing::WithParamInterface<TimeCase>
{
};

TEST_P(EveryTimeItem, ShowsItsNoteAndQuotationAndTakesTheFocus)
{
    const catalog::TimeRow &row = GetParam().row;
    Pick("Combo1", "Time");
    Box("Text5")->setText("an earlier note");
    Box("Text6")->setText("an earlier verse");

    Pick("ComboTime", row.item);

    EXPECT_EQ(Box("txtTime")->text(), row.note);
    EXPECT_EQ(Box("Text6")->text(), row.quote.value_or("an earlier verse"));
    EXPECT_EQ(Box("Text5")->text(), row.notes.value_or(QString()));
    EXPECT_TRUE(HasFocus("txtTime"));
    EXPECT_EQ(List("ComboTime")->text(), row.item);

    // The same item again gives the same state.
    Pick("ComboTime", row.item);
    EXPECT_EQ(Box("txtTime")->text(), row.note);
    EXPECT_EQ(Box("Text6")->text(), row.quote.value_or("an earlier verse"));
    EXPECT_EQ(Box("Text5")->text(), row.notes.value_or(QString()));
}

INSTANTIATE_TEST_SUITE_P(Routing, EveryTimeItem, ::testing::ValuesIn(EveryRow()), [](const auto &info) {
    return CaseName(info.param.row.item);
});

TEST_F(TimeChoice, CockCrowingQuotesBothMarkVersesInTheNotesBox)
{
    Pick("Combo1", "Time");
    Pick("ComboTime", "Day");
    Pick("ComboTime", "Cock-crowing");
    EXPECT_EQ(Box("txtTime")->text(),
              QStringLiteral("There were two : one after midnight, and one before dawn. Both are "
                             "mentioned in Mark 14:30. The latter was THE cock-crowing."));
    const QStringList lines = Box("Text5")->text().split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0], catalog::scripture::Mark13_35());
    EXPECT_EQ(lines[1], catalog::scripture::Mark14_30());
    EXPECT_EQ(Box("Text6")->text(), catalog::scripture::Genesis1_5());

    Pick("ComboTime", "Sixth Hour");
    EXPECT_EQ(Box("Text5")->text(), QString());
}

TEST_F(TimeChoice, AnHourEmptiesAUnitsNote)
{
    Pick("Combo1", "Linear Measures Old & New Testament");
    Pick("Combo2", "Sabbath Day's Journey");
    Pick("Combo1", "Time");
    EXPECT_EQ(Box("Text5")->text(), catalog::SabbathNote());
    Pick("ComboTime", "Day");
    EXPECT_EQ(Box("Text5")->text(), QString());
    EXPECT_EQ(Box("txtTime")->text(), QStringLiteral("Reckoned from sunset to sunset."));
    EXPECT_EQ(Box("Text6")->text(), catalog::scripture::Genesis1_5());

    Pick("ComboTime", "Watch - Old Testament");
    EXPECT_EQ(Box("txtTime")->text(), QStringLiteral("First Watch, 9 PM until midnight.\r\n"
                                                     "Middle Watch, midnight until 3 AM.\r\n"
                                                     "Morning Watch, 3 AM until 6 AM."));
    EXPECT_EQ(Box("Text5")->text(), QString());
    EXPECT_EQ(Box("Text6")->text(), catalog::scripture::Genesis1_5());
}

TEST_F(TimeChoice, PairsShareTheirQuotation)
{
    Pick("Combo1", "Time");
    const std::pair<const char *, const char *> pairs[] = {{"Day", "Night"},
                                                           {"Second Watch", "Third Watch"}};
    for (const auto &[first, second] : pairs) {
        Pick("ComboTime", first);
        const QString quote = Box("Text6")->text();
        Box("Text6")->setText(QString());
        Pick("ComboTime", second);
        EXPECT_EQ(Box("Text6")->text(), quote) << first;
        EXPECT_FALSE(quote.isEmpty());
    }
}

TEST_F(TimeChoice, TypingAnHourRoutesNothing)
{
    Pick("Combo1", "Time");
    Type("ComboTime", "Day");
    EXPECT_EQ(Box("txtTime")->text(), QString());
    EXPECT_EQ(Box("Text6")->text(), QString());
}

} // namespace
