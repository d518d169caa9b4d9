#pragma once
// Readable QString, QStringList and geometry values in GoogleTest messages. Every test sees
// them: support/Printers.h, which the build puts ahead of each test source, includes this.
#include <ostream>

#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

inline void PrintTo(const QString &text, std::ostream *os) { *os << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QStringList &list, std::ostream *os)
{
    *os << '[';
    for (qsizetype i = 0; i < list.size(); ++i)
        *os << (i ? ", \"" : "\"") << list[i].toStdString() << '"';
    *os << ']';
}
inline void PrintTo(const QPoint &p, std::ostream *os) { *os << '(' << p.x() << ", " << p.y() << ')'; }
inline void PrintTo(const QRect &r, std::ostream *os)
{
    *os << r.width() << 'x' << r.height() << " at (" << r.x() << ", " << r.y() << ')';
}
