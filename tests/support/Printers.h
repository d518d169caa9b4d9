#pragma once
// GoogleTest's printers for the types that the tests print but do not declare: Qt's values
// and the program's own. The build puts this header ahead of every test source
// (tests/CMakeLists.txt), so that every source that prints such a type sees its printer.
// GoogleTest's printer of a type is a template made again in each source that prints the
// type; one made where no PrintTo was declared dumps the value's bytes, and the link keeps
// one of the two, which one depending on the build. A type the tests declare has its
// PrintTo beside it.
#include <ostream>
#include <string>

#include <QByteArray>
#include <QMetaEnum>
#include <Qt>

#include "catalog/ConverterButtons.h"
#include "catalog/MeasurementTypes.h"
#include "catalog/Routing.h"
#include "format/Numbers.h"
#include "support/QtPrinting.h"

namespace catalog {
// A button by its design name.
inline void PrintTo(ConverterButton button, std::ostream *os) { *os << ButtonName(button); }

// A measurement type by the name the type list offers, from its row.
inline void PrintTo(MeasurementType type, std::ostream *os)
{
    const QString &name = RowOf(type).name;
    if (name.isEmpty())
        *os << "MeasurementType " << int(type);
    else
        *os << name.toStdString();
}
} // namespace catalog

// How an amount was read, by its name.
inline void PrintTo(Amount::Reading reading, std::ostream *os)
{
    switch (reading) {
    case Amount::Reading::Whole: *os << "Whole"; return;
    case Amount::Reading::Leading: *os << "Leading"; return;
    case Amount::Reading::Refused: *os << "Refused"; return;
    }
    *os << "Reading " << int(reading);
}

// A key by its name, "Return", "Enter" or "Space", in test names and messages.
inline std::string KeyName(Qt::Key key)
{
    const QByteArray name = QMetaEnum::fromType<Qt::Key>().valueToKey(key);
    return name.startsWith("Key_") ? name.mid(4).toStdString() : "Key " + std::to_string(int(key));
}

namespace Qt {
inline void PrintTo(Key key, std::ostream *os) { *os << KeyName(key); }
} // namespace Qt
