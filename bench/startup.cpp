// Time from process start to the first frame of the main window, and the peak memory by
// then, against a bare Qt window of the same size shown the same way.
//
// The driver runs itself as a child, alternating "ostrevan" and "bare", and takes the clock
// just before each spawn; the child takes it again once its first frame is painted, prints
// it with its peak RSS, and leaves at once. Both children run the same code up to the widget.
// --text-floor adds a third side, the bare window with one label, to show what the first
// text alone costs (the font database is only loaded once something draws text).
//
//   bench_startup [--runs N] [--text-floor] [--verbose]
//   bench_startup --child ostrevan|bare|text     (one child, by hand)

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QTimer>
#include <QWidget>

#include "app/Application.h"
#include "app/frmRound.h"
#include "widgets/Design.h"
#include "widgets/Seams.h"

extern char **environ;

namespace {

long long MonotonicNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
}

// Reports once the first paint of the top-level has been handled and the event loop comes
// round again, so that the whole frame (children and flush) is done.
class FirstFrame : public QObject
{
public:
    explicit FirstFrame(QWidget *window) : window_(window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == window_ && event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, this, [this] { Report(); });
        }
        return false;
    }

private:
    void Report()
    {
        const long long now = MonotonicNs();
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        std::printf("%lld %ld %d %d\n", now, usage.ru_maxrss, window_->width(), window_->height());
        std::fflush(stdout);
        // Tear-down is not measured; skip it.
        std::_Exit(0);
    }

    QWidget *window_;
    bool seen_ = false;
};

enum class Side { Ostrevan, Bare, Text };

const char *NameOf(Side side)
{
    switch (side) {
    case Side::Ostrevan: return "ostrevan";
    case Side::Bare: return "bare";
    case Side::Text: return "text";
    }
    return "";
}

// What the program's main builds, or a plain window in its place.
int RunChild(int argc, char **argv, Side side)
{
    QApplication app(argc, argv);
    SetUpApplication();

    DesktopSeams seams;
    std::unique_ptr<QWidget> window;
    if (side == Side::Ostrevan) {
        window = std::make_unique<frmRound>(seams);
    } else {
        window = std::make_unique<QWidget>();
        // The main window's fixed size; the driver checks that the children agree.
        window->setFixedSize(design::Px(5865), design::Px(5925));
        if (side == Side::Text)
            new QLabel(QStringLiteral("Biblical units of measure"), window.get());
    }
    FirstFrame watch(window.get());
    // A window that never paints would leave the driver waiting.
    QTimer::singleShot(10000, [] {
        std::fputs("bench_startup: no frame within 10 s\n", stderr);
        std::_Exit(3);
    });
    window->show();
    return app.exec();
}

struct Sample
{
    double ms = 0;
    double mib = 0;
    int width = 0;
    int height = 0;
};

bool RunOnce(const std::string &self, Side side, bool verbose, Sample &out)
{
    const char *mode = NameOf(side);
    int fds[2];
    if (pipe(fds) != 0) {
        std::perror("pipe");
        return false;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    posix_spawn_file_actions_addclose(&actions, fds[1]);
    if (!verbose)
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);

    std::string arg0 = self, arg1 = "--child", arg2 = mode;
    char *args[] = {arg0.data(), arg1.data(), arg2.data(), nullptr};
    pid_t pid = 0;
    const long long start = MonotonicNs();
    const int spawned = posix_spawn(&pid, self.c_str(), &actions, nullptr, args, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (spawned != 0) {
        std::fprintf(stderr, "bench_startup: cannot start a child: %s\n", std::strerror(spawned));
        close(fds[0]);
        return false;
    }

    std::string text;
    char buffer[256];
    ssize_t n = 0;
    while ((n = read(fds[0], buffer, sizeof buffer)) > 0 || (n < 0 && errno == EINTR))
        if (n > 0)
            text.append(buffer, static_cast<size_t>(n));
    close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);

    long long end = 0;
    long rssKib = 0;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 ||
        std::sscanf(text.c_str(), "%lld %ld %d %d", &end, &rssKib, &out.width, &out.height) != 4) {
        std::fprintf(stderr, "bench_startup: the %s child gave no frame (status %d); "
                             "run '%s --child %s' to see why\n",
                     mode, status, self.c_str(), mode);
        return false;
    }
    out.ms = static_cast<double>(end - start) / 1e6;
    out.mib = static_cast<double>(rssKib) / 1024.0;
    return true;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

int Usage()
{
    std::fputs("usage: bench_startup [--runs N] [--text-floor] [--verbose]\n"
               "       bench_startup --child ostrevan|bare|text\n",
               stderr);
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    // Both the driver and its children run headless unless told otherwise.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);

    if (argc == 3 && std::strcmp(argv[1], "--child") == 0) {
        for (const Side side : {Side::Ostrevan, Side::Bare, Side::Text})
            if (std::strcmp(argv[2], NameOf(side)) == 0)
                return RunChild(1, argv, side);
        return Usage();
    }

    int runs = 30;
    bool verbose = false;
    std::vector<Side> sides = {Side::Ostrevan, Side::Bare};
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc)
            runs = std::atoi(argv[++i]);
        else if (std::strcmp(argv[i], "--text-floor") == 0)
            sides.push_back(Side::Text);
        else if (std::strcmp(argv[i], "--verbose") == 0)
            verbose = true;
        else
            return Usage();
    }
    if (runs < 1)
        return Usage();

    char path[4096];
    const ssize_t len = readlink("/proc/self/exe", path, sizeof path - 1);
    if (len <= 0) {
        std::perror("readlink /proc/self/exe");
        return 1;
    }
    const std::string self(path, static_cast<size_t>(len));

    // One round first, not counted, so that no side pays for a cold file cache.
    Sample warm;
    for (const Side side : sides)
        if (!RunOnce(self, side, verbose, warm))
            return 1;

    std::vector<std::vector<double>> ms(sides.size()), mib(sides.size());
    for (int i = 0; i < runs; ++i) {
        // Rotate which side goes first, so that none always follows another.
        for (size_t k = 0; k < sides.size(); ++k) {
            const size_t at = (k + static_cast<size_t>(i)) % sides.size();
            Sample s;
            if (!RunOnce(self, sides[at], verbose, s))
                return 1;
            if (s.width != warm.width || s.height != warm.height) {
                std::fprintf(stderr, "bench_startup: the %s window is %dx%d, another %dx%d\n",
                             NameOf(sides[at]), s.width, s.height, warm.width, warm.height);
                return 1;
            }
            ms[at].push_back(s.ms);
            mib[at].push_back(s.mib);
        }
    }

    std::vector<double> msMedian, mibMedian;
    for (size_t k = 0; k < sides.size(); ++k) {
        msMedian.push_back(Median(ms[k]));
        mibMedian.push_back(Median(mib[k]));
    }
    std::printf("Start-up to first frame (%s), medians of %d interleaved runs each\n",
                qgetenv("QT_QPA_PLATFORM").constData(), runs);
    for (size_t k = 1; k < sides.size(); ++k)
        std::printf("  ratio ostrevan/%-5s  start-up %.2fx   peak RSS %.2fx\n", NameOf(sides[k]),
                    msMedian[0] / msMedian[k], mibMedian[0] / mibMedian[k]);
    std::printf("  %-10s %9s %9s\n", "", "ms", "MiB");
    for (size_t k = 0; k < sides.size(); ++k)
        std::printf("  %-10s %9.2f %9.2f\n", NameOf(sides[k]), msMedian[k], mibMedian[k]);
    return 0;
}
