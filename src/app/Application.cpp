#include "app/Application.h"

#include <QApplication>
#include <QGuiApplication>
#include <QStyleFactory>

#include "format/Numbers.h"

void SetUpApplication()
{
    // Lets a Wayland desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("ostrevan"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    UseHomeConventionsForBareLocale();
}
