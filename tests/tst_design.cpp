// SPDX-License-Identifier: GPL-3.0-or-later
// The design table's checks: the window is built only from a table whose every role has its
// controls, each control in a panel made before it; any other table is refused, naming the
// control at fault.

#include "app/design.h"

#include <QTest>

#include <algorithm>
#include <functional>
#include <vector>

using namespace rakamlik;
using design::Control;
using design::Role;

namespace {

using Fault = std::function<void(std::vector<Control>& table)>;

// Changes the table's control of `role` at `index` (and `column`) by `change`.
Fault changed(Role role, int index, int column, const std::function<void(Control&)>& change) {
    return [=](std::vector<Control>& table) {
        change(*std::ranges::find_if(table, [&](const Control& c) {
            return c.role == role && c.index == index && c.column == column;
        }));
    };
}

} // namespace

Q_DECLARE_METATYPE(Fault)

class TstDesign : public QObject {
    Q_OBJECT

private slots:
    void theWindowsTableIsValid() {
        QCOMPARE(design::validate(design::controls()), std::vector<std::string>());
        QCOMPARE(design::controls().size(), std::size_t{94});
    }

    void faultsAreNamed_data() {
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<QStringList>("found");
        QTest::newRow("a place taken twice")
            << changed(Role::Keypad, 6, 0, [](Control& c) { c.index = 5; })
            << QStringList{"keypad5 is there twice", "no control is keypad6"};
        QTest::newRow("beyond a role's places")
            << changed(Role::Memo, 9, 0, [](Control& c) { c.index = 10; })
            << QStringList{"memo10 lies beyond its role's places", "no control is memo9"};
        QTest::newRow("beyond a row's columns")
            << changed(Role::LedgerCell, 3, 2, [](Control& c) { c.column = 4; })
            << QStringList{"ledgerCell(3,4) lies beyond its role's places",
                           "no control is ledgerCell(3,2)"};
        QTest::newRow("in a panel made after it")
            << changed(Role::Reveal, 0, 0, [](Control& c) { c.parent = Role::GuessPanel; })
            << QStringList{"reveal lies in guessPanel, which is no panel made before it"};
        QTest::newRow("in no panel")
            << changed(Role::Guess, 2, 0, [](Control& c) { c.parent = Role::Message; })
            << QStringList{"guess2 lies in message, which is no panel made before it"};
        QTest::newRow("the window's role")
            << changed(Role::Backdrop, 0, 0, [](Control& c) { c.role = Role::Window; })
            << QStringList{"a control takes the window's role", "no control is backdrop"};
        QTest::newRow("missing") << Fault([](std::vector<Control>& table) { table.pop_back(); })
                                 << QStringList{"no control is ledgerCell(0,0)"};
    }
    void faultsAreNamed() {
        QFETCH(Fault, fault);
        QFETCH(QStringList, found);
        std::vector<Control> table(design::controls().begin(), design::controls().end());
        fault(table);
        QStringList faults;
        for (const std::string& line : design::validate(table)) {
            faults.append(QString::fromStdString(line));
        }
        QCOMPARE(faults, found);
    }
};

QTEST_APPLESS_MAIN(TstDesign)
#include "tst_design.moc"
