#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <optional>
#include <utility>
#include <vector>

#include <QApplication>
#include <QByteArray>
#include <QLoggingCategory>
#include <QString>
#include <QStringList>

#include "app/Application.h"
#include "app/frmRound.h"
#include "widgets/Seams.h"

namespace {

// Qt 6.4 aborts when it cannot start a platform plugin: QApplication's constructor prints
// several lines and calls qFatal(), and nothing lets the program ask beforehand. So while the
// application is being made its messages are held back: a fatal one is replaced by one line,
// the others are passed on once the application stands.
//
// Qt's fatal text is the same whatever went wrong; what it said before tells why. The X11
// plugin that loads but reaches no server first warns "could not connect to display": that,
// and only that, is the missing display. Otherwise qt.qpa.plugin names the plugin that was
// not found, or that was found but would not start, and what was said since the plugin
// before it says why: the plugin's own warnings (Wayland's "Failed to create wl_display",
// the X11 plugin's when the server goes away as it starts), or the loader's reason for a
// library it could not load. The loader says that at debug level only: that level is on
// while starting, and its messages are dropped afterwards unless they were asked for.
//
// With QT_FATAL_WARNINGS or QT_FATAL_CRITICALS Qt aborts as soon as the handler returns from
// the message it stops on, so that one is passed on at once, after the held ones.
//
// Qt calls the handler from its own threads too (xcb's event thread starts inside the
// constructor), so the held messages are kept, and passed on, under a lock. Messages are
// passed straight to the handler that was in force before ours (Qt's own, which formats them
// with qFormatLogMessage), not through qt_message_output: inside a handler Qt would print
// them bare, and would count them again towards QT_FATAL_WARNINGS.
class MessagesHeldWhileStarting
{
public:
    MessagesHeldWhileStarting()
    {
        // A filter that changes nothing, to learn the one in force before ours is called.
        previousFilter_ = QLoggingCategory::installFilter([](QLoggingCategory *) {});
        QLoggingCategory::installFilter(&ShowWhyLibrariesFailToLoad);
        warningsLeft_ = FatalCount("QT_FATAL_WARNINGS");
        criticalsLeft_ = FatalCount("QT_FATAL_CRITICALS");
        previous_ = qInstallMessageHandler(&Hold);
    }
    ~MessagesHeldWhileStarting()
    {
        // The filter first, while our handler still drops the loader's debug lines that are
        // already on their way; then the held messages; then the handler, which until then
        // passes on, after them, a message that another thread sends meanwhile.
        QLoggingCategory::installFilter(previousFilter_);
        {
            const std::lock_guard<std::mutex> lock(heldLock_);
            PassOnHeld();
        }
        qInstallMessageHandler(previous_);
    }
    MessagesHeldWhileStarting(const MessagesHeldWhileStarting &) = delete;
    MessagesHeldWhileStarting &operator=(const MessagesHeldWhileStarting &) = delete;

private:
    struct Message
    {
        QtMsgType type;
        QByteArray file, function, category;
        int line;
        QString text;
    };

    static constexpr char LibraryCategory[] = "qt.core.library";

    static const char *Text(const QByteArray &bytes) { return bytes.isNull() ? nullptr : bytes.constData(); }

    static void ShowWhyLibrariesFailToLoad(QLoggingCategory *category)
    {
        previousFilter_(category);
        if (qstrcmp(category->categoryName(), LibraryCategory) == 0) {
            libraryDebugAsked_ = category->isDebugEnabled();
            category->setEnabled(QtDebugMsg, true);
        }
    }

    static void Hold(QtMsgType type, const QMessageLogContext &context, const QString &text)
    {
        const std::lock_guard<std::mutex> lock(heldLock_);
        if (!holding_) {
            // From another thread, after the held messages were passed on.
            PassOn(type, context, text);
            return;
        }
        if (type == QtFatalMsg)
            CannotStart(text);
        if (QtAbortsAfter(type)) {
            PassOnHeld();
            PassOn(type, context, text);
            return;
        }
        held_.push_back({type, context.file, context.function, context.category, context.line, text});
    }

    // Called with the lock held.
    static void PassOnHeld()
    {
        holding_ = false;
        for (const Message &m : std::exchange(held_, {}))
            PassOn(m.type, QMessageLogContext(Text(m.file), m.line, Text(m.function), Text(m.category)), m.text);
    }

    static void PassOn(QtMsgType type, const QMessageLogContext &context, const QString &text)
    {
        if (type == QtDebugMsg && qstrcmp(context.category, LibraryCategory) == 0 && !libraryDebugAsked_)
            return;
        previous_(type, context, text);
    }

    // Whether Qt aborts once this message has been handled, counting as Qt 6.4 does:
    // QT_FATAL_WARNINGS=n stops on the n-th warning, QT_FATAL_CRITICALS=n on the n-th
    // critical, and a value that is no number counts as 1. Called with the lock held.
    static bool QtAbortsAfter(QtMsgType type)
    {
        int *left = type == QtWarningMsg ? &warningsLeft_ : type == QtCriticalMsg ? &criticalsLeft_ : nullptr;
        return left && *left != 0 && (*left)-- == 1;
    }

    static int FatalCount(const char *variable)
    {
        const QByteArray value = qgetenv(variable);
        if (value.isEmpty())
            return 0;
        bool ok = false;
        const int count = value.toInt(&ok, 0);
        return ok ? count : 1;
    }

    // Called with the lock held; it never returns, so no other message is held meanwhile.
    [[noreturn]] static void CannotStart(const QString &fatal)
    {
        static const QString noConnection = QStringLiteral("could not connect to display");
        for (const Message &m : held_) {
            if (m.category == "qt.qpa.xcb" && m.text.startsWith(noConnection)) {
                // The display X11 tried, as it names it: DISPLAY's, or the -display argument's.
                const QString display = m.text.mid(noConnection.size()).trimmed();
                const QString why = display.isEmpty()
                                        ? QStringLiteral("set DISPLAY or run under a desktop")
                                        : QStringLiteral("cannot connect to display \"%1\"").arg(display);
                const QString line = "ostrevan: no display to show the window on (" + why + ")\n";
                std::fputs(line.toLocal8Bit().constData(), stderr);
                std::_Exit(2);
            }
        }
        // Status 1, the plain failure: 2 is kept for the missing display alone, so that a
        // script can tell "nothing to show the window on" from a broken installation.
        std::fputs(("ostrevan: " + WhyNoPlatform(fatal) + u'\n').toLocal8Bit().constData(), stderr);
        std::_Exit(1);
    }

    // One line of what Qt said: each plugin that failed, with why where Qt said it, and the
    // plugins it could have used; any other fatal message as it is.
    static QString WhyNoPlatform(const QString &fatal)
    {
        QStringList plugins, reasons;
        for (const Message &m : held_) {
            if (m.category == LibraryCategory) {
                static const QString cannotLoad = QStringLiteral(" cannot load: ");
                if (const qsizetype at = m.text.indexOf(cannotLoad); at >= 0)
                    reasons << m.text.mid(at + cannotLoad.size()).simplified();
            } else if (m.category == "qt.qpa.plugin") {
                if (m.type == QtDebugMsg)
                    continue;
                QString plugin = m.text.simplified();
                if (!reasons.isEmpty()) {
                    if (plugin.endsWith(u'.'))
                        plugin.chop(1);
                    plugin += ": " + reasons.join("; ");
                    reasons.clear();
                }
                plugins << plugin;
            } else if (m.type == QtWarningMsg || m.type == QtCriticalMsg) {
                reasons << m.text.simplified();
            }
        }
        if (plugins.isEmpty())
            return fatal.simplified();
        static const QString available = QStringLiteral("Available platform plugins are:");
        if (const qsizetype at = fatal.indexOf(available); at >= 0) {
            QString names = fatal.mid(at + available.size()).simplified();
            if (names.endsWith(u'.'))
                names.chop(1);
            plugins << "available platform plugins: " + names;
        }
        return plugins.join("; ");
    }

    static inline QtMessageHandler previous_ = nullptr;
    static inline QLoggingCategory::CategoryFilter previousFilter_ = nullptr;
    static inline std::atomic<bool> libraryDebugAsked_ = false;
    static inline std::mutex heldLock_;
    static inline bool holding_ = true; // under heldLock_
    static inline std::vector<Message> held_; // under heldLock_
    // How many more warnings and criticals until Qt aborts on one; under heldLock_.
    static inline int warningsLeft_ = 0;
    static inline int criticalsLeft_ = 0;
};

} // namespace

int main(int argc, char *argv[])
{
    std::optional<MessagesHeldWhileStarting> held(std::in_place);
    QApplication app(argc, argv);
    held.reset();
    SetUpApplication();

    DesktopSeams seams;
    frmRound window(seams);
    window.show();
    return app.exec();
}
