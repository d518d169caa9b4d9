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
// not found, or that was found but not loaded (as when a library it needs is missing; the
// same words follow the missing display's warning). Why a found plugin would not load,
// qt.core.library says at debug level only: that level is on while starting, and its
// messages are dropped afterwards unless they were asked for.
//
// Qt calls the handler from its own threads too (xcb's event thread starts inside the
// constructor), so the held messages are taken and read under a lock.
class MessagesHeldWhileStarting
{
public:
    MessagesHeldWhileStarting()
    {
        // A filter that changes nothing, to learn the one in force before ours is called.
        previousFilter_ = QLoggingCategory::installFilter([](QLoggingCategory *) {});
        QLoggingCategory::installFilter(&ShowWhyLibrariesFailToLoad);
        previous_ = qInstallMessageHandler(&Hold);
    }
    ~MessagesHeldWhileStarting()
    {
        qInstallMessageHandler(previous_);
        QLoggingCategory::installFilter(previousFilter_);
        std::vector<Message> held;
        {
            const std::lock_guard<std::mutex> lock(heldLock_);
            holding_ = false;
            held = std::exchange(held_, {});
        }
        for (const Message &m : held) {
            if (m.type == QtDebugMsg && m.category == LibraryCategory && !libraryDebugAsked_)
                continue;
            qt_message_output(m.type,
                              QMessageLogContext(Text(m.file), m.line, Text(m.function), Text(m.category)),
                              m.text);
        }
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
        std::unique_lock<std::mutex> lock(heldLock_);
        if (!holding_) {
            // From another thread, as the held messages were being taken: the handler in
            // force is the one before ours again.
            lock.unlock();
            qt_message_output(type, context, text);
            return;
        }
        if (type == QtFatalMsg)
            CannotStart(text);
        held_.push_back({type, context.file, context.function, context.category, context.line, text});
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

    // One line of what Qt said: each plugin that failed, with the loader's reason where it
    // gave one, and the plugins it could have used; any other fatal message as it is.
    static QString WhyNoPlatform(const QString &fatal)
    {
        QStringList plugins, libraries;
        for (const Message &m : held_) {
            if (m.category == LibraryCategory) {
                static const QString cannotLoad = QStringLiteral(" cannot load: ");
                if (const qsizetype at = m.text.indexOf(cannotLoad); at >= 0)
                    libraries << m.text.mid(at + cannotLoad.size()).simplified();
            } else if (m.category == "qt.qpa.plugin" && m.type != QtDebugMsg) {
                QString plugin = m.text.simplified();
                if (!libraries.isEmpty()) {
                    if (plugin.endsWith(u'.'))
                        plugin.chop(1);
                    plugin += ": " + libraries.join("; ");
                    libraries.clear();
                }
                plugins << plugin;
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
