// Resident memory over repeated openings of the About dialog: each "About" loads its controls
// afresh and each "OK" discards them, so what stays behind grows with every opening.
//
//   bench_about [--openings N]      (offscreen unless QT_QPA_PLATFORM says otherwise)
//
// The window is shown; each round clicks "About", lets the dialog paint, clicks "OK" and lets
// the discarded controls go. It prints the resident memory after a first round of warm-up
// openings, then at every tenth of the run, and the growth from the first figure to the last.

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <unistd.h>

#include <QApplication>
#include <QLoggingCategory>
#include <QPushButton>
#include <QTest>

#include "about/Dialog.h"
#include "app/Application.h"
#include "app/frmRound.h"
#include "support/RecordingSeams.h"

namespace {

double ResidentMib()
{
    long pages = 0, resident = 0;
    if (FILE *statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(statm);
    }
    return double(resident) * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

Dialog *TheDialog()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *dialog = qobject_cast<Dialog *>(w))
            return dialog;
    return nullptr;
}

// One opening as the user makes it: "About", the dialog painted, "OK".
bool OpenAndClose(frmRound &window)
{
    QTest::mouseClick(window.cmdAbout, Qt::LeftButton);
    Dialog *dialog = TheDialog();
    if (!dialog || !QTest::qWaitForWindowExposed(dialog))
        return false;
    dialog->repaint();
    QApplication::processEvents();
    QTest::mouseClick(dialog->OKButton, Qt::LeftButton);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
    return !dialog->isVisible();
}

} // namespace

int main(int argc, char **argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    int openings = 300;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--openings") == 0 && i + 1 < argc && std::atoi(argv[i + 1]) >= 10) {
            openings = std::atoi(argv[++i]);
        } else {
            std::fputs("usage: bench_about [--openings N]   (N at least 10)\n", stderr);
            return 2;
        }
    }

    int one = 1;
    QApplication app(one, argv);
    SetUpApplication();
    // The offscreen platform warns at every raise() of the dialog.
    QLoggingCategory::setFilterRules(QStringLiteral("default.warning=false"));
    RecordingSeams seams;
    frmRound window(seams);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        std::fputs("bench_about: the window did not show\n", stderr);
        return 1;
    }

    // The first openings load what any dialog needs once (fonts, pictures, the style's
    // first pixmaps); the growth is counted from after them.
    for (int i = 0; i < 5; ++i)
        if (!OpenAndClose(window))
            return 1;
    const double start = ResidentMib();
    std::printf("About opened and closed %d times (%s); resident memory in MiB\n", openings,
                qgetenv("QT_QPA_PLATFORM").constData());
    std::printf("  %5d  %7.2f\n", 0, start);
    double last = start;
    for (int i = 1; i <= openings; ++i) {
        if (!OpenAndClose(window)) {
            std::fprintf(stderr, "bench_about: opening %d failed\n", i);
            return 1;
        }
        if (i % (openings / 10) == 0) {
            last = ResidentMib();
            std::printf("  %5d  %7.2f\n", i, last);
        }
    }
    std::printf("  growth %.2f MiB, %.1f kB an opening\n", last - start,
                (last - start) * 1024.0 / openings);
    return 0;
}
