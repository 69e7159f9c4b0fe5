// talkwarden-keystroke-bench TABLE.tlk [KEYSTROKES]: types into the real window's text box at
// entry 0 and prints the median time from the key event to the store holding the new text.
#include "BenchWindow.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

const QString Typed = "the quick brown fox jumps over the lazy dog ";

// One typed character; the seconds from sending its key press to the press returning, by which
// time the text box's change handler has stored the text.
double typeOne(QWidget* textBox, QChar c)
{
    const int key = c == ' ' ? Qt::Key_Space : Qt::Key_A + (c.unicode() - 'a');
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
    const auto start = std::chrono::steady_clock::now();
    QApplication::sendEvent(textBox, &press);
    const auto stored = std::chrono::steady_clock::now();
    QApplication::sendEvent(textBox, &release);
    return std::chrono::duration<double>(stored - start).count();
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: talkwarden-keystroke-bench TABLE.tlk [KEYSTROKES]\n");
        return 2;
    }
    const int keystrokes = argc == 3 ? std::max(1, std::atoi(argv[2])) : 400;
    tw::bench::BenchWindow bench(argv[1]);
    tw::TForm1& window = bench.window();
    window.show();
    if (!bench.cameUpQuietly() || !QTest::qWaitForWindowExposed(&window) || window.state().table.EntryCount() == 0) {
        std::fprintf(stderr, "talkwarden-keystroke-bench: the window did not come up with the table\n");
        return 1;
    }
    QPlainTextEdit* textBox = window.controls().Memo1;
    textBox->setFocus();
    textBox->moveCursor(QTextCursor::End);
    QApplication::processEvents();

    const tw::TalkTable& table = window.state().table;
    std::vector<double> seconds;
    for (int k = 0; k < keystrokes; ++k) {
        const std::uint32_t before = table.entry(0).textLength();
        seconds.push_back(typeOne(textBox, Typed[k % Typed.size()]));
        if (table.entry(0).textLength() != before + 1) {
            std::fprintf(stderr, "talkwarden-keystroke-bench: keystroke %d did not reach entry 0\n", k);
            return 1;
        }
        // What the event loop does between two real keystrokes: layout and painting.
        QApplication::processEvents();
    }
    std::printf("keystroke_median_ms %.3f ms\n", median(seconds) * 1e3);
    std::printf("keystroke_count %d keystrokes\n", keystrokes);
    return 0;
}
