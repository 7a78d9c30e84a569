// The real window as it opens: its widgets, texts, colours, focus and input.
#include "GuiWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace kelvara::test {

class WindowTest : public QObject {
    Q_OBJECT

  private slots:
    void every_control_has_its_widget_by_name() {
        GuiWindow w;
        for (const Control* control : w.form().controls()) {
            QVERIFY2(w.view().widgetOf(*control) != nullptr, control->name().c_str());
        }
        QVERIFY(w.find("imgScreen") != nullptr);
        QVERIFY(w.find("Line1_10") != nullptr);
        QCOMPARE(w.find("lblNr_0")->parentWidget(), w.find("imgScreen"));
        QCOMPARE(w.find("cmdCancel")->parentWidget(), w.find("frmOptions"));
    }

    void texts_are_as_the_window_describes_them() {
        GuiWindow w;
        QCOMPARE(w.window()->windowTitle(), QStringLiteral("Kelvara 2000 by Orvandel"));
        QCOMPARE(w.find<QGroupBox>("frmOptions")->title(), QStringLiteral("Würfeln mit 2 Würfeln"));
        QCOMPARE(w.find<QPushButton>("cmdOptions")->text(), QStringLiteral("Würfeln"));
        QCOMPARE(w.find<QPushButton>("cmdCancel")->text(), QStringLiteral("CLS"));
        QCOMPARE(w.find<QLineEdit>("txtAnz")->text(), QStringLiteral("5000"));
        QVERIFY(!w.window()->windowIcon().isNull());
    }

    void window_opens_at_10000_by_8000_twips() {
        GuiWindow w;
        QCOMPARE(w.window()->size(), w.innerPixels(10000, 8000));
        QCOMPARE(w.form().width(), 10000.0F);
        QVERIFY(!w.find("lblAnzahl_3")->isVisible());
        QVERIFY(w.find("lblNr_3")->isVisible());
    }

    void tab_cycles_through_the_four_focus_stops() {
        GuiWindow w;
        QTRY_COMPARE(QApplication::focusWidget(), w.find("cmdOptions"));
        const char* order[] = {"imgScreen", "txtAnz", "cmdCancel", "cmdOptions"};
        for (const char* name : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(name));
        }
    }

    void enter_in_the_text_box_presses_no_button() {
        GuiWindow w;
        auto* box = w.find<QLineEdit>("txtAnz");
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Return);
        QTest::keyClick(box, Qt::Key_Enter);
        QCOMPARE(w.frmMain.Tally().total(), 0);
        QVERIFY(!w.find("lblAnzahl_0")->isVisible());
    }

    void typing_lets_only_digits_and_backspace_through() {
        GuiWindow w;
        auto* box = w.find<QLineEdit>("txtAnz");
        box->setFocus();
        box->end(false);
        QTest::keyClicks(box, QStringLiteral("a1-b2. 3"));
        QKeyEvent umlaut(QEvent::KeyPress, Qt::Key_Udiaeresis, Qt::NoModifier, QStringLiteral("ü"));
        QApplication::sendEvent(box, &umlaut);
        QCOMPARE(box->text(), QStringLiteral("5000123"));
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClick(box, Qt::Key_Home);
        QTest::keyClick(box, Qt::Key_Delete);
        QCOMPARE(box->text(), QStringLiteral("00012"));
        QCOMPARE(QString::fromStdString(w.form().control("txtAnz").text()), box->text());
    }

    void ctrl_v_is_refused_but_paste_from_the_menu_arrives() {
        GuiWindow w;
        auto* box = w.find<QLineEdit>("txtAnz");
        QApplication::clipboard()->setText(QStringLiteral("abc"));
        box->setFocus();
        box->end(false);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box->text(), QStringLiteral("5000"));
        box->paste(); // what the context menu does
        QCOMPARE(box->text(), QStringLiteral("5000abc"));
        QCOMPARE(w.form().control("txtAnz").text(), std::string("5000abc"));
    }

    void screen_area_is_black_and_sum_labels_yellow() {
        GuiWindow w;
        const QImage image = w.window()->grab().toImage();
        const QRect screen = w.find("imgScreen")->geometry();
        QCOMPARE(image.pixelColor(screen.center()), QColor(0, 0, 0));
        const QWidget* label = w.find("lblNr_5");
        const QRect body(label->mapTo(w.window(), QPoint(0, 0)), label->size());
        int yellow = 0;
        for (int y = body.top(); y <= body.bottom(); ++y) {
            for (int x = body.left(); x <= body.right(); ++x) {
                yellow += image.pixelColor(x, y) == QColor(255, 255, 0) ? 1 : 0;
            }
        }
        QVERIFY2(yellow > 10, qPrintable(QString::number(yellow)));
    }

    void focused_screen_area_stays_black_inside_its_outline() {
        GuiWindow w;
        QWidget* screen = w.find("imgScreen");
        screen->setFocus();
        QTRY_VERIFY(screen->hasFocus());
        const QImage image = screen->grab().toImage();
        QCOMPARE(image.pixelColor(image.rect().center()), QColor(0, 0, 0));
        QCOMPARE(image.pixelColor(10, 10), QColor(0, 0, 0));
        int outlined = 0;
        for (int x = 1; x < image.width() - 1; ++x) {
            outlined += image.pixelColor(x, 1) != QColor(0, 0, 0) ? 1 : 0;
        }
        QVERIFY2(outlined > image.width() / 4, qPrintable(QString::number(outlined)));
    }
};

} // namespace kelvara::test

QTEST_MAIN(kelvara::test::WindowTest)
#include "WindowTest.moc"
