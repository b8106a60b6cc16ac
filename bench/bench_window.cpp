// Timing goals live here, not in the tests: how long the window takes to
// come up, and how long one guess takes from click to rating.
//   build/bench/bench_window            (QT_QPA_PLATFORM=offscreen for no display)
#include "app/application.h"
#include "app/form1.h"
#include "game/random_source.h"

#include <QTest>

#include <memory>

using namespace rakamlik;

class BenchWindow : public QObject {
    Q_OBJECT

private slots:
    // From nothing to a shown window with every control and picture.
    void startUp() {
        QBENCHMARK {
            Form1 window(std::make_unique<StandardRandom>(), [] {});
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
        }
    }

    // One complete guess: four digits, the dial, the ledger's scroll, the score.
    void oneGuess() {
        Form1 window(std::make_unique<StandardRandom>(), [] {});
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::mouseClick(window.command(11), Qt::LeftButton);
        QBENCHMARK {
            for (int n : {1, 2, 3, 4}) {
                QTest::mouseClick(window.command(n), Qt::LeftButton);
            }
            if (!window.command(1)->isEnabled()) { // won: start again
                QTest::mouseClick(window.command(11), Qt::LeftButton);
            }
        }
    }
};

int main(int argc, char* argv[]) {
    Application app(argc, argv);
    BenchWindow bench;
    return QTest::qExec(&bench, argc, argv);
}

#include "bench_window.moc"
