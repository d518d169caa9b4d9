#include "money/MoneyValuation.h"

#include "catalog/LineBreak.h"
#include "catalog/Messages.h"
#include "format/Numbers.h"

namespace money {

namespace {

CoinFault Unreadable(CoinFault::Input input) { return {input, catalog::AmountMissingMessage}; }
CoinFault TooLarge(CoinFault::Input input) { return {input, catalog::TooLargeMessage}; }

// The last two steps of every coin: the value as its number text, then that text read
// back and written in the user's currency form.
CoinResult Written(double value, CoinFault::Input blamed)
{
    const std::optional<double> back = HeldTo15Digits(value);
    if (!back)
        return TooLarge(blamed);
    return CoinText{NumberText(value), CurrencyText(*back)};
}

const QString Dollars = QStringLiteral("U.S. Dollars");
const QString Gap = QStringLiteral("  ");

} // namespace

CoinResult CoinValue(double ounces, const QString &priceText, const QString &multipleText)
{
    const double multiple = LeadingNumber(multipleText);
    const std::optional<double> price = LocaleNumber(priceText);
    if (!price)
        return Unreadable(CoinFault::Input::Price);
    const std::optional<double> held = HeldTo15Digits(*price * ounces);
    if (!held)
        return TooLarge(CoinFault::Input::Price);
    // The multiple multiplies the held product; it takes no part in what is held.
    return Written(*held * multiple, CoinFault::Input::Multiple);
}

CoinResult FixedCoinValue(double dollars, const QString &multipleText)
{
    // Unlike the metal coins, the small coins read their multiple with the user's conventions.
    const std::optional<double> multiple = LocaleNumber(multipleText);
    if (!multiple)
        return Unreadable(CoinFault::Input::Multiple);
    return Written(*multiple * dollars, CoinFault::Input::Multiple);
}

QString MoneySummary(const QList<SummaryLine> &lines, bool endsInDollars)
{
    QString summary;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            summary += catalog::LineBreak;
        summary += lines[i].label + Gap + lines[i].amount;
        if (endsInDollars)
            summary += Gap + Dollars;
    }
    return summary;
}

const MoneyPanel &OldTestamentPanel()
{
    using namespace OldTestamentOunces;
    static const MoneyPanel panel = [] {
        const QString shekSil = QStringLiteral("txtShekSil"), shekGol = QStringLiteral("txtShekGol"),
                      minSil = QStringLiteral("txtMinSil"), minGol = QStringLiteral("txtMinGol"),
                      talSil = QStringLiteral("txtTalSil"), talGol = QStringLiteral("txtTalGol");
        MoneyPanel p;
        p.goldBox = QStringLiteral("txtGold");
        p.silverBox = QStringLiteral("txtSilver");
        p.multipleBox = QStringLiteral("txtamount");
        p.metalRuns = {
            {shekSil, Metal::Silver, Shekel}, {shekGol, Metal::Gold, Shekel},
            {minSil, Metal::Silver, Mina},    {minGol, Metal::Gold, Mina},
            {talSil, Metal::Silver, Talent},  {talGol, Metal::Gold, Talent},
        };
        p.lines = {
            {QStringLiteral("SHECKEL - Silver ="), shekSil}, {QStringLiteral("SHECKEL - Gold ="), shekGol},
            {QStringLiteral("MINA - Silver ="), minSil},     {QStringLiteral("MINA - Gold ="), minGol},
            {QStringLiteral("TALENT - Silver ="), talSil},   {QStringLiteral("TALENT - Gold ="), talGol},
        };
        p.endsInDollars = true;
        return p;
    }();
    return panel;
}

const MoneyPanel &NewTestamentPanel()
{
    using namespace NewTestamentOunces;
    static const MoneyPanel panel = [] {
        const QString bekSil = QStringLiteral("txtBekSil"), draSil = QStringLiteral("txtDraSil"),
                      draGol = QStringLiteral("txtDraGol"), denSil = QStringLiteral("txtDenSil"),
                      denGol = QStringLiteral("txtDenGol"), gerSil = QStringLiteral("txtGerSil"),
                      gerGol = QStringLiteral("txtGerGol"), minaSil = QStringLiteral("txtMinaSil"),
                      minaGol = QStringLiteral("txtMinaGol"), sheSil = QStringLiteral("txtSheSil"),
                      sheGol = QStringLiteral("txtSheGol"), taleSil = QStringLiteral("txtTaleSil"),
                      taleGol = QStringLiteral("txtTaleGol"), farthing = QStringLiteral("txtFarthing"),
                      mite = QStringLiteral("txtMite"), penny = QStringLiteral("txtPenny");
        MoneyPanel p;
        p.goldBox = QStringLiteral("txtGoldNT");
        p.silverBox = QStringLiteral("txtSilverNT");
        p.multipleBox = QStringLiteral("txtAmountNT");
        p.metalRuns = {
            {bekSil, Metal::Silver, Bekah},
            {draSil, Metal::Silver, Drachma},  {draGol, Metal::Gold, Drachma},
            {denSil, Metal::Silver, Denarius}, {denGol, Metal::Gold, Denarius},
            {gerSil, Metal::Silver, Gerah},    {gerGol, Metal::Gold, Gerah},
            {minaSil, Metal::Silver, Mina},    {minaGol, Metal::Gold, Mina},
            {sheSil, Metal::Silver, Shekel},   {sheGol, Metal::Gold, Shekel},
            {taleSil, Metal::Silver, Talent},  {taleGol, Metal::Gold, Talent},
        };
        p.fixedRuns = {
            {farthing, CoinDollars::Farthing}, {mite, CoinDollars::Mite}, {penny, CoinDollars::Penny},
        };
        // The small coins lead the summary although they run last.
        p.lines = {
            {QStringLiteral("FARTHING = Approximately"), farthing},
            {QStringLiteral("MITE = Approximately"), mite},
            {QStringLiteral("PENNY = Approximately"), penny},
            {QStringLiteral("BEKA - Silver  ="), bekSil},
            {QStringLiteral("DRACHMA - Silver ="), draSil},
            {QStringLiteral("DRACHMA - Gold ="), draGol},
            {QStringLiteral("DENAIRUS - Silver ="), denSil},
            {QStringLiteral("DENAIRUS - Gold ="), denGol},
            {QStringLiteral("GERAH - Silver ="), gerSil},
            {QStringLiteral("GERAH - Gold ="), gerGol},
            {QStringLiteral("MINA or POUND - Silver ="), minaSil},
            {QStringLiteral("MINA or POUND - Gold ="), minaGol},
            {QStringLiteral("SHEKEL - Silver ="), sheSil},
            {QStringLiteral("SHEKEL - Gold ="), sheGol},
            {QStringLiteral("TALENT - Silver ="), taleSil},
            {QStringLiteral("TALENT - Gold ="), taleGol},
        };
        p.endsInDollars = false;
        return p;
    }();
    return panel;
}

ValuationOutcome Value(const MoneyPanel &panel, const PanelTexts &texts)
{
    ValuationOutcome out;
    // Applies one run's result; false when the valuation stops there.
    auto take = [&](const QString &coinBox, const CoinResult &result, const QString &priceBox) {
        if (const auto *fault = std::get_if<CoinFault>(&result)) {
            const bool price = fault->input == CoinFault::Input::Price;
            out.failure = ValuationFailure{price ? priceBox : panel.multipleBox, fault->message};
            return false;
        }
        out.coinWrites.append({coinBox, std::get<CoinText>(result)});
        return true;
    };
    for (const MetalRun &run : panel.metalRuns) {
        const bool silver = run.metal == Metal::Silver;
        const QString &price = silver ? texts.silver : texts.gold;
        const QString &priceBox = silver ? panel.silverBox : panel.goldBox;
        if (!take(run.coinBox, CoinValue(run.ounces, price, texts.multiple), priceBox))
            return out;
    }
    for (const FixedRun &run : panel.fixedRuns)
        if (!take(run.coinBox, FixedCoinValue(run.dollars, texts.multiple), QString()))
            return out;

    QList<SummaryLine> lines;
    for (const LabelledBox &line : panel.lines) {
        QString amount;
        for (const CoinWrite &write : out.coinWrites)
            if (write.coinBox == line.coinBox)
                amount = write.text.currency;
        lines.append({line.label, amount});
    }
    out.summary = MoneySummary(lines, panel.endsInDollars);
    return out;
}

ValuationOutcome OldTestamentMoney(const PanelTexts &texts) { return Value(OldTestamentPanel(), texts); }
ValuationOutcome NewTestamentMoney(const PanelTexts &texts) { return Value(NewTestamentPanel(), texts); }

} // namespace money
