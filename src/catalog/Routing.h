#pragma once
// What choosing a measurement type or a from-unit does to the window, as tables. The window
// compares the chosen text with every row, in table order, and applies the rows that match.
#include <optional>
#include <variant>

#include <QList>
#include <QString>
#include <QStringList>

#include "catalog/ConverterButtons.h"
#include "catalog/MeasurementTypes.h"

namespace catalog {

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
// Writes "Convert From" and "Convert To" into the unit boxes, then appends the row's lists.
struct FillUnitLists
{
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

// What a type's unit boxes offer: its from-units, and as to-units its modern units, then
// (for all but the area type) its from-units again.
struct UnitLists
{
    QStringList fromUnits;
    QStringList modernUnits;
    bool toListRepeatsFromUnits = true;

    QStringList ToUnits() const;
};

// Everything a measurement type is: its name, what choosing it does, its lists.
struct TypeRow
{
    MeasurementType type;
    QString name;          // as the type list offers it, and compared with the list's text
    QList<TypeStep> steps; // its panels, note and lists, applied in this order
    UnitLists lists;       // none for a type without lists
    std::optional<ConverterButton> buttonStep; // made the one visible after all the rows
};

// One row per type, in the order the rows are compared (not the order of the type list).
const QList<TypeRow> &TypeRouting();

// A type's own row.
const TypeRow &RowOf(MeasurementType type);

// The names, in the order of the type list.
QStringList MeasurementTypeNames();

struct ButtonStep
{
    QString name; // of the type
    ConverterButton button;
};

// Compared after all the rows, in the rows' order: the types whose row leaves one
// converter button answering.
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

// The from-units that route, in the order they are compared. The other list items
// change nothing: the button the type made visible serves them.
const QList<UnitRow> &UnitRouting();

// The button that choosing the from-unit makes the visible one, as the last of its rows
// that names one says; none for a unit whose type's button serves it. The length
// converters serve the units that name their button.
std::optional<ConverterButton> RoutedButton(const QString &fromUnit);

} // namespace catalog
