#pragma once
// The shape every "Click to Convert" converter shares: a flat run of note blocks and pair
// conversions over a table of unit values, then the amount check. A converter is data;
// Click runs any of them against the texts the window shows and says what to write.

#include <optional>
#include <variant>

#include <QList>
#include <QString>
#include <QStringList>

namespace convert {

enum class NoteBox { Text5, Text6 };

// A unit's size in its table's base unit (inches, ounces, fluid ounces, dry pints).
struct UnitValue
{
    QString name;
    double value;
};
using UnitTable = QList<UnitValue>;

// The value of a name within one table; a name is a key only inside its own table.
std::optional<double> ValueOf(const UnitTable &table, const QString &name);

// One (from-unit, to-unit) pair and the factor its amount is multiplied by.
struct PairConversion
{
    QString fromUnit;
    QString toUnit;
    double factor;
};

// Writes its note into its box whenever the from-unit box shows its unit.
struct NoteBlock
{
    QString fromUnit;
    NoteBox box;
    QString note;
};

using Block = std::variant<NoteBlock, PairConversion>;

struct ConverterGroup
{
    QList<Block> blocks; // in run order; every block is tested on every click
};

// from / to in double precision, held to 15 significant digits through NumberText.
double QuotientFactor(double fromValue, double toValue);

// The pair's factor by the table: the from-unit's own value into the base unit, the
// QuotientFactor into any other unit.
PairConversion TablePair(const UnitTable &table, const QString &baseUnit,
                         const QString &fromUnit, const QString &toUnit);

// Appends one from-unit's section: its note block (if any), then a pair for each to-unit.
void AppendSection(ConverterGroup &group, const UnitTable &table, const QString &baseUnit,
                   const QString &fromUnit, const QStringList &toUnits,
                   const std::optional<NoteBlock> &note = std::nullopt);

// The common case: each from-unit converts into each to-unit, sections in the given order;
// notes stand before the section of their from-unit.
ConverterGroup TableConverter(const UnitTable &table, const QString &baseUnit,
                              const QStringList &fromUnits, const QStringList &toUnits,
                              const QList<NoteBlock> &notes = {});

// The amount, from-unit and to-unit as the window shows them at the click.
struct ConverterInputs
{
    QString amount;
    QString fromUnit;
    QString toUnit;
};

// What a click writes, in the order the window applies it: empty the sentence (every
// converter does, so that a pair it does not know leaves no earlier answer standing), write
// the notes, text3 and the sentence, show the too-large message, then the amount message
// (for an empty amount, or one that cannot be read), and last move the focus to the amount
// box.
struct ClickOutcome
{
    std::optional<QString> text5;
    std::optional<QString> text6;
    std::optional<QString> text3;    // the formatted result of the last matching pair
    std::optional<QString> sentence; // its ResultSentence
    bool tooLarge = false;           // a matching pair's product has no finite 15-digit text
    bool amountMissing = false;      // the amount box is empty, or looks it
    bool amountUnreadable = false;   // says two numbers or is a number mistyped: nothing converted
};

// The amount as typed, the from-unit, "=", the result and the to-unit, two blanks apart.
QString ResultSentence(const QString &amount, const QString &fromUnit, const QString &result,
                       const QString &toUnit);

// True when the amount text is empty, or holds nothing but invisible format characters, which
// a paste may bring (a blank is an amount).
bool AmountMissing(const QString &amount);

ClickOutcome Click(const ConverterGroup &group, const ConverterInputs &inputs);

} // namespace convert
