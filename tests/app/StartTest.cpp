// The program started where no display can be reached, whatever the environment names: one
// line that says so, and exit status 2.
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

#include "support/QtPrinting.h"

namespace {

// A display number that no X server on this machine answers to: no socket, in the file
// system or the abstract namespace, and no lock file.
int UnusedDisplayNumber()
{
    QFile sockets(QStringLiteral("/proc/net/unix"));
    const QByteArray open = sockets.open(QIODevice::ReadOnly) ? sockets.readAll() : QByteArray();
    for (int n = 99;; ++n) {
        const QString socket = QStringLiteral("/tmp/.X11-unix/X%1").arg(n);
        if (!QFile::exists(socket) && !QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(n)) &&
            !open.contains(("@" + socket + "\n").toLatin1()))
            return n;
    }
}

struct Environment
{
    const char *name;
    QString display;  // empty: none
    QString platform; // empty: none
};

void PrintTo(const Environment &e, std::ostream *os) { *os << e.name; }

class StartWithoutDisplay : public ::testing::TestWithParam<Environment>
{
};

TEST_P(StartWithoutDisplay, SaysSoInOneLineAndExitsWithStatus2)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE"})
        environment.remove(QString::fromLatin1(name));
    if (!GetParam().display.isEmpty())
        environment.insert(QStringLiteral("DISPLAY"), GetParam().display);
    if (!GetParam().platform.isEmpty())
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), GetParam().platform);

    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(OSTREVAN_PROGRAM), QStringList());
    ASSERT_TRUE(program.waitForStarted(10000));
    // A display that answered after all would show the window and wait.
    if (!program.waitForFinished(20000)) {
        program.kill();
        program.waitForFinished();
        FAIL() << "still running after 20 s";
    }
    const QString out = QString::fromLocal8Bit(program.readAllStandardOutput());
    const QString err = QString::fromLocal8Bit(program.readAllStandardError());
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << err.toStdString();
    EXPECT_EQ(program.exitCode(), 2) << err.toStdString();
    EXPECT_TRUE(out.isEmpty()) << out.toStdString();
    EXPECT_EQ(err.count(u'\n'), 1) << err.toStdString();
    EXPECT_TRUE(err.endsWith(u'\n')) << err.toStdString();
    EXPECT_TRUE(err.contains(QStringLiteral("no display"))) << err.toStdString();
}

const QString Unused = QString::number(UnusedDisplayNumber());

INSTANTIATE_TEST_SUITE_P(
    Environments, StartWithoutDisplay,
    ::testing::Values(Environment{"NoDisplayNamed", {}, {}},
                      Environment{"LocalDisplayWithoutServer", ":" + Unused, {}},
                      Environment{"LocalhostDisplay", "localhost:" + Unused, {}},
                      Environment{"UnixSocketDisplay", "unix:" + Unused, {}},
                      Environment{"DisplayThatIsNoName", QStringLiteral("bogus"), {}},
                      Environment{"X11PlatformWithoutDisplay", {}, QStringLiteral("xcb")}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
