// A Qt generic plugin that the start-up tests load into the real program with
// "-plugin ostrevanmessages:<what>". Qt makes it inside QApplication's constructor, while the
// program holds Qt's messages back, and it sends messages of its own from there:
//   warning, critical  one message of that level, in the category ostrevan.test
//   late               from another thread, once the program has passed the held messages
//                      on: a warning that reaches the program's handler late, as one does
//                      that a thread of Qt's began to send just before the handler was put back
//   loader             from another thread, the loader's debug lines (qt.core.library), one
//                      after another until the program turns them off
#include <atomic>
#include <chrono>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include <QGenericPlugin>
#include <QLoggingCategory>
#include <QObject>

namespace {

Q_LOGGING_CATEGORY(lcTest, "ostrevan.test")

constexpr char Loader[] = "qt.core.library";

class Sender : public QObject
{
public:
    explicit Sender(const QString &what)
    {
        if (what == u"warning")
            qCWarning(lcTest, "warning while starting");
        else if (what == u"critical")
            qCCritical(lcTest, "critical while starting");
        else if (what == u"late")
            SendLate();
        else if (what == u"loader")
            SendLoaderLines();
        else
            qCWarning(lcTest, "nothing called \"%s\" to send", qPrintable(what));
    }
    ~Sender() override
    {
        stop_ = true;
        if (thread_.joinable())
            thread_.join();
    }

private:
    // Qt calls a category filter for every category when one is put in place, in no set
    // order. With this many, that takes a while: a program that put its handler back before
    // its filter would show many of the loader's lines sent meanwhile. Several categories
    // of the loader's name, so that the last of them to be turned off comes late in that.
    static constexpr int Categories = 20000;
    static constexpr int LoaderCategories = 64;

    void MakeCategories()
    {
        // Made here, where the program's filter turns the loader's debug lines on. Qt keeps
        // a category's name by its pointer.
        names_.reserve(Categories);
        for (int i = 0; i < Categories; ++i)
            names_.push_back("ostrevan.test.many." + std::to_string(i));
        for (const std::string &name : names_)
            categories_.push_back(std::make_unique<QLoggingCategory>(name.c_str()));
        for (int i = 0; i < LoaderCategories; ++i)
            loader_.push_back(std::make_unique<QLoggingCategory>(Loader));
    }

    // Whether any of the loader's categories shows debug lines still.
    bool LoaderShowsDebug() const
    {
        for (const auto &category : loader_)
            if (category->isDebugEnabled())
                return true;
        return false;
    }

    void SendLoaderLines()
    {
        MakeCategories();
        thread_ = std::thread([this] {
            for (int n = 0; !stop_; ++n) {
                bool sent = false;
                for (const auto &category : loader_) {
                    if (category->isDebugEnabled()) {
                        qCDebug(*category, "loader line %d", n);
                        sent = true;
                    }
                }
                if (!sent)
                    return;
                sending_ = true;
            }
        });
        // Sending already when the application is done.
        while (!sending_)
            std::this_thread::yield();
    }

    void SendLate()
    {
        loader_.push_back(std::make_unique<QLoggingCategory>(Loader));
        // The handler in force now is the program's.
        const QtMessageHandler held = qInstallMessageHandler(nullptr);
        qInstallMessageHandler(held);
        thread_ = std::thread([this, held] {
            const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
            while (LoaderShowsDebug()) {
                if (stop_ || std::chrono::steady_clock::now() > deadline)
                    return;
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
            // The program has turned the loader's lines off; it puts its handler back
            // next. Long after that, a message as if it had been begun before.
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            const QtMessageHandler now = qInstallMessageHandler(held);
            qCWarning(lcTest, "late, from another thread");
            qInstallMessageHandler(now);
        });
    }

    std::atomic<bool> stop_ = false;
    std::atomic<bool> sending_ = false;
    std::thread thread_;
    std::vector<std::string> names_;
    std::vector<std::unique_ptr<QLoggingCategory>> categories_, loader_;
};

class StartMessagesPlugin : public QGenericPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "start-messages.json")

public:
    QObject *create(const QString &, const QString &what) override { return new Sender(what); }
};

} // namespace

#include "StartMessagesPlugin.moc"
