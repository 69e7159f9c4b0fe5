// talkwarden-window-memory TABLE.tlk: builds the real window over the table and prints the
// process's resident size in KiB once the window is up.
#include "BenchWindow.h"

#include <QApplication>
#include <QTest>
#include <cstdio>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: talkwarden-window-memory TABLE.tlk\n");
        return 2;
    }
    tw::bench::BenchWindow bench(argv[1]);
    bench.window().show();
    if (!bench.cameUpQuietly() || !QTest::qWaitForWindowExposed(&bench.window())) {
        std::fprintf(stderr, "talkwarden-window-memory: the window did not come up with the table\n");
        return 1;
    }
    QApplication::processEvents();
    std::printf("%ld\n", tw::bench::residentKilobytes());
    return 0;
}
