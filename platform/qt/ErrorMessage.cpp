// SPDX-License-Identifier: GPL-3.0-or-later
// The German text of a run-time error.
#include "ErrorMessage.h"

#include <QTextBoundaryFinder>

namespace kelvara {

namespace {

QString quoted(const QString& text) {
    constexpr int longest = 24;
    QTextBoundaryFinder letters(QTextBoundaryFinder::Grapheme, text);
    qsizetype cut = text.size();
    for (int count = 0; count < longest && letters.toNextBoundary() >= 0;) {
        ++count;
        if (count == longest) {
            cut = letters.position();
        }
    }
    QString shown = text.left(cut);
    if (cut < text.size()) {
        shown += QStringLiteral("…");
    }
    return QStringLiteral("„") + shown + QStringLiteral("“");
}

} // namespace

QString errorMessage(const RuntimeError& error) {
    QString detail = QString::fromStdString(error.detail());
    detail.replace(QStringLiteral("%1"), quoted(QString::fromStdString(error.subject())));
    QString message =
        QStringLiteral("Laufzeitfehler – ") + QString::fromUtf8(RuntimeError::nameOf(error.kind()));
    if (!detail.isEmpty()) {
        message += QStringLiteral(": ") + detail;
    }
    return message;
}

} // namespace kelvara
