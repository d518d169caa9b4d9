// The program started where it cannot show its window. Where no X display can be reached:
// one line that says so and names the display tried, and exit status 2. Where the platform
// plugin cannot be loaded or started: one line with the plugin and Qt's reason, and status 1.
// And where it can: what Qt said while the application was being made comes through after.
#include <vector>

#include <QByteArray>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "support/QtPrinting.h"

namespace {

// The line for a start without a display; `tried` is the display X11 tried, if any.
QString NoDisplayLine(const QString &tried)
{
    return tried.isEmpty()
               ? QStringLiteral("ostrevan: no display to show the window on (set DISPLAY or run under a desktop)\n")
               : QStringLiteral("ostrevan: no display to show the window on (cannot connect to display \"%1\")\n")
                     .arg(tried);
}

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

// The test's environment without anything that names a display, a platform, a plugin folder
// or logging rules, nor the folder where a Wayland compositor of the desktop has its socket.
QProcessEnvironment Bare()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE",
                             "XDG_RUNTIME_DIR", "QT_PLUGIN_PATH", "QT_QPA_PLATFORM_PLUGIN_PATH",
                             "QT_DEBUG_PLUGINS", "QT_LOGGING_RULES", "QT_LOGGING_CONF"})
        environment.remove(QString::fromLatin1(name));
    return environment;
}

struct Outcome
{
    int code = -1;
    QString out, err;
};

void Start(const QString &program, const QProcessEnvironment &environment, Outcome *outcome,
           const QStringList &arguments = {})
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    ASSERT_TRUE(process.waitForStarted(10000));
    // A display or platform that worked after all would show the window and wait.
    if (!process.waitForFinished(20000)) {
        process.kill();
        process.waitForFinished();
        FAIL() << "still running after 20 s";
    }
    outcome->out = QString::fromLocal8Bit(process.readAllStandardOutput());
    outcome->err = QString::fromLocal8Bit(process.readAllStandardError());
    ASSERT_EQ(process.exitStatus(), QProcess::NormalExit) << outcome->err.toStdString();
    outcome->code = process.exitCode();
}

struct Environment
{
    const char *name;
    QString display;  // empty: none
    QString platform; // empty: none
    QString tried;    // the display the line names; empty: none was named
    QStringList arguments = {};
    bool emptyPluginPath = false;
};

void PrintTo(const Environment &e, std::ostream *os) { *os << e.name; }

class StartWithoutDisplay : public ::testing::TestWithParam<Environment>
{
};

TEST_P(StartWithoutDisplay, SaysSoInOneLineAndExitsWithStatus2)
{
    QProcessEnvironment environment = Bare();
    if (!GetParam().display.isEmpty())
        environment.insert(QStringLiteral("DISPLAY"), GetParam().display);
    if (!GetParam().platform.isEmpty())
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), GetParam().platform);
    QTemporaryDir empty;
    ASSERT_TRUE(empty.isValid());
    if (GetParam().emptyPluginPath) {
        environment.insert(QStringLiteral("QT_PLUGIN_PATH"), empty.path());
        environment.insert(QStringLiteral("QT_QPA_PLATFORM_PLUGIN_PATH"), empty.path());
    }

    Outcome outcome;
    ASSERT_NO_FATAL_FAILURE(
        Start(QStringLiteral(OSTREVAN_PROGRAM), environment, &outcome, GetParam().arguments));
    EXPECT_EQ(outcome.code, 2) << outcome.err.toStdString();
    EXPECT_TRUE(outcome.out.isEmpty()) << outcome.out.toStdString();
    EXPECT_EQ(outcome.err, NoDisplayLine(GetParam().tried));
}

const QString Unused = QString::number(UnusedDisplayNumber());

INSTANTIATE_TEST_SUITE_P(
    Environments, StartWithoutDisplay,
    ::testing::Values(Environment{"NoDisplayNamed", {}, {}, {}},
                      Environment{"LocalDisplayWithoutServer", ":" + Unused, {}, ":" + Unused},
                      Environment{"LocalhostDisplay", "localhost:" + Unused, {}, "localhost:" + Unused},
                      Environment{"UnixSocketDisplay", "unix:" + Unused, {}, "unix:" + Unused},
                      Environment{"DisplayThatIsNoName", QStringLiteral("bogus"), {}, QStringLiteral("bogus")},
                      Environment{"X11PlatformWithoutDisplay", {}, QStringLiteral("xcb"), {}},
                      // The display X11 tries is the argument's, not DISPLAY's.
                      Environment{"DisplayArgumentOverDisplay", QStringLiteral("bogus"), {}, ":" + Unused,
                                  {QStringLiteral("-display"), ":" + Unused}},
                      // These name a folder to look in first; Qt's own plugins are still found.
                      Environment{"EmptyPluginPathNamed", {}, {}, {}, {}, true}),
    [](const auto &info) { return std::string(info.param.name); });

enum class Plugins {
    Installed,          // Qt's own
    None,               // an empty plugin folder in place of Qt's
    X11MissingALibrary, // only the X11 plugin, needing a library that is not there
};

struct Platform
{
    const char *name;
    const char *platform; // QT_QPA_PLATFORM; empty: none
    Plugins plugins;
    const char *plugin;            // the plugin the line names
    std::vector<const char *> why; // and what it says of it
};

void PrintTo(const Platform &p, std::ostream *os) { *os << p.name; }

// The program's copy in a folder whose qt.conf names its own plugin folder: QT_PLUGIN_PATH
// and QT_QPA_PLATFORM_PLUGIN_PATH only add folders to look in, ahead of Qt's own.
class StartWithoutPlatform : public ::testing::TestWithParam<Platform>
{
protected:
    QString Program()
    {
        if (GetParam().plugins == Plugins::Installed)
            return QStringLiteral(OSTREVAN_PROGRAM);
        const QString program = folder_.filePath(QStringLiteral("ostrevan"));
        const QString plugins = folder_.filePath(QStringLiteral("plugins"));
        EXPECT_TRUE(QFile::copy(QStringLiteral(OSTREVAN_PROGRAM), program));
        EXPECT_TRUE(QDir().mkpath(plugins + "/platforms"));
        QFile conf(folder_.filePath(QStringLiteral("qt.conf")));
        EXPECT_TRUE(conf.open(QIODevice::WriteOnly));
        conf.write("[Paths]\nPlugins=" + plugins.toLocal8Bit() + "\n");
        environment_.insert(QStringLiteral("QT_PLUGIN_PATH"), plugins);
        environment_.insert(QStringLiteral("QT_QPA_PLATFORM_PLUGIN_PATH"), plugins + "/platforms");
        return program;
    }

    // Qt's X11 plugin with the name of the library it needs changed, as when that is missing.
    void PlaceX11PluginMissingALibrary()
    {
        QFile qt(QLibraryInfo::path(QLibraryInfo::PluginsPath) + "/platforms/libqxcb.so");
        if (!qt.open(QIODevice::ReadOnly))
            GTEST_SKIP() << "no X11 plugin at " << qt.fileName().toStdString();
        QByteArray plugin = qt.readAll();
        ASSERT_EQ(plugin.count("libQt6XcbQpa.so.6"), 1);
        plugin.replace("libQt6XcbQpa.so.6", "libQt6XcbQpX.so.6");
        QFile copy(folder_.filePath(QStringLiteral("plugins/platforms/libqxcb.so")));
        ASSERT_TRUE(copy.open(QIODevice::WriteOnly));
        ASSERT_EQ(copy.write(plugin), plugin.size());
    }

    QTemporaryDir folder_;
    QProcessEnvironment environment_ = Bare();
};

TEST_P(StartWithoutPlatform, NamesThePluginAndWhyInOneLine)
{
    ASSERT_TRUE(folder_.isValid());
    const QString program = Program();
    ASSERT_FALSE(HasFailure());
    if (GetParam().plugins == Plugins::X11MissingALibrary) {
        ASSERT_NO_FATAL_FAILURE(PlaceX11PluginMissingALibrary());
        if (IsSkipped())
            return;
    }
    if (*GetParam().platform)
        environment_.insert(QStringLiteral("QT_QPA_PLATFORM"), QString::fromLatin1(GetParam().platform));

    Outcome outcome;
    ASSERT_NO_FATAL_FAILURE(Start(program, environment_, &outcome));
    const std::string err = outcome.err.toStdString();
    EXPECT_EQ(outcome.code, 1) << err;
    EXPECT_TRUE(outcome.out.isEmpty()) << outcome.out.toStdString();
    EXPECT_TRUE(outcome.err.startsWith(u"ostrevan: ")) << err;
    EXPECT_EQ(outcome.err.count(u'\n'), 1) << err;
    EXPECT_TRUE(outcome.err.endsWith(u'\n')) << err;
    EXPECT_FALSE(outcome.err.contains(u"no display")) << err;
    EXPECT_TRUE(outcome.err.contains(QStringLiteral("platform plugin \"%1\"").arg(GetParam().plugin))) << err;
    for (const char *why : GetParam().why) {
        EXPECT_TRUE(outcome.err.contains(QString::fromLatin1(why))) << why << " not in " << err;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Plugins, StartWithoutPlatform,
    ::testing::Values(
        Platform{"UnknownPlatform", "nonesuch", Plugins::Installed, "nonesuch",
                 {"Could not find", "available platform plugins: ", "offscreen"}},
        Platform{"EmptyPluginFolder", "", Plugins::None, "xcb", {"Could not find"}},
        Platform{"EmptyPluginFolderForOffscreen", "offscreen", Plugins::None, "offscreen", {"Could not find"}},
        // Without its plugin (Debian's qt6-wayland) or, where that is installed, a compositor
        // to connect to: a plugin that cannot start, not a missing display.
        Platform{"WaylandUnreachable", "wayland", Plugins::Installed, "wayland", {}},
        // Qt says only that it was found but not loaded; the loader says why.
        Platform{"X11PluginMissingALibrary", "", Plugins::X11MissingALibrary, "xcb",
                 {"even though it was found", "libQt6XcbQpX.so.6: cannot open shared object file"}}),
    [](const auto &info) { return std::string(info.param.name); });

struct Rules
{
    const char *name;
    const char *rules;                  // QT_LOGGING_RULES
    std::vector<const char *> shown;    // texts that stderr holds
    std::vector<const char *> notShown; // and those it does not
};

void PrintTo(const Rules &r, std::ostream *os) { *os << r.name << " (" << r.rules << ')'; }

// The held messages are passed on once the application stands: the window is being shown
// when the backing store's debug line comes, long after them.
class StartOffscreen : public ::testing::TestWithParam<Rules>
{
};

TEST_P(StartOffscreen, PassesOnWhatQtSaidWhileStartingExceptTheLoadersUnaskedDebugLines)
{
    QProcessEnvironment environment = Bare();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("QT_LOGGING_RULES"), QString::fromLatin1(GetParam().rules));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setReadChannel(QProcess::StandardError);
    // A style that does not exist: QApplication's constructor warns of it.
    process.start(QStringLiteral(OSTREVAN_PROGRAM), {QStringLiteral("-style"), QStringLiteral("nonesuch")});
    ASSERT_TRUE(process.waitForStarted(10000));
    const QByteArray shownWindow = "\nqt.qpa.backingstore: ";
    QByteArray err;
    for (QDeadlineTimer deadline(20000); !err.contains(shownWindow) && !deadline.hasExpired();) {
        if (process.state() != QProcess::Running)
            break;
        process.waitForReadyRead(int(deadline.remainingTime()));
        err += process.readAllStandardError();
    }
    process.kill();
    process.waitForFinished();
    err += process.readAllStandardError();
    const QString text = QString::fromLocal8Bit(err);
    ASSERT_TRUE(err.contains(shownWindow)) << "no window shown: " << text.toStdString();

    for (const char *shown : GetParam().shown) {
        EXPECT_TRUE(text.contains(QString::fromLatin1(shown))) << shown << " not in " << text.toStdString();
    }
    for (const char *notShown : GetParam().notShown) {
        EXPECT_FALSE(text.contains(QString::fromLatin1(notShown))) << notShown << " in " << text.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rules, StartOffscreen,
    ::testing::Values(
        Rules{"PlatformDebug",
              "qt.qpa.*.debug=true",
              {"qt.qpa.plugin: Successfully loaded Qt platform plugin \"offscreen\"",
               "QApplication: invalid style override 'nonesuch'"},
              {"qt.core.library"}},
        Rules{"LoaderDebugAsked",
              "qt.qpa.*.debug=true;qt.core.library.debug=true",
              {"qt.qpa.plugin: Successfully loaded Qt platform plugin \"offscreen\"",
               "QApplication: invalid style override 'nonesuch'",
               // Loaded while starting: held, and passed on as it was asked for.
               "platforms/libqoffscreen.so\" loaded library"},
              {}}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
