#pragma once
// The hours and watches of the time panel: what choosing each one shows.
#include <optional>

#include <QList>
#include <QString>
#include <QStringList>

namespace catalog {

struct TimeRow
{
    QString item;
    QString note;                 // to the time box
    std::optional<QString> quote; // to the quotations box
    std::optional<QString> notes; // to the notes box, in place of a quotation
};

// The 19 items in list order, which is also the order they are compared in.
QList<TimeRow> TimeRouting();

// The items of the time list.
QStringList TimeItems();

} // namespace catalog
