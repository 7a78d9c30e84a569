// A click on the real "Würfeln" button and what the window paints after it.
#include "ControlWidgets.h"
#include "GuiWindow.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QTest>

namespace kelvara::test {

namespace {

void typeCount(GuiWindow& w, const QString& count) {
    auto* box = w.find<QLineEdit>("txtAnz");
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, count);
}

// Green pixels in one column of the window, from the baseline upwards.
int greenRun(const QImage& image, int x, int baselineY) {
    int run = 0;
    while (baselineY - 1 - run >= 0 &&
           image.pixelColor(x, baselineY - 1 - run) == QColor(0, 192, 0)) {
        ++run;
    }
    return run;
}

} // namespace

class SeriesTest : public QObject {
    Q_OBJECT

  private slots:
    void painted_bars_are_as_tall_as_their_counts() {
        GuiWindow w;
        w.random.setValues(SequenceRandom::everyThrowInTurn());
        typeCount(w, QStringLiteral("18000"));
        QTest::mouseClick(w.find("cmdOptions"), Qt::LeftButton);
        QCOMPARE(w.frmMain.Tally().total(), 18000);
        const QImage image = w.window()->grab().toImage();
        const TwipScale& scale = w.view().scale();
        for (int i = 0; i <= 10; ++i) {
            const QWidget* bar = w.find(qPrintable(QStringLiteral("Line1_%1").arg(i)));
            const QRect onWindow(bar->mapTo(w.window(), QPoint(0, 0)), bar->size());
            const int expected = scale
                                     .toPixelSpan(w.form().control("imgScreen").top() + 15 +
                                                      w.form().array("Line1")(i).top(),
                                                  w.frmMain.Tally()(i))
                                     .length;
            QCOMPARE(greenRun(image, onWindow.center().x(), onWindow.bottom() + 1), expected);
            QVERIFY(w.find(qPrintable(QStringLiteral("lblAnzahl_%1").arg(i)))->isVisible());
        }
        QCOMPARE(w.form().array("lblAnzahl")(5).caption(), std::string("3000"));
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
        QVERIFY(w.errors.empty());
    }

    void five_digit_counts_fit_without_touching_their_neighbours() {
        GuiWindow w;
        w.random.setValues({0.0F, 0.0F, 0.99F, 0.99F});
        typeCount(w, QStringLiteral("60000"));
        QTest::mouseClick(w.find("cmdOptions"), Qt::LeftButton);
        QCOMPARE(w.form().array("lblAnzahl")(0).caption(), std::string("30000"));
        for (int i = 0; i <= 10; ++i) {
            auto* label = w.find<LabelWidget>(qPrintable(QStringLiteral("lblAnzahl_%1").arg(i)));
            const QString caption =
                QString::fromStdString(w.form().array("lblAnzahl")(i).caption());
            QVERIFY(QFontMetrics(label->fittedFont()).horizontalAdvance(caption) <= label->width());
            if (i < 10) {
                const QWidget* next = w.find(qPrintable(QStringLiteral("lblAnzahl_%1").arg(i + 1)));
                QVERIFY(label->geometry().right() < next->geometry().left());
            }
        }
        auto* widest = w.find<LabelWidget>("lblAnzahl_0");
        QVERIFY(widest->width() > w.find("Line1_0")->width()); // reaches over its edges
    }

    void empty_box_reports_the_error_and_the_window_goes_on() {
        GuiWindow w;
        typeCount(w, QString());
        QTest::mouseClick(w.find("cmdOptions"), Qt::LeftButton);
        QCOMPARE(w.errors, std::vector{ErrorKind::TypeMismatch});
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
        QCOMPARE(w.frmMain.Tally().total(), 0);
        typeCount(w, QStringLiteral("12"));
        QTest::mouseClick(w.find("cmdOptions"), Qt::LeftButton);
        QCOMPARE(w.frmMain.Tally().total(), 12);
    }

    void error_message_names_the_error_in_german() {
        const QString text = QtFormView::messageFor(TypeMismatchError("keine Zahl"));
        QVERIFY(text.contains(QStringLiteral("Typen unverträglich")));
        QVERIFY(text.contains(QStringLiteral("Laufzeitfehler")));
    }
};

} // namespace kelvara::test

QTEST_MAIN(kelvara::test::SeriesTest)
#include "SeriesTest.moc"
