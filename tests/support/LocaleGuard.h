#pragma once
#include <QLocale>

#include "support/QtPrinting.h"

// Pins the default locale for one scope and restores the one before.
class LocaleGuard
{
public:
    explicit LocaleGuard(const QLocale &locale) : saved_(QLocale()) { QLocale::setDefault(locale); }
    ~LocaleGuard() { QLocale::setDefault(saved_); }
    LocaleGuard(const LocaleGuard &) = delete;
    LocaleGuard &operator=(const LocaleGuard &) = delete;

private:
    QLocale saved_;
};

inline QLocale UsLocale() { return QLocale(QLocale::English, QLocale::UnitedStates); }
inline QLocale GermanLocale() { return QLocale(QLocale::German, QLocale::Germany); }
