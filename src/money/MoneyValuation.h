#pragma once
// The two money panels: each coin valued in dollars from the panel's metal prices and its
// multiple, and the summary the panel shows. A coin's facts stand in its one row.

#include <optional>
#include <variant>

#include <QList>
#include <QString>

namespace money {

// A coin box is written twice: first the plain number, then its currency text.
struct CoinText
{
    QString number;
    QString currency;
};

// The input box of a panel that a failure blames and hands the focus to.
enum class PanelInput { Gold, Silver, Multiple };

// Why a coin could not be valued, and which input is to blame.
struct CoinFault
{
    PanelInput input;
    QString message; // one of the catalog's messages
};

using CoinResult = std::variant<CoinText, CoinFault>;

enum class Metal { Silver, Gold };

// A coin valued by its weight in ounces and the panel's price of its metal.
struct ByWeight
{
    Metal metal;
    double ounces;
};

// One coin in one metal: the multiple read as an amount (AmountNumber), the price with the
// user's conventions, price x ounces held to 15 digits, times the multiple, held to 15
// digits. A multiple that cannot be read blames its box, a price that fails the box of the
// coin's metal.
CoinResult CoinValue(const ByWeight &coin, const QString &priceText, const QString &multipleText);

// A small coin: its dollars times the multiple, read whole as an amount, held to 15 digits.
CoinResult FixedCoinValue(double dollars, const QString &multipleText);

struct SummaryLine
{
    QString label;
    QString amount;
};

// One line per coin, label, two blanks and amount (then two blanks and "U.S. Dollars"
// where the lines end in dollars), joined by CR LF with none after the last.
QString MoneySummary(const QList<SummaryLine> &lines, bool endsInDollars);

// The unseen boxes a valuation writes, one per coin and metal, by their design names.
enum class CoinBox {
    txtShekSil, txtShekGol, txtMinSil, txtMinGol, txtTalSil, txtTalGol,
    txtBekSil, txtDraSil, txtDraGol, txtDenSil, txtDenGol, txtGerSil, txtGerGol,
    txtMinaSil, txtMinaGol, txtSheSil, txtSheGol, txtTaleSil, txtTaleGol,
    txtFarthing, txtMite, txtPenny,
};

// A small coin valued at fixed dollars, which has no metal price.
struct AtDollars
{
    double dollars;
};

// One coin of a panel: the box it is written to, the label of its summary line, and how
// it is valued.
struct CoinRow
{
    CoinBox box;
    QString label;
    std::variant<ByWeight, AtDollars> value;
};

// A money panel as data: its coins in the order of its summary. The coins valued by weight
// run first and the small coins after them, each in that order.
struct MoneyPanel
{
    QList<CoinRow> coins;
    bool endsInDollars; // every summary line ends in "U.S. Dollars"
};

const MoneyPanel &OldTestamentPanel();
const MoneyPanel &NewTestamentPanel();

// The texts of a panel's boxes at the click.
struct PanelTexts
{
    QString gold;
    QString silver;
    QString multiple;
};

struct CoinWrite
{
    CoinBox box;
    CoinText text;
};

// What a click writes: the coin boxes valued, in run order; then the summary. A failure
// stops the runs where it arises; the summary is then empty, so that no old values stand
// beside the new prices, and the message and the box to focus follow.
struct ValuationOutcome
{
    QList<CoinWrite> coinWrites;
    QString summary;
    std::optional<CoinFault> failure;
};

ValuationOutcome Value(const MoneyPanel &panel, const PanelTexts &texts);

} // namespace money
