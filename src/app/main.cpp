#include <cstdio>

#include <QFileInfo>
#include <QRegularExpression>

#include <QApplication>

#include "app/Application.h"
#include "app/frmRound.h"
#include "widgets/Seams.h"

namespace {

// Without a display the toolkit would abort with a long message; say it in one line.
bool DisplayAvailable()
{
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return true;
#if defined(Q_OS_LINUX) || defined(Q_OS_FREEBSD)
    if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return true;
    const QString display = qEnvironmentVariable("DISPLAY");
    if (display.isEmpty())
        return false;
    // A local display ":N" has its socket; for any other form let the toolkit try.
    const auto local = QRegularExpression(QStringLiteral("^:(\\d+)(\\.\\d+)?$")).match(display);
    return !local.hasMatch() ||
           QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X") + local.captured(1));
#else
    return true;
#endif
}

} // namespace

int main(int argc, char *argv[])
{
    if (!DisplayAvailable()) {
        std::fputs("ostrevan: no display to show the window on (set DISPLAY or run under a desktop)\n", stderr);
        return 2;
    }
    QApplication app(argc, argv);
    SetUpApplication();

    DesktopSeams seams;
    frmRound window(seams);
    window.show();
    return app.exec();
}
