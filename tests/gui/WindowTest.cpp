// SPDX-License-Identifier: GPL-3.0-or-later
// The real widgets under Qt's offscreen platform: what only Qt shows.
#include "GuiWindow.h"

#include "GuiSession.h"
#include "Letters.h"

#include <QAccessible>
#include <QAccessibleEditableTextInterface>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

namespace kelvara::test {

namespace {

// Green pixels in one column of the image, from a baseline upwards.
int greenRun(const QImage& image, int x, int baselineY) {
    int run = 0;
    while (baselineY - 1 - run >= 0 &&
           image.pixelColor(x, baselineY - 1 - run) == QColor(0, 192, 0)) {
        ++run;
    }
    return run;
}

QAccessibleInterface* accessibleOf(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

} // namespace

class WindowTest : public QObject {
    Q_OBJECT

  private slots:
    void opens_at_10000_by_8000_twips_with_focus_on_wuerfeln() {
        GuiWindow w;
        QCOMPARE(w.window()->size(), QSize(663, 529)); // 667 by 533, less the offscreen frame
        QTRY_COMPARE(QApplication::focusWidget(), w.find(QStringLiteral("cmdOptions")));
    }

    void typed_keys_pass_the_filter_and_enter_presses_nothing() {
        GuiWindow w;
        auto* box = w.find<QLineEdit>(QStringLiteral("txtAnz"));
        box->setFocus();
        box->end(false);
        QApplication::clipboard()->setText(QStringLiteral("9"));
        QTest::keyClicks(box, QStringLiteral("a1-b2. 3"));
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier); // Ctrl+V types code 22: refused
        QTest::keyClick(box, Qt::Key_Home);
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(box->text(), QStringLiteral("000123"));
        QCOMPARE(w.form().control("txtAnz").text(), std::string("000123"));
        QCOMPARE(w.frmMain.Tally().total(), 0);
    }

    void painted_bars_are_as_tall_as_their_counts() {
        GuiWindow w;
        w.random = RandomSource::playing(everyThrowInTurn());
        w.find<QLineEdit>(QStringLiteral("txtAnz"))->setText(QStringLiteral("18000"));
        QTest::mouseClick(w.find(QStringLiteral("cmdOptions")), Qt::LeftButton);
        const QImage image = w.window()->grab().toImage();
        const int counts[] = {500, 1000, 1500, 2000, 2500, 3000, 2500, 2000, 1500, 1000, 500};
        for (int i = 0; i <= 10; ++i) {
            const QWidget* bar = w.find(QStringLiteral("Line1_%1").arg(i));
            const QPoint foot = bar->mapTo(w.window(), bar->rect().bottomLeft());
            // 15 twips a pixel at 96 dpi: within a pixel of its count.
            QVERIFY(std::abs(greenRun(image, foot.x() + 2, foot.y() + 1) * 15 - counts[i]) < 15);
            QVERIFY(w.find(QStringLiteral("lblAnzahl_%1").arg(i))->isVisible());
        }
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
        QVERIFY(w.errors.empty());
    }

    void smallest_window_is_the_descriptions_rounded_up_and_menus_speak_german() {
        GuiWindow w;
        w.window()->resize(300, 100);
        QTRY_COMPARE(w.window()->size(), QSize(434, 230)); // 6501 by 3450 twips
        const std::unique_ptr<QMenu> menu(
            w.find<QLineEdit>(QStringLiteral("txtAnz"))->createStandardContextMenu());
        QCOMPARE(
            menu->actions().at(5)->text().remove(QLatin1Char('&')).section(QLatin1Char('\t'), 0, 0),
            QStringLiteral("Einfügen"));
    }

    void screen_area_clips_a_tall_bar_inside_its_border_and_shows_its_focus() {
        GuiWindow w;
        QWidget* screen = w.find(QStringLiteral("imgScreen"));
        w.form().array("Line1")(5).setHeight(20000); // taller than the screen area
        w.form().userResize(9000, 7000);
        screen->setFocus();
        QTRY_VERIFY(screen->hasFocus());
        const QImage image = screen->grab().toImage();
        const int barX = w.find(QStringLiteral("Line1_5"))->geometry().center().x() + 1;
        QCOMPARE(image.pixel(barX, 0), screen->palette().color(QPalette::Mid).rgb());
        QCOMPARE(image.pixelColor(barX, 2), QColor(0, 192, 0));
        // The focus as a dotted outline just inside the border, the rest still black.
        QCOMPARE(image.pixel(50, 1), screen->palette().color(QPalette::Highlight).rgb());
        QCOMPARE(image.pixelColor(50, 2), QColor(0, 0, 0));
    }

    void quoted_text_is_cut_between_whole_letters() {
        // Whole letters: plain, with a combining accent, a flag (two regional
        // indicators), a Hangul syllable (three jamo).
        for (const char* letter : {"x", "e\u0301", "\U0001F1E9\U0001F1EA", "\u1112\u1161\u11AB"}) {
            const QString one = QString::fromUtf8(letter);
            const std::string thirty = one.repeated(30).toStdString();
            QCOMPARE(cutBetweenLetters(thirty, 24),
                     static_cast<std::size_t>(one.repeated(24).toUtf8().size()));
        }
    }

    void every_accessible_child_names_the_parent_that_lists_it() {
        GuiWindow w;
        std::vector<QAccessibleInterface*> open{accessibleOf(w.window())};
        int seen = 0;
        for (; !open.empty(); open.pop_back()) {
            QAccessibleInterface* parent = open.back();
            for (int i = 0; i < parent->childCount(); ++i, ++seen) {
                QCOMPARE(parent->child(i)->parent()->object(), parent->object());
                QCOMPARE(parent->indexOfChild(parent->child(i)), i);
                open.insert(open.begin(), parent->child(i));
            }
        }
        QCOMPARE(seen, 39); // chart and frame; the frame's 4 controls; 11 items and 22 labels
    }

    void text_box_reads_in_the_pieces_a_screen_reader_asks_for() {
        GuiWindow w;
        auto* box = w.find<QLineEdit>(QStringLiteral("txtAnz"));
        box->setText(QStringLiteral("5000 Würfe. Noch 12,5!"));
        box->setCursorPosition(7);
        QAccessibleTextInterface* text = accessibleOf(box)->textInterface();
        // A word runs to the next word's start; at the end the caret is on the last word.
        const struct {
            const char* name;
            QAccessible::TextBoundaryType boundary;
            int offset; // -1 the end, -2 the caret
            int step;   // -1 before, 0 at, 1 after
            const char* piece;
            int start;
            int end;
        } rows[] = {
            {"word at 0", QAccessible::WordBoundary, 0, 0, "5000 ", 0, 5},
            {"word at the caret", QAccessible::WordBoundary, -2, 0, "Würfe. ", 5, 12},
            {"word before 7", QAccessible::WordBoundary, 7, -1, "5000 ", 0, 5},
            {"word after 7", QAccessible::WordBoundary, 7, 1, "Noch ", 12, 17},
            {"word at the end", QAccessible::WordBoundary, -1, 0, "12,5!", 17, 22},
            {"sentence at 3", QAccessible::SentenceBoundary, 3, 0, "5000 Würfe. ", 0, 12},
            {"sentence at the end", QAccessible::SentenceBoundary, 22, 0, "Noch 12,5!", 12, 22},
            {"character at the caret", QAccessible::CharBoundary, -2, 0, "r", 7, 8},
        };
        for (const auto& row : rows) {
            int start = -9;
            int end = -9;
            const QString piece =
                row.step < 0   ? text->textBeforeOffset(row.offset, row.boundary, &start, &end)
                : row.step > 0 ? text->textAfterOffset(row.offset, row.boundary, &start, &end)
                               : text->textAtOffset(row.offset, row.boundary, &start, &end);
            QVERIFY2(piece == QString::fromUtf8(row.piece) && start == row.start && end == row.end,
                     qPrintable(QStringLiteral("%1: %2 (%3-%4)")
                                    .arg(QLatin1String(row.name), piece)
                                    .arg(start)
                                    .arg(end)));
        }
    }

    void text_box_edits_and_selects_at_the_offsets_a_screen_reader_gives() {
        GuiWindow w;
        auto* box = w.find<QLineEdit>(QStringLiteral("txtAnz"));
        box->setText(QStringLiteral("5000"));
        accessibleOf(box)->editableTextInterface()->insertText(2, QStringLiteral("7"));
        accessibleOf(box)->editableTextInterface()->deleteText(0, 1);
        accessibleOf(box)->textInterface()->setSelection(0, 1, 3);
        QCOMPARE(box->selectedText(), QStringLiteral("70"));
        // -1 for the end and -2 for the caret, which Qt's own takes as they stand.
        QAccessibleEditableTextInterface* edit = accessibleOf(box)->editableTextInterface();
        box->setCursorPosition(1);
        edit->insertText(-2, QStringLiteral("1"));
        edit->insertText(-1, QStringLiteral("9"));
        QCOMPARE(box->text(), QStringLiteral("017009"));
        box->setCursorPosition(2);
        edit->replaceText(-2, -1, QString());
        QCOMPARE(w.form().control("txtAnz").text(), std::string("01"));
    }
};

} // namespace kelvara::test

int main(int argc, char* argv[]) {
    const auto app = kelvara::openGuiSession(
        argc, argv, {"Kelvara", "de.kelvara.Kelvara", "1.00", "WindowTest"});
    kelvara::test::WindowTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "WindowTest.moc"
