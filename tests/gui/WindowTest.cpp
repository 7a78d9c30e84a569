// The real widgets under Qt's offscreen platform: what only Qt shows.
#include "GuiWindow.h"

#include "GuiSession.h"

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
        w.random.setValues({0.0F, 0.0F, 0.99F, 0.99F}); // 30000 twos and 30000 twelves
        w.find<QLineEdit>(QStringLiteral("txtAnz"))->setText(QStringLiteral("60000"));
        QTest::mouseClick(w.find(QStringLiteral("cmdOptions")), Qt::LeftButton);
        QVERIFY(w.find("lblAnzahl", 0)->width() > w.find("Line1", 0)->width());
        QVERIFY(w.find("lblAnzahl", 0)->geometry().right() <
                w.find("lblAnzahl", 1)->geometry().left());
    }

    void smallest_window_shows_every_bar() {
        GuiWindow w;
        w.window()->resize(300, 100);
        QTRY_COMPARE(w.window()->size(), QSize(434, 230)); // just wider than 6500 twips
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
