// The program started where it cannot show its window. Where no X display can be reached:
// one line that says so and names the display tried, and exit status 2. Where the platform
// plugin cannot be loaded or started: one line with the plugin and Qt's reason, and status 1.
// Where Qt is told to abort on a warning or a critical: what Qt said, up to the message it
// stopped on. And where it can start: what Qt said while the application was being made
// comes through after, as Qt would have printed it.
#include <vector>

#include <QByteArray>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QLibraryInfo>
#include <QPluginLoader>
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

// The test's environment without anything that names a display, a platform, a plugin folder,
// logging rules, a message pattern or messages to abort on, nor the folder where a Wayland
// compositor of the desktop has its socket.
QProcessEnvironment Bare()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE",
                             "XDG_RUNTIME_DIR", "QT_PLUGIN_PATH", "QT_QPA_PLATFORM_PLUGIN_PATH",
                             "QT_QPA_GENERIC_PLUGINS", "QT_DEBUG_PLUGINS", "QT_LOGGING_RULES",
                             "QT_LOGGING_CONF", "QT_MESSAGE_PATTERN", "QT_FATAL_WARNINGS",
                             "QT_FATAL_CRITICALS"})
        environment.remove(QString::fromLatin1(name));
    return environment;
}

// As a desktop session starts a program, but without a display: the bare environment and a
// runtime folder of its own (XDG_RUNTIME_DIR), fresh and empty, of mode 0700, where no
// Wayland compositor has its socket.
class Session
{
public:
    Session()
    {
        EXPECT_TRUE(runtime_.isValid());
        EXPECT_TRUE(QFile::setPermissions(runtime_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime_.path());
    }

    QProcessEnvironment environment = Bare();

private:
    QTemporaryDir runtime_;
};

// Whether Qt has a platform plugin that answers to `key` ("wayland": Debian's qt6-wayland).
bool PlatformPluginInstalled(const QString &key)
{
    const QDir folder(QLibraryInfo::path(QLibraryInfo::PluginsPath) + "/platforms");
    for (const QString &file : folder.entryList(QDir::Files)) {
        const QJsonObject meta = QPluginLoader(folder.filePath(file)).metaData();
        if (meta.value(QStringLiteral("MetaData")).toObject().value(QStringLiteral("Keys")).toArray().contains(key))
            return true;
    }
    return false;
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
    Session session;
    QProcessEnvironment &environment = session.environment;
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

// Where Qt has a plugin for the platform and where it has none, when that depends on the
// machine (the Wayland plugin is Debian's qt6-wayland, which Ostrevan does not install).
struct WithAndWithout
{
    std::vector<const char *> whyWith, whyWithout;
    // What a library of the plugin prints itself, ahead of the program's line, where the
    // plugin is installed: it writes to stderr, not through Qt's messages.
    const char *aheadWith = "";
};

struct Platform
{
    const char *name;
    const char *platform; // QT_QPA_PLATFORM; empty: none
    Plugins plugins;
    const char *plugin;            // the plugin the line names
    std::vector<const char *> why; // and what it says of it
    WithAndWithout installed = {};
    // WAYLAND_DISPLAY, as a Wayland session sets it (and then Qt tries Wayland first where
    // QT_QPA_PLATFORM is not set); empty: none.
    const char *waylandDisplay = "";
    bool runtimeFolder = true; // XDG_RUNTIME_DIR, as a desktop session sets it
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
        environment().insert(QStringLiteral("QT_PLUGIN_PATH"), plugins);
        environment().insert(QStringLiteral("QT_QPA_PLATFORM_PLUGIN_PATH"), plugins + "/platforms");
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

    QProcessEnvironment &environment() { return session_.environment; }

    QTemporaryDir folder_;
    Session session_;
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
        environment().insert(QStringLiteral("QT_QPA_PLATFORM"), QString::fromLatin1(GetParam().platform));
    if (*GetParam().waylandDisplay)
        environment().insert(QStringLiteral("WAYLAND_DISPLAY"), QString::fromLatin1(GetParam().waylandDisplay));
    if (!GetParam().runtimeFolder)
        environment().remove(QStringLiteral("XDG_RUNTIME_DIR"));
    const bool installed = PlatformPluginInstalled(QString::fromLatin1(GetParam().plugin));
    std::vector<const char *> why = GetParam().why;
    const WithAndWithout &depends = GetParam().installed;
    why.insert(why.end(), (installed ? depends.whyWith : depends.whyWithout).begin(),
               (installed ? depends.whyWith : depends.whyWithout).end());

    Outcome outcome;
    ASSERT_NO_FATAL_FAILURE(Start(program, environment(), &outcome));
    const std::string err = outcome.err.toStdString();
    const QString ahead = QString::fromLatin1(installed ? depends.aheadWith : "");
    ASSERT_TRUE(outcome.err.startsWith(ahead)) << err;
    const QString line = outcome.err.mid(ahead.size());
    EXPECT_EQ(outcome.code, 1) << err;
    EXPECT_TRUE(outcome.out.isEmpty()) << outcome.out.toStdString();
    EXPECT_TRUE(line.startsWith(u"ostrevan: ")) << err;
    EXPECT_EQ(line.count(u'\n'), 1) << err;
    EXPECT_TRUE(line.endsWith(u'\n')) << err;
    EXPECT_FALSE(line.contains(u"no display")) << err;
    EXPECT_TRUE(line.contains(QStringLiteral("platform plugin \"%1\"").arg(GetParam().plugin))) << err;
    for (const char *w : why) {
        EXPECT_TRUE(line.contains(QString::fromLatin1(w))) << w << " not in " << err;
    }
}

// Where the Wayland plugin is installed, a compositor to connect to is missing, so it cannot
// start: Qt found it, and says why it would not start before it says that.
const WithAndWithout WaylandPlugin = {
    {"even though it was found: Failed to create wl_display (No such file or directory); available platform plugins: "},
    {"Could not find"}};

INSTANTIATE_TEST_SUITE_P(
    Plugins, StartWithoutPlatform,
    ::testing::Values(
        Platform{"UnknownPlatform", "nonesuch", Plugins::Installed, "nonesuch",
                 {"Could not find", "available platform plugins: ", "offscreen"}},
        Platform{"EmptyPluginFolder", "", Plugins::None, "xcb", {"Could not find"}},
        Platform{"EmptyPluginFolderForOffscreen", "offscreen", Plugins::None, "offscreen", {"Could not find"}},
        // A desktop session's runtime folder, where the compositor WAYLAND_DISPLAY names has no
        // socket: a plugin that is missing or cannot start, not a missing display.
        Platform{"WaylandUnreachable", "wayland", Plugins::Installed, "wayland", {}, WaylandPlugin, "wayland-0"},
        // Without a runtime folder the plugin's library, libwayland, says so itself first.
        Platform{"WaylandWithoutRuntimeFolder", "wayland", Plugins::Installed, "wayland", {},
                 {WaylandPlugin.whyWith, WaylandPlugin.whyWithout,
                  "error: XDG_RUNTIME_DIR is invalid or not set in the environment.\n"},
                 "wayland-0", false},
        // Qt says only that it was found but not loaded; the loader says why.
        Platform{"X11PluginMissingALibrary", "", Plugins::X11MissingALibrary, "xcb",
                 {"even though it was found", "libQt6XcbQpX.so.6: cannot open shared object file"}}),
    [](const auto &info) { return std::string(info.param.name); });

// How the tests below have Qt print its messages, so that a message printed bare, without
// its type and category, shows.
const QString Pattern = QStringLiteral("[%{type}] %{category}: %{message}");

// The tests' messages plugin (support/start-messages) loaded into the program, sending `what`.
QStringList Send(const char *what)
{
    return {QStringLiteral("-plugin"), QStringLiteral("ostrevanmessages:") + QString::fromLatin1(what)};
}

// Offscreen, with the tests' plugins, logging rules and the pattern above.
QProcessEnvironment Offscreen(Session &session, const char *rules)
{
    QProcessEnvironment environment = session.environment;
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("QT_PLUGIN_PATH"), QStringLiteral(OSTREVAN_TEST_PLUGINS));
    environment.insert(QStringLiteral("QT_LOGGING_RULES"), QString::fromLatin1(rules));
    environment.insert(QStringLiteral("QT_MESSAGE_PATTERN"), Pattern);
    return environment;
}

struct Rules
{
    const char *name;
    const char *rules;                  // QT_LOGGING_RULES
    std::vector<const char *> shown;    // texts that stderr holds
    std::vector<const char *> notShown; // and those it does not
    QStringList arguments = {};
    // Texts that it holds once at the most: a message of a kind that Qt turned off, which a
    // thread had begun to send just before, passes.
    std::vector<const char *> atMostOnce = {};
};

void PrintTo(const Rules &r, std::ostream *os) { *os << r.name << " (" << r.rules << ')'; }

// The held messages are passed on once the application stands: the window is being shown
// when the backing store's debug line comes, long after them.
class StartOffscreen : public ::testing::TestWithParam<Rules>
{
};

TEST_P(StartOffscreen, PassesOnWhatQtSaidWhileStartingExceptTheLoadersUnaskedDebugLines)
{
    Session session;
    QProcess process;
    process.setProcessEnvironment(Offscreen(session, GetParam().rules));
    process.setReadChannel(QProcess::StandardError);
    // A style that does not exist: QApplication's constructor warns of it.
    process.start(QStringLiteral(OSTREVAN_PROGRAM),
                  QStringList{QStringLiteral("-style"), QStringLiteral("nonesuch")} + GetParam().arguments);
    ASSERT_TRUE(process.waitForStarted(10000));
    const QByteArray shownWindow = "] qt.qpa.backingstore: ";
    const auto allThere = [&](const QByteArray &err) {
        if (!err.contains(shownWindow))
            return false;
        for (const char *shown : GetParam().shown)
            if (!err.contains(shown))
                return false;
        return true;
    };
    QByteArray err;
    for (QDeadlineTimer deadline(20000); !allThere(err) && !deadline.hasExpired();) {
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
    for (const char *once : GetParam().atMostOnce) {
        EXPECT_LE(text.count(QString::fromLatin1(once)), 1) << once << " in " << text.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rules, StartOffscreen,
    ::testing::Values(
        Rules{"PlatformDebug",
              "qt.qpa.*.debug=true",
              {"[debug] qt.qpa.plugin: Successfully loaded Qt platform plugin \"offscreen\"",
               "[warning] default: QApplication: invalid style override 'nonesuch'"},
              {"qt.core.library"}},
        Rules{"LoaderDebugAsked",
              "qt.qpa.*.debug=true;qt.core.library.debug=true",
              {"[debug] qt.qpa.plugin: Successfully loaded Qt platform plugin \"offscreen\"",
               "[warning] default: QApplication: invalid style override 'nonesuch'",
               // Loaded while starting: held, and passed on as it was asked for.
               "platforms/libqoffscreen.so\" loaded library"},
              {}},
        // A message that reaches the program's handler after it passed the held ones on goes
        // to Qt's handler, which prints it as it prints the others.
        Rules{"LateMessageFromAnotherThread",
              "qt.qpa.backingstore.debug=true",
              {"\n[warning] ostrevan.test: late, from another thread\n"},
              {"\nlate, from another thread"},
              Send("late")},
        // The loader's debug lines, which the program turns on while starting, are turned
        // off before the program's handler, which drops them, is put back.
        Rules{"LoaderLinesFromAnotherThread", "qt.qpa.backingstore.debug=true", {}, {}, Send("loader"), {"loader line"}}),
    [](const auto &info) { return std::string(info.param.name); });

struct Stop
{
    const char *name;
    const char *variable; // QT_FATAL_WARNINGS or QT_FATAL_CRITICALS
    const char *count;    // its value
    QStringList arguments;
    QStringList shown;    // in this order, the last the message Qt stopped on
    QStringList notShown; // anywhere
    QString display = {}; // DISPLAY; none: offscreen
};

void PrintTo(const Stop &s, std::ostream *os) { *os << s.name << " (" << s.variable << '=' << s.count << ')'; }

// Where Qt is told to abort on a message, the program passes that one on at once, after the
// messages it held before it, and Qt aborts as it would without the program's handler.
class StartToAbort : public ::testing::TestWithParam<Stop>
{
};

TEST_P(StartToAbort, ShowsWhatQtSaidUpToTheMessageItStoppedOn)
{
    Session session;
    QProcessEnvironment environment = Offscreen(session, "qt.qpa.plugin.debug=true");
    environment.insert(QString::fromLatin1(GetParam().variable), QString::fromLatin1(GetParam().count));
    if (!GetParam().display.isEmpty()) {
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        environment.insert(QStringLiteral("DISPLAY"), GetParam().display);
    }
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(OSTREVAN_PROGRAM), GetParam().arguments);
    ASSERT_TRUE(process.waitForStarted(10000));
    if (!process.waitForFinished(20000)) {
        process.kill();
        process.waitForFinished();
        FAIL() << "still running after 20 s";
    }
    const QString err = QString::fromLocal8Bit(process.readAllStandardError());
    const std::string text = err.toStdString();
    EXPECT_EQ(process.exitStatus(), QProcess::CrashExit) << text;

    qsizetype at = 0;
    for (const QString &shown : GetParam().shown) {
        const qsizetype found = err.indexOf(shown, at);
        ASSERT_GE(found, 0) << shown.toStdString() << " not in order in " << text;
        at = found + shown.size();
    }
    // Nothing after it but the rest of its own text.
    EXPECT_FALSE(err.mid(at).contains(u"\n[")) << text;
    for (const QString &notShown : GetParam().notShown) {
        EXPECT_FALSE(err.contains(notShown)) << notShown.toStdString() << " in " << text;
    }
}

const QString Loaded = QStringLiteral("[debug] qt.qpa.plugin: Successfully loaded Qt platform plugin \"offscreen\"");
const QString StyleWarning = QStringLiteral("[warning] default: QApplication: invalid style override 'nonesuch'");
const QStringList NoStyle = {QStringLiteral("-style"), QStringLiteral("nonesuch")};

INSTANTIATE_TEST_SUITE_P(
    Counts, StartToAbort,
    ::testing::Values(
        Stop{"FirstWarning", "QT_FATAL_WARNINGS", "1", NoStyle, {Loaded, StyleWarning}, {}},
        // The first warning held and passed on, the second the one Qt stops on.
        Stop{"SecondWarning",
             "QT_FATAL_WARNINGS",
             "2",
             Send("warning") + NoStyle,
             {Loaded, QStringLiteral("[warning] ostrevan.test: warning while starting"), StyleWarning},
             {}},
        // Criticals count alone; the style's warning would have come after.
        Stop{"FirstCritical",
             "QT_FATAL_CRITICALS",
             "1",
             Send("warning") + Send("critical") + NoStyle,
             {Loaded, QStringLiteral("[warning] ostrevan.test: warning while starting"),
              QStringLiteral("[critical] ostrevan.test: critical while starting")},
             {QStringLiteral("invalid style override")}},
        // X11's warning, not the program's line for a missing display.
        Stop{"WarningOfNoDisplay",
             "QT_FATAL_WARNINGS",
             "1",
             {},
             {QStringLiteral("[debug] qt.qpa.plugin: "),
              QStringLiteral("[warning] qt.qpa.xcb: could not connect to display :%1").arg(Unused)},
             {QStringLiteral("ostrevan: ")},
             ":" + Unused}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
