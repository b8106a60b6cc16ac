// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

#include <utility>

namespace rakamlik::testing {

// A board described as "name=value" lines, against what a test expects of it, "name=value|...":
// the board's lines of the names the test gives, and the test's, a line each, so that a QCOMPARE of
// the two shows every line that differs at once.
inline std::pair<QString, QString> namedLines(const QStringList& board, const QString& expected) {
    const QStringList lines = expected.split(u'|');
    QStringList named;
    for (const QString& line : lines) {
        const QString name = line.section(u'=', 0, 0) + u'=';
        for (const QString& shown : board) {
            named << (shown.startsWith(name) ? QStringList{shown} : QStringList{});
        }
    }
    return {named.join(u'\n'), lines.join(u'\n')};
}

} // namespace rakamlik::testing
