// SPDX-License-Identifier: GPL-3.0-or-later
// Letters as the toolkit finds them.
#include "Letters.h"

#include <QString>
#include <QTextBoundaryFinder>

namespace kelvara {

std::size_t cutBetweenLetters(std::string_view text, std::size_t letters) {
    const QString whole = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, whole);
    for (std::size_t count = 0; count < letters; ++count) {
        if (finder.toNextBoundary() < 0) {
            return text.size();
        }
    }
    return static_cast<std::size_t>(whole.left(finder.position()).toUtf8().size());
}

} // namespace kelvara
