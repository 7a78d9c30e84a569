// SPDX-License-Identifier: GPL-3.0-or-later
// The real widgets under Qt's offscreen platform: what only Qt shows.
#include "GuiWindow.h"

#include "ErrorMessage.h"
#include "GuiSession.h"

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

QAccessibleTextInterface* textOf(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget)->textInterface();
}

} // namespace

class WindowTest : public QObject {
    Q_OBJECT

  private slots:
    void opens_at_10000_by_8000_twips_with_focus_on_wuerfeln() {
        GuiWindow w;
        QCOMPARE(w.window()->size(), w.innerPixels(10000, 8000));
        QTRY_COMPARE(QApplication::focusWidget(), w.find(QStringLiteral("cmdOptions")));
        for (const char* name : {"imgScreen", "txtAnz", "cmdCancel", "cmdOptions"}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(name));
        }
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
        w.random.setValues(SequenceRandom::everyThrowInTurn());
        w.find<QLineEdit>(QStringLiteral("txtAnz"))->setText(QStringLiteral("18000"));
        QTest::mouseClick(w.find(QStringLiteral("cmdOptions")), Qt::LeftButton);
        const QImage image = w.window()->grab().toImage();
        for (int i = 0; i <= 10; ++i) {
            const QRect bar(w.find("Line1", i)->mapTo(w.window(), QPoint(0, 0)),
                            w.find("Line1", i)->size());
            const Control& model = w.form().array("Line1")(i);
            const int expected =
                w.view().scale().toPixelSpan(15 + model.top(), model.height()).length;
            QCOMPARE(greenRun(image, bar.center().x(), bar.bottom() + 1), expected);
            QVERIFY(w.find("lblAnzahl", i)->isVisible());
        }
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
        QVERIFY(w.errors.empty());
    }

    void five_digit_counts_spread_over_the_gaps_beside_them() {
        GuiWindow w;
        w.random.setValues({SequenceRandom::face(1), SequenceRandom::face(1), SequenceRandom::face(6),
                            SequenceRandom::face(6)}); // 30000 twos and 30000 twelves
        w.find<QLineEdit>(QStringLiteral("txtAnz"))->setText(QStringLiteral("60000"));
        QTest::mouseClick(w.find(QStringLiteral("cmdOptions")), Qt::LeftButton);
        QVERIFY(w.find("lblAnzahl", 0)->width() > w.find("Line1", 0)->width());
        QVERIFY(w.find("lblAnzahl", 0)->geometry().right() <
                w.find("lblAnzahl", 1)->geometry().left());
    }

    void smallest_window_shows_every_bar() {
        GuiWindow w;
        w.window()->resize(300, 100);
        QTRY_COMPARE(w.window()->size(), QSize(434, 230)); // 6501 by 3450 twips, rounded up
        const QRect screen = w.find(QStringLiteral("imgScreen"))->geometry();
        QCOMPARE(screen, QRect(0, 0, 434, 130));
        for (const char* name : {"Line1", "lblNr", "lblAnzahl"}) {
            QVERIFY2(screen.contains(w.find(name, 10)->geometry().translated(1, 1)), name);
        }
        w.window()->resize(800, 600);
        QTRY_COMPARE(w.find(QStringLiteral("imgScreen"))->geometry(), QRect(0, 0, 800, 500));
        QVERIFY(w.errors.empty());
    }

    void toolkit_menus_speak_german() {
        GuiWindow w;
        const std::unique_ptr<QMenu> menu(
            w.find<QLineEdit>(QStringLiteral("txtAnz"))->createStandardContextMenu());
        QString texts;
        for (const QAction* action : menu->actions()) {
            texts += action->text().remove(QLatin1Char('&')) + QLatin1Char(' ');
        }
        QVERIFY2(texts.contains(QStringLiteral("Einfügen")), qPrintable(texts));
    }

    void error_messages_quote_what_was_typed_by_whole_letters() {
        const std::pair<QString, QString> quotes[] = {
            {QStringLiteral("Größe"), QStringLiteral("„Größe“")},
            {QStringLiteral("<b>7</b>"), QStringLiteral("„<b>7</b>“")},
            {QString(30, QLatin1Char('x')), QStringLiteral("„xxxxxxxxxxxxxxxxxxxxxxxx…“")},
            // 30 letters of an e and a combining acute, of two regional
            // indicators (a flag), of a Hangul syllable in three jamo.
            {QStringLiteral("e\u0301").repeated(30),
             QStringLiteral("e\u0301").repeated(24).prepend(QStringLiteral("„")) + QStringLiteral("…“")},
            {QStringLiteral("\U0001F1E9\U0001F1EA").repeated(30),
             QStringLiteral("\U0001F1E9\U0001F1EA").repeated(24).prepend(QStringLiteral("„")) + QStringLiteral("…“")},
            {QStringLiteral("\u1112\u1161\u11AB").repeated(30),
             QStringLiteral("\u1112\u1161\u11AB").repeated(24).prepend(QStringLiteral("„")) + QStringLiteral("…“")},
        };
        for (const auto& [typed, quote] : quotes) {
            const TypeMismatchError error("%1 ist keine Zahl.", typed.toStdString());
            QCOMPARE(errorMessage(error),
                     QStringLiteral("Laufzeitfehler – Typen unverträglich: ") + quote +
                         QStringLiteral(" ist keine Zahl."));
        }
    }

    void every_accessible_child_names_the_parent_that_lists_it() {
        GuiWindow w;
        std::vector<QAccessibleInterface*> open{QAccessible::queryAccessibleInterface(w.window())};
        int seen = 0;
        while (!open.empty()) {
            QAccessibleInterface* parent = open.back();
            open.pop_back();
            for (int i = 0; i < parent->childCount(); ++i) {
                QAccessibleInterface* child = parent->child(i);
                QCOMPARE(child->parent()->object(), parent->object());
                QCOMPARE(parent->indexOfChild(child), i);
                open.push_back(child);
                ++seen;
            }
        }
        QCOMPARE(seen, 39); // chart and frame; the frame's 4 controls; the 11 items and 22 labels
        QAccessibleInterface* chart = QAccessible::queryAccessibleInterface(w.find(QStringLiteral("imgScreen")));
        QCOMPARE(chart->role(), QAccessible::Chart);
        QCOMPARE(chart->child(3)->text(QAccessible::Name), QStringLiteral("Summe 5: 0"));
    }

    void text_box_reads_in_pieces_data() {
        QTest::addColumn<int>("boundary");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("step"); // -1 before, 0 at, 1 after
        QTest::addColumn<QString>("piece");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("end");
        // "5000 Würfe. Noch 12,5!", the caret at 7: a word runs to the next
        // word's start; at the end of the text the caret is on the last word.
        const int word = QAccessible::WordBoundary;
        const int sentence = QAccessible::SentenceBoundary;
        const int character = QAccessible::CharBoundary;
        QTest::newRow("word at 0") << word << 0 << 0 << "5000 " << 0 << 5;
        QTest::newRow("word at caret") << word << -2 << 0 << "Würfe. " << 5 << 12;
        QTest::newRow("word before 7") << word << 7 << -1 << "5000 " << 0 << 5;
        QTest::newRow("word after 7") << word << 7 << 1 << "Noch " << 12 << 17;
        QTest::newRow("word at end") << word << -1 << 0 << "12,5!" << 17 << 22;
        QTest::newRow("word after end") << word << 22 << 1 << "" << 22 << 22;
        QTest::newRow("word before 0") << word << 0 << -1 << "" << 0 << 0;
        QTest::newRow("sentence at 3") << sentence << 3 << 0 << "5000 Würfe. " << 0 << 12;
        QTest::newRow("sentence at end") << sentence << 22 << 0 << "Noch 12,5!" << 12 << 22;
        QTest::newRow("character at caret") << character << -2 << 0 << "r" << 7 << 8;
        QTest::newRow("character at end") << character << -1 << 0 << "" << 22 << 22;
        QTest::newRow("line after 3") << int(QAccessible::LineBoundary) << 3 << 1 << "" << 22 << 22;
    }

    void text_box_reads_in_pieces() {
        QFETCH(int, boundary);
        QFETCH(int, offset);
        QFETCH(int, step);
        QFETCH(QString, piece);
        QFETCH(int, start);
        QFETCH(int, end);
        GuiWindow w;
        auto* box = w.find<QLineEdit>(QStringLiteral("txtAnz"));
        box->setText(QStringLiteral("5000 Würfe. Noch 12,5!"));
        box->setCursorPosition(7);
        QAccessibleTextInterface* text = textOf(box);
        const auto type = static_cast<QAccessible::TextBoundaryType>(boundary);
        int from = -9;
        int to = -9;
        const QString answer = step < 0   ? text->textBeforeOffset(offset, type, &from, &to)
                               : step > 0 ? text->textAfterOffset(offset, type, &from, &to)
                                          : text->textAtOffset(offset, type, &from, &to);
        QCOMPARE(answer, piece);
        QCOMPARE(from, start);
        QCOMPARE(to, end);
    }

    void text_box_edits_and_selects_as_qts_own_line_edit_does() {
        GuiWindow w;
        auto* box = w.find<QLineEdit>(QStringLiteral("txtAnz"));
        QLineEdit plain; // Qt's own accessible, for what it answers right
        for (QLineEdit* each : {box, &plain}) {
            each->setText(QStringLiteral("5000"));
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(each);
            face->editableTextInterface()->insertText(2, QStringLiteral("7"));
            face->editableTextInterface()->deleteText(0, 1);
            face->textInterface()->setSelection(0, 1, 3);
            QCOMPARE(each->selectedText(), QStringLiteral("70"));
        }
        QCOMPARE(box->text(), plain.text());
        // -1 for the end and -2 for the caret, which Qt's own takes as they stand.
        box->setCursorPosition(1);
        QAccessibleEditableTextInterface* edit = QAccessible::queryAccessibleInterface(box)->editableTextInterface();
        edit->insertText(-2, QStringLiteral("1"));
        edit->insertText(-1, QStringLiteral("9"));
        QCOMPARE(box->text(), QStringLiteral("017009"));
        box->setCursorPosition(2);
        textOf(box)->setSelection(0, -2, -1);
        QCOMPARE(box->selectedText(), QStringLiteral("7009"));
        box->deselect();
        box->setCursorPosition(2);
        edit->replaceText(-2, -1, QString());
        QCOMPARE(w.form().control("txtAnz").text(), std::string("01"));
        box->setEchoMode(QLineEdit::Password);
        plain.setEchoMode(QLineEdit::Password);
        for (QLineEdit* each : {box, &plain}) {
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(each);
            QCOMPARE(face->text(QAccessible::Value), QString(each->text().size(), QLatin1Char('*')));
            QVERIFY(face->state().passwordEdit);
        }
    }

    void screen_area_is_black_inside_its_border_and_outline() {
        GuiWindow w;
        QWidget* screen = w.find(QStringLiteral("imgScreen"));
        screen->setFocus();
        QTRY_VERIFY(screen->hasFocus());
        const QImage image = screen->grab().toImage();
        QCOMPARE(image.pixelColor(image.rect().center()), QColor(0, 0, 0));
        QCOMPARE(image.pixel(0, 100), screen->palette().color(QPalette::Mid).rgb());
        // The focus shows as a dotted outline just inside the border.
        QVERIFY(image.pixelColor(50, 1) != QColor(0, 0, 0) ||
                image.pixelColor(51, 1) != QColor(0, 0, 0));
        w.form().array("Line1")(5).setHeight(20000); // taller than the screen area
        w.form().userResize(9000, 7000);
        const QImage tall = screen->grab().toImage();
        const int barX = w.find("Line1", 5)->geometry().center().x() + 1;
        QCOMPARE(tall.pixel(barX, 0), screen->palette().color(QPalette::Mid).rgb());
        QCOMPARE(tall.pixelColor(barX, 1), QColor(0, 192, 0));
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
