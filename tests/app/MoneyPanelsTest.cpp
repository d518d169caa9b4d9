#include <map>

#include <QFrame>

#include "support/LocaleGuard.h"
#include "support/TestNames.h"
#include "support/Window.h"

namespace {

const QString OldTestamentStart = QStringLiteral(
    "SHECKEL - Silver =  $1.91  U.S. Dollars\r\n"
    "SHECKEL - Gold =  $141.05  U.S. Dollars\r\n"
    "MINA - Silver =  $95.76  U.S. Dollars\r\n"
    "MINA - Gold =  $7,056.00  U.S. Dollars\r\n"
    "TALENT - Silver =  $2,872.80  U.S. Dollars\r\n"
    "TALENT - Gold =  $211,680.00  U.S. Dollars");

const QString NewTestamentStart = QStringLiteral(
    "FARTHING = Approximately  $0.04\r\n"
    "MITE = Approximately  $0.02\r\n"
    "PENNY = Approximately  $0.05\r\n"
    "BEKA - Silver  =  $0.86\r\n"
    "DRACHMA - Silver =  $1.28\r\n"
    "DRACHMA - Gold =  $94.50\r\n"
    "DENAIRUS - Silver =  $0.05\r\n"
    "DENAIRUS - Gold =  $3.50\r\n"
    "GERAH - Silver =  $0.09\r\n"
    "GERAH - Gold =  $6.37\r\n"
    "MINA or POUND - Silver =  $86.45\r\n"
    "MINA or POUND - Gold =  $6,370.00\r\n"
    "SHEKEL - Silver =  $1.73\r\n"
    "SHEKEL - Gold =  $127.40\r\n"
    "TALENT - Silver =  $6,916.00\r\n"
    "TALENT - Gold =  $509,600.00");

// The window with one money panel in view, as choosing its type leaves it.
class MoneyPanels : public WindowTest
{
protected:
    void ShowPanel(const char *frame)
    {
        Control("FrameSplash")->hide();
        Control("Frame2")->hide();
        Control(frame)->show();
    }
    void ClickOldTestament()
    {
        ShowPanel("Frame4");
        QTest::mouseClick(Button("Command17"), Qt::LeftButton);
    }
    void ClickNewTestament()
    {
        ShowPanel("Frame5");
        QTest::mouseClick(Button("Command18"), Qt::LeftButton);
    }
    // Every text a box is given from now on.
    QStringList &Record(const char *box)
    {
        QStringList &texts = written[QString::fromLatin1(box)];
        QObject::connect(Line(box), &QLineEdit::textChanged, window.get(),
                         [&texts](const QString &text) { texts << text; });
        return texts;
    }
    QWidget *Focused() const { return QApplication::focusWidget(); }

    std::map<QString, QStringList> written;
};

TEST_F(MoneyPanels, OldTestamentValuesItsCoinsAtTheStartTexts)
{
    Box("Text2")->setText(QStringLiteral("an old sentence"));
    ClickOldTestament();
    EXPECT_EQ(Box("txtOtMoney")->text(), OldTestamentStart);
    EXPECT_EQ(Box("txtOtMoney")->text().count(QStringLiteral("\r\n")), 5);
    EXPECT_TRUE(Box("Text2")->text().isEmpty());
    EXPECT_TRUE(seams.messages.isEmpty());
    EXPECT_EQ(Focused(), Button("Command17")); // the click moves no focus of its own
    EXPECT_EQ(Line("txtGold")->text(), QStringLiteral("$350.00"));
    EXPECT_EQ(Line("txtamount")->text(), QStringLiteral("1"));
    EXPECT_EQ(Line("txtTalGol")->text(), QStringLiteral("$211,680.00"));
    EXPECT_FALSE(Line("txtTalGol")->isVisible());
}

TEST_F(MoneyPanels, TheTalentOfSilverIsHeldToFifteenDigitsBeforeItsCurrencyRewrite)
{
    const QStringList &talent = Record("txtTalSil");
    const QStringList &shekel = Record("txtShekSil");
    ClickOldTestament();
    EXPECT_EQ(talent, (QStringList{"2872.8", "$2,872.80"}));
    EXPECT_EQ(shekel, (QStringList{"1.91425", "$1.91"}));
}

TEST_F(MoneyPanels, OldTestamentRevaluesWithTheTextsOfTheMoment)
{
    ClickOldTestament();
    Type("txtGold", QStringLiteral("$1,000.00"));
    Type("txtSilver", QStringLiteral("-$4.75"));
    Type("txtamount", QStringLiteral("1,000"));
    QTest::mouseClick(Button("Command17"), Qt::LeftButton);
    const QString changed = QStringLiteral(
        "SHECKEL - Silver =  ($1,914.25)  U.S. Dollars\r\n"
        "SHECKEL - Gold =  $403,000.00  U.S. Dollars\r\n"
        "MINA - Silver =  ($95,760.00)  U.S. Dollars\r\n"
        "MINA - Gold =  $20,160,000.00  U.S. Dollars\r\n"
        "TALENT - Silver =  ($2,872,800.00)  U.S. Dollars\r\n"
        "TALENT - Gold =  $604,800,000.00  U.S. Dollars");
    EXPECT_EQ(Box("txtOtMoney")->text(), changed);
    // Nothing accumulates: the same texts give the same summary again.
    QTest::mouseClick(Button("Command17"), Qt::LeftButton);
    EXPECT_EQ(Box("txtOtMoney")->text(), changed);
    Type("txtamount", QString());
    QTest::mouseClick(Button("Command17"), Qt::LeftButton);
    EXPECT_EQ(Box("txtOtMoney")->text().count(QStringLiteral("$0.00  U.S. Dollars")), 6);
    EXPECT_TRUE(seams.messages.isEmpty());
}

TEST_F(MoneyPanels, NewTestamentValuesItsCoinsAtTheStartTexts)
{
    Box("Text2")->setText(QStringLiteral("an old sentence"));
    const QStringList &mite = Record("txtMite");
    ClickNewTestament();
    EXPECT_EQ(Box("txtNTMoney")->text(), NewTestamentStart);
    EXPECT_EQ(Box("txtNTMoney")->text().count(QStringLiteral("\r\n")), 15);
    EXPECT_FALSE(Box("txtNTMoney")->text().contains(QStringLiteral("U.S. Dollars")));
    EXPECT_EQ(mite, (QStringList{"0.015", "$0.02"}));
    EXPECT_TRUE(Box("Text2")->text().isEmpty());
    EXPECT_TRUE(seams.messages.isEmpty());
    EXPECT_EQ(Focused(), Button("Command18"));
    // The designed prices stay as they are.
    EXPECT_EQ(Line("txtGoldNT")->text(), QStringLiteral("350.00"));
    EXPECT_EQ(Line("txtSilverNT")->text(), QStringLiteral("4.75"));
    // The Old Testament panel is not touched.
    EXPECT_TRUE(Box("txtOtMoney")->text().isEmpty());
}

TEST_F(MoneyPanels, ChoosingTheTypeShowsThePanelWhoseButtonValuesIt)
{
    Pick("Combo1", QStringLiteral("Money Values Old Testament"));
    ASSERT_TRUE(Button("Command17")->isVisible());
    seams.messages.clear(); // the notice of the default prices
    QTest::mouseClick(Button("Command17"), Qt::LeftButton);
    EXPECT_EQ(Box("txtOtMoney")->text(), OldTestamentStart);

    Pick("Combo1", QStringLiteral("Money Values New Testament"));
    ASSERT_TRUE(Button("Command18")->isVisible());
    seams.messages.clear();
    QTest::mouseClick(Button("Command18"), Qt::LeftButton);
    EXPECT_EQ(Box("txtNTMoney")->text(), NewTestamentStart);

    // Coming back shows the last summary; choosing the type writes none of the panel's boxes.
    Pick("Combo1", QStringLiteral("Money Values Old Testament"));
    EXPECT_EQ(Box("txtOtMoney")->text(), OldTestamentStart);
}

struct MultipleCase
{
    const char *multiple;
    const char *smallCoins; // farthing, mite, penny lines
    const char *shekelOfGold;
};

void PrintTo(const MultipleCase &c, std::ostream *os) { *os << "multiple " << c.multiple; }

class NewTestamentMultiple : public MoneyPanels, public ::testing::WithParamInterface<MultipleCase> {};

TEST_P(NewTestamentMultiple, CountsTheSameForTheMetalCoinsAndTheSmallOnes)
{
    const MultipleCase c = GetParam();
    ShowPanel("Frame5");
    Type("txtAmountNT", QString::fromUtf8(c.multiple));
    QTest::mouseClick(Button("Command18"), Qt::LeftButton);
    const QString summary = Box("txtNTMoney")->text();
    EXPECT_TRUE(summary.startsWith(QString::fromUtf8(c.smallCoins))) << summary.toStdString();
    EXPECT_TRUE(summary.contains(QString::fromUtf8(c.shekelOfGold))) << summary.toStdString();
    EXPECT_EQ(summary.count(QStringLiteral("\r\n")), 15);
    EXPECT_TRUE(seams.messages.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Multiples, NewTestamentMultiple, ::testing::Values(
    MultipleCase{"$2",
                 "FARTHING = Approximately  $0.08\r\nMITE = Approximately  $0.03\r\nPENNY = Approximately  $0.10\r\n",
                 "SHEKEL - Gold =  $254.80\r\n"},
    MultipleCase{"1,000",
                 "FARTHING = Approximately  $40.00\r\nMITE = Approximately  $15.00\r\nPENNY = Approximately  $50.00\r\n",
                 "SHEKEL - Gold =  $127,400.00\r\n"},
    MultipleCase{"-1",
                 "FARTHING = Approximately  ($0.04)\r\nMITE = Approximately  ($0.02)\r\nPENNY = Approximately  ($0.05)\r\n",
                 "SHEKEL - Gold =  ($127.40)\r\n"},
    MultipleCase{"3",
                 "FARTHING = Approximately  $0.12\r\nMITE = Approximately  $0.05\r\nPENNY = Approximately  $0.15\r\n",
                 "SHEKEL - Gold =  $382.20\r\n"}),
    [](const auto &info) { return CaseName("multiple", Typed(info.param.multiple)); });

TEST_F(MoneyPanels, TheSmallCoinsAreWrittenAsTheirHeldNumberFirst)
{
    ShowPanel("Frame5");
    Type("txtAmountNT", QStringLiteral("$2"));
    const QStringList &farthing = Record("txtFarthing");
    const QStringList &penny = Record("txtPenny");
    const QStringList &shekel = Record("txtSheGol");
    QTest::mouseClick(Button("Command18"), Qt::LeftButton);
    EXPECT_EQ(farthing, (QStringList{"0.08", "$0.08"}));
    EXPECT_EQ(penny, (QStringList{"0.1", "$0.10"}));
    EXPECT_EQ(shekel, (QStringList{"254.8", "$254.80"}));
}

// Under German settings, pinned before the window exists so that start-up writes its prices so.
class GermanMoneyPanels : public MoneyPanels
{
protected:
    LocaleGuard german{GermanLocale()};
};

TEST_F(GermanMoneyPanels, OldTestamentReadsThePricesStartUpWrote)
{
    const QString euro = QStringLiteral("\u00a0\u20ac");
    EXPECT_EQ(Line("txtGold")->text(), "350,00" + euro);
    EXPECT_EQ(Line("txtSilver")->text(), "4,75" + euro);
    ClickOldTestament();
    EXPECT_EQ(Box("txtOtMoney")->text(),
              "SHECKEL - Silver =  1,91" + euro + "  U.S. Dollars\r\n"
              "SHECKEL - Gold =  141,05" + euro + "  U.S. Dollars\r\n"
              "MINA - Silver =  95,76" + euro + "  U.S. Dollars\r\n"
              "MINA - Gold =  7.056,00" + euro + "  U.S. Dollars\r\n"
              "TALENT - Silver =  2.872,80" + euro + "  U.S. Dollars\r\n"
              "TALENT - Gold =  211.680,00" + euro + "  U.S. Dollars");
    EXPECT_TRUE(seams.messages.isEmpty());
}

TEST_F(GermanMoneyPanels, NewTestamentReadsItsDesignedPrices)
{
    const QString euro = QStringLiteral("\u00a0\u20ac");
    ClickNewTestament();
    EXPECT_EQ(Box("txtNTMoney")->text(),
              "FARTHING = Approximately  0,04" + euro + "\r\n"
              "MITE = Approximately  0,02" + euro + "\r\n"
              "PENNY = Approximately  0,05" + euro + "\r\n"
              "BEKA - Silver  =  0,86" + euro + "\r\n"
              "DRACHMA - Silver =  1,28" + euro + "\r\n"
              "DRACHMA - Gold =  94,50" + euro + "\r\n"
              "DENAIRUS - Silver =  0,05" + euro + "\r\n"
              "DENAIRUS - Gold =  3,50" + euro + "\r\n"
              "GERAH - Silver =  0,09" + euro + "\r\n"
              "GERAH - Gold =  6,37" + euro + "\r\n"
              "MINA or POUND - Silver =  86,45" + euro + "\r\n"
              "MINA or POUND - Gold =  6.370,00" + euro + "\r\n"
              "SHEKEL - Silver =  1,73" + euro + "\r\n"
              "SHEKEL - Gold =  127,40" + euro + "\r\n"
              "TALENT - Silver =  6.916,00" + euro + "\r\n"
              "TALENT - Gold =  509.600,00" + euro);
    EXPECT_TRUE(seams.messages.isEmpty());
}

// Locales whose currency form shows an ISO code, a symbol with a blank or direction marks:
// the panels must read the prices they wrote themselves.
class ForeignMoneyPanels : public MoneyPanels, public ::testing::WithParamInterface<const char *>
{
protected:
    LocaleGuard guard{QLocale(QString::fromLatin1(GetParam()))};
};

TEST_P(ForeignMoneyPanels, ValueTheirOwnPrices)
{
    ClickOldTestament();
    ClickNewTestament();
    EXPECT_TRUE(seams.messages.isEmpty()) << Line("txtGold")->text().toStdString();
    EXPECT_EQ(Box("txtOtMoney")->text().split(QStringLiteral("\r\n")).size(), 6);
    EXPECT_EQ(Box("txtNTMoney")->text().split(QStringLiteral("\r\n")).size(), 16);
}

INSTANTIATE_TEST_SUITE_P(Locales, ForeignMoneyPanels,
                         ::testing::Values("it_CH", "en_CH", "fr_SN", "ar_AE"),
                         [](const auto &info) { return CaseName(info.param); });

// A gold price typed as a region writes it, under that region's settings, pinned before the
// window exists: valued as the region means it, or the message where it may mean either.
struct RegionalCase
{
    const char *locale;
    bool newTestament;
    const char *gold;
    const char *talentOfGold; // the summary's line; none where the price is no number
};

void PrintTo(const RegionalCase &c, std::ostream *os)
{
    *os << c.locale << (c.newTestament ? " NT " : " OT ") << '"' << c.gold << '"';
}

class RegionalGoldPrice : public MoneyPanels, public ::testing::WithParamInterface<RegionalCase>
{
protected:
    LocaleGuard guard{QLocale(QString::fromLatin1(GetParam().locale))};
};

TEST_P(RegionalGoldPrice, IsValuedAsTheRegionMeansIt)
{
    const RegionalCase c = GetParam();
    const char *gold = c.newTestament ? "txtGoldNT" : "txtGold";
    MultiLineBox *summary = Box(c.newTestament ? "txtNTMoney" : "txtOtMoney");
    ShowPanel(c.newTestament ? "Frame5" : "Frame4");
    Enter(gold, QString::fromUtf8(c.gold));
    QTest::mouseClick(Button(c.newTestament ? "Command18" : "Command17"), Qt::LeftButton);
    if (c.talentOfGold) {
        EXPECT_TRUE(seams.messages.isEmpty());
        EXPECT_TRUE(summary->text().endsWith(QString::fromUtf8(c.talentOfGold))) << summary->text().toStdString();
        return;
    }
    ASSERT_EQ(seams.messages.size(), 1);
    EXPECT_EQ(seams.messages[0].text, QStringLiteral("You must enter a number ."));
    EXPECT_TRUE(summary->text().isEmpty());
    EXPECT_EQ(Focused(), Line(gold));
}

INSTANTIATE_TEST_SUITE_P(Prices, RegionalGoldPrice, ::testing::Values(
    RegionalCase{"es_ES", false, "1.500", "TALENT - Gold =  907.200,00\u00a0\u20ac  U.S. Dollars"},
    RegionalCase{"es_ES", true, "1.500", "TALENT - Gold =  2.184.000,00\u00a0\u20ac"},
    RegionalCase{"fr_FR", false, "1.500", nullptr},
    RegionalCase{"fr_FR", true, "1.500", nullptr},
    // Amounts grouped in full where the region does, today's gold price typed its way.
    RegionalCase{"es_ES", false, "2000", "TALENT - Gold =  1.209.600,00\u00a0\u20ac  U.S. Dollars"},
    RegionalCase{"pl_PL", false, "2 000", "TALENT - Gold =  1\u00a0209\u00a0600,00\u00a0z\u0142  U.S. Dollars"},
    RegionalCase{"de_CH", false, "CHF 2'000", "TALENT - Gold =  1\u2019209\u2019600.00\u00a0CHF  U.S. Dollars"},
    // A point after more digits than a group holds is a decimal point, in Spain as in Germany.
    RegionalCase{"es_ES", false, "1234.567", "TALENT - Gold =  746.666,12\u00a0\u20ac  U.S. Dollars"},
    RegionalCase{"es_ES", true, "1234.567", "TALENT - Gold =  1.797.529,55\u00a0\u20ac"},
    RegionalCase{"de_DE", false, "1234.567", "TALENT - Gold =  746.666,12\u00a0\u20ac  U.S. Dollars"},
    // No one groups a number that begins with a zero: three quarters with a decimal comma is
    // no 750 under U.S. settings, and with a point it is three quarters under German ones.
    RegionalCase{"en_US", false, "0,750", nullptr},
    RegionalCase{"en_US", true, "0,750", nullptr},
    RegionalCase{"de_DE", false, "0.750", "TALENT - Gold =  453,60\u00a0\u20ac  U.S. Dollars"},
    RegionalCase{"de_DE", true, "0.750", "TALENT - Gold =  1.092,00\u00a0\u20ac"},
    // A point at the end says nothing more: the price is that of the text without it.
    RegionalCase{"de_DE", false, "1,000.", "TALENT - Gold =  604,80\u00a0\u20ac  U.S. Dollars"},
    RegionalCase{"fr_FR", true, "1,500.", "TALENT - Gold =  2\u202f184,00\u00a0\u20ac"},
    RegionalCase{"de_CH", false, "1,500.", nullptr},
    // Invisible characters that a paste brings are no part of the price.
    RegionalCase{"en_US", false, "\u202a350\u202c", "TALENT - Gold =  $211,680.00  U.S. Dollars"},
    RegionalCase{"en_US", true, "3\u200b50", "TALENT - Gold =  $509,600.00"}),
    [](const auto &info) {
        return CaseName(info.param.locale, info.param.newTestament ? "NT" : "OT", Typed(info.param.gold));
    });

struct FailureCase
{
    const char *what;
    bool newTestament;
    const char *box; // the box given the text, which then takes the focus
    const char *text;
    bool tooLarge;
};

void PrintTo(const FailureCase &c, std::ostream *os) { *os << c.what; }

class MoneyPanelFailure : public MoneyPanels, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(MoneyPanelFailure, EmptiesTheSummaryTellsTheUserAndFocusesTheBox)
{
    const FailureCase c = GetParam();
    const char *button = c.newTestament ? "Command18" : "Command17";
    MultiLineBox *summary = Box(c.newTestament ? "txtNTMoney" : "txtOtMoney");
    ShowPanel(c.newTestament ? "Frame5" : "Frame4");
    QTest::mouseClick(Button(button), Qt::LeftButton);
    ASSERT_FALSE(summary->text().isEmpty());

    Enter(c.box, QString::fromUtf8(c.text));
    Box("Text2")->setText(QStringLiteral("an old sentence"));
    QString summaryWhileShown = QStringLiteral("<no message>");
    seams.onMessage = [&](const MessageRequest &) { summaryWhileShown = summary->text(); };
    QTest::mouseClick(Button(button), Qt::LeftButton);

    ASSERT_EQ(seams.messages.size(), 1) << c.what;
    EXPECT_EQ(seams.messages[0].title, QStringLiteral("Ooops!"));
    EXPECT_EQ(seams.messages[0].text, c.tooLarge ? QStringLiteral("The result is too large to show.")
                                                 : QStringLiteral("You must enter a number ."));
    EXPECT_EQ(seams.messages[0].modality, MessageRequest::Modality::System);
    EXPECT_TRUE(summaryWhileShown.isEmpty()) << c.what;
    EXPECT_TRUE(summary->text().isEmpty()) << c.what;
    EXPECT_TRUE(Box("Text2")->text().isEmpty()) << c.what;
    EXPECT_EQ(Focused(), Line(c.box)) << c.what;
    EXPECT_EQ(Line(c.box)->text(), QString::fromUtf8(c.text)) << "the valuation never writes its inputs";
}

INSTANTIATE_TEST_SUITE_P(Inputs, MoneyPanelFailure, ::testing::Values(
    FailureCase{"OT gold empty", false, "txtGold", "", false},
    FailureCase{"OT silver in letters", false, "txtSilver", "silver", false},
    FailureCase{"OT gold with a blank among its digits", false, "txtGold", "3 50", false},
    FailureCase{"OT silver with two dollar signs", false, "txtSilver", "$4.75$", false},
    FailureCase{"NT gold with a blank among its digits", true, "txtGoldNT", "3 50", false},
    FailureCase{"NT multiple with a blank after its sign", true, "txtAmountNT", "- 5", false},
    FailureCase{"OT gold beyond a double", false, "txtGold", "1E308", true},
    FailureCase{"OT gold a number too large for a double", false, "txtGold", "1E309", true},
    FailureCase{"NT silver a number too large for a double", true, "txtSilverNT", "1E309", true},
    FailureCase{"OT infinite multiple", false, "txtamount", "1E999", true},
    FailureCase{"NT gold in letters", true, "txtGoldNT", "abc", false},
    FailureCase{"NT silver empty", true, "txtSilverNT", "", false},
    FailureCase{"NT multiple empty", true, "txtAmountNT", "", false},
    FailureCase{"NT multiple of invisible marks alone", true, "txtAmountNT", "\u200e\u2060", false},
    FailureCase{"OT gold of invisible marks alone", false, "txtGold", "\u200e", false},
    FailureCase{"OT multiple a fraction", false, "txtamount", "1/2", false},
    FailureCase{"NT multiple a range", true, "txtAmountNT", "2-3", false},
    FailureCase{"NT multiple in letters", true, "txtAmountNT", "two", false},
    FailureCase{"NT multiple with a group separator after a leading zero", true, "txtAmountNT", "0,750", false},
    FailureCase{"OT multiple with a decimal comma", false, "txtamount", "2,5", false},
    FailureCase{"OT multiple with a blank among its digits", false, "txtamount", "3 50", false},
    FailureCase{"NT multiple grouped the other way round", true, "txtAmountNT", "1.500,00", false},
    FailureCase{"NT multiple with words after it", true, "txtAmountNT", "1,000 coins", false},
    FailureCase{"OT multiple mistyped before words", false, "txtamount", "1,,000 shekels", false},
    FailureCase{"NT infinite multiple", true, "txtAmountNT", "1E999", true}),
    [](const auto &info) { return CaseName(info.param.what); });

TEST_F(MoneyPanels, AFailedClickLeavesTheOtherPanelAlone)
{
    ClickOldTestament();
    ClickNewTestament();
    Type("txtAmountNT", QString());
    QTest::mouseClick(Button("Command18"), Qt::LeftButton);
    EXPECT_TRUE(Box("txtNTMoney")->text().isEmpty());
    EXPECT_EQ(Box("txtOtMoney")->text(), OldTestamentStart);
    // Mended, the next click values the panel again.
    Type("txtAmountNT", QStringLiteral("1"));
    QTest::mouseClick(Button("Command18"), Qt::LeftButton);
    EXPECT_EQ(Box("txtNTMoney")->text(), NewTestamentStart);
    EXPECT_EQ(seams.messages.size(), 1);
}

} // namespace
