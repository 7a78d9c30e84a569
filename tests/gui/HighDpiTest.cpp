// The window at a scale factor of 2 (the test runs with QT_SCALE_FACTOR=2):
// the same geometry in twips and logical pixels, drawn with twice the pixels.
#include "GuiWindow.h"

#include <QTest>

namespace kelvara::test {

class HighDpiTest : public QObject {
    Q_OBJECT

  private slots:
    void keeps_twips_and_draws_crisp_bars() {
        GuiWindow w;
        QCOMPARE(w.window()->devicePixelRatio(), 2.0);
        w.random.setValues(SequenceRandom::everyThrowInTurn());
        w.form().control("txtAnz").setText("3600");
        QTest::mouseClick(w.find("cmdOptions"), Qt::LeftButton);
        QCOMPARE(w.window()->size(), w.innerPixels(10000, 8000));
        const QWidget* bar = w.find("Line1_5");
        QCOMPARE(bar->height(),
                 w.view().scale().toPixelSpan(w.form().array("Line1")(5).top() + 15, 600).length);

        const QImage image = w.window()->grab().toImage();
        QCOMPARE(image.size(), w.window()->size() * 2);
        image.save(QDir::current().filePath(QStringLiteral("highdpi.png")));
        // Every device pixel across the bar is either the bar's green or the
        // screen's black: no blurred edge from scaling a small image up.
        const QRect onWindow(bar->mapTo(w.window(), QPoint(0, 0)), bar->size());
        const int y = onWindow.center().y() * 2;
        int green = 0;
        for (int x = (onWindow.left() - 4) * 2; x <= (onWindow.right() + 4) * 2; ++x) {
            const QColor colour = image.pixelColor(x, y);
            QVERIFY2(colour == QColor(0, 192, 0) || colour == QColor(0, 0, 0),
                     qPrintable(colour.name()));
            green += colour == QColor(0, 192, 0) ? 1 : 0;
        }
        QCOMPARE(green, bar->width() * 2);
    }
};

} // namespace kelvara::test

QTEST_MAIN(kelvara::test::HighDpiTest)
#include "HighDpiTest.moc"
