#pragma once
// What choosing a measurement type or a from-unit does to the window, as tables. The window
// compares the chosen text with every row, in table order, and applies the rows that match.
#include <optional>
#include <variant>

#include <QList>
#include <QString>
#include <QStringList>

#include "catalog/ConverterButtons.h"

namespace catalog {

// ---- Measurement types

struct MeasurementType
{
    QString name;
    std::optional<ConverterButton> buttonStep; // made the one visible after the type's row
};

// The eleven types in the order their rows are compared (not the order of the type list).
QList<MeasurementType> MeasurementTypes();

// ---- Type routing

// The panels and boxes of the panel area that a type row shows or hides.
enum class Pane { Frame2, Frame4, Frame5, FrameTime, FrameSplash, Text4, Text5 };
enum class NotesBox { Text4, Text5 };

namespace step {
struct Show
{
    Pane pane;
    bool shown;
};
struct WriteNote
{
    NotesBox box;
    QString text;
};
// Writes "Convert From" and "Convert To" into the unit boxes, then appends the lists.
struct FillUnitLists
{
    QStringList fromUnits;
    QStringList toUnits;
};
// Replaces the items of the time list; its edit text stays.
struct FillTimeList
{
    QStringList items;
};
struct FocusAmount
{
};
// The modal DefaultValuesNotice; always the last step of its row.
struct ShowDefaultValuesNotice
{
};
} // namespace step

using TypeStep = std::variant<step::Show, step::WriteNote, step::FillUnitLists,
                              step::FillTimeList, step::FocusAmount, step::ShowDefaultValuesNotice>;

struct TypeRow
{
    QString type;
    QList<TypeStep> steps; // applied in this order
};

// One row per type, in the order of MeasurementTypes().
QList<TypeRow> TypeRouting();

struct ButtonStep
{
    QString type;
    ConverterButton button;
};

// Compared after all the rows, in this order: the types whose row leaves one converter
// button answering.
QList<ButtonStep> ButtonSteps();

// ---- Unit routing

struct UnitRow
{
    QString unit;
    std::optional<ConverterButton> button; // made the one visible
    std::optional<QString> note;           // to the notes box
    std::optional<QString> quote;          // to the quotations box
    bool rewritesUnit = false;             // writes its name back into the from-unit box
};

// The 32 from-units that route, in the order they are compared. The other list items
// change nothing: the button the type made visible serves them.
QList<UnitRow> UnitRouting();

} // namespace catalog
