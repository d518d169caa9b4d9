#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

#include <QApplication>
#include <QByteArray>
#include <QString>

#include "app/Application.h"
#include "app/frmRound.h"
#include "widgets/Seams.h"

namespace {

// Qt 6.4 aborts when no platform plugin can reach a display: whatever DISPLAY or
// QT_QPA_PLATFORM say, QApplication's constructor then prints several lines and calls
// qFatal(), and nothing lets the program ask beforehand. So while the application is being
// made its messages are held back: a fatal one is replaced by one line and exit status 2,
// the others are passed on once the application stands.
class MessagesHeldWhileStarting
{
public:
    MessagesHeldWhileStarting() { previous_ = qInstallMessageHandler(&Hold); }
    ~MessagesHeldWhileStarting()
    {
        qInstallMessageHandler(previous_);
        for (const Message &m : held_)
            qt_message_output(m.type,
                              QMessageLogContext(Text(m.file), m.line, Text(m.function), Text(m.category)),
                              m.text);
        held_.clear();
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

    static const char *Text(const QByteArray &bytes) { return bytes.isNull() ? nullptr : bytes.constData(); }

    static void Hold(QtMsgType type, const QMessageLogContext &context, const QString &text)
    {
        if (type == QtFatalMsg) {
            std::fputs("ostrevan: no display to show the window on (set DISPLAY or run under a desktop)\n",
                       stderr);
            std::_Exit(2);
        }
        held_.push_back({type, context.file, context.function, context.category, context.line, text});
    }

    static inline QtMessageHandler previous_ = nullptr;
    static inline std::vector<Message> held_;
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
