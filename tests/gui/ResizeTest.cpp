// The real window as the user resizes it.
#include "GuiWindow.h"

#include <QEvent>
#include <QGroupBox>
#include <QPushButton>
#include <QTest>

namespace kelvara::test {

namespace {

// Counts the resize events a widget receives.
class ResizeCounter : public QObject {
  public:
    explicit ResizeCounter(QWidget* widget) { widget->installEventFilter(this); }
    int count = 0;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        count += event->type() == QEvent::Resize ? 1 : 0;
        return QObject::eventFilter(watched, event);
    }
};

QList<QRect> frameContents(const GuiWindow& w) {
    return {w.find("cmdOptions")->geometry(), w.find("cmdCancel")->geometry(),
            w.find("txtAnz")->geometry(), w.find("Label1")->geometry()};
}

} // namespace

class ResizeTest : public QObject {
    Q_OBJECT

  private slots:
    void narrower_than_the_limit_comes_back_to_6500_twips() {
        GuiWindow w;
        const QRect screenBefore = w.find("imgScreen")->geometry();
        w.window()->resize(300, 500);
        QTRY_COMPARE(w.window()->width(), w.innerPixels(6500, 0).width());
        QCOMPARE(w.form().width(), 6500.0F);
        QCOMPARE(w.find("imgScreen")->size().width(), screenBefore.width());
        QCOMPARE(w.find("frmOptions")->width(), w.window()->width());
        QCOMPARE(w.find("frmOptions")->y(), 500 - 100);
        QVERIFY(w.errors.empty());
    }

    void frame_stays_in_front_of_a_taller_screen_area() {
        // State: narrow, then lower: the screen area keeps its old height
        // and reaches down behind the frame.
        GuiWindow w;
        w.window()->resize(300, 500);
        w.window()->resize(300, 350);
        QTRY_COMPARE(w.window()->height(), 350);
        QWidget* frame = w.find("frmOptions");
        QVERIFY(w.find("imgScreen")->geometry().bottom() > frame->y() + 20);
        const QImage image = w.window()->grab().toImage();
        QVERIFY(image.pixelColor(frame->x() + frame->width() - 10, frame->y() + 20) !=
                QColor(0, 0, 0));
    }

    void wider_again_sizes_the_screen_area() {
        GuiWindow w;
        w.window()->resize(300, 500);
        w.window()->resize(800, 600);
        QTRY_COMPARE(w.window()->size(), QSize(800, 600));
        QCOMPARE(w.find("imgScreen")->geometry(), QRect(0, 0, 800, 500));
        QCOMPARE(w.form().scaleWidth(), 12000.0F);
        // 11970 / 23 = 520.4: bar 10 at 21 columns, 10920 twips = 728 px, inside the border
        QCOMPARE(w.find("Line1_10")->geometry().left(), 729);
    }

    void frame_contents_never_move() {
        GuiWindow w;
        const QList<QRect> before = frameContents(w);
        for (const QSize size :
             {QSize(300, 400), QSize(900, 700), QSize(500, 200), QSize(1200, 900)}) {
            w.window()->resize(size);
            QCOMPARE(frameContents(w), before);
        }
    }

    void settles_without_a_resize_loop() {
        GuiWindow w;
        ResizeCounter counter(w.window());
        w.window()->resize(350, 450);
        QTest::qWait(100);
        QVERIFY2(counter.count <= 3, qPrintable(QString::number(counter.count)));
        QCOMPARE(w.window()->width(), w.innerPixels(6500, 0).width());
        const int settled = counter.count;
        QTest::qWait(100);
        QCOMPARE(counter.count, settled);
    }

    void reset_restores_the_starting_size() {
        GuiWindow w;
        w.window()->resize(900, 700);
        QTest::mouseClick(w.find("cmdCancel"), Qt::LeftButton);
        QTRY_COMPARE(w.window()->size(), w.innerPixels(10000, 8000));
        QCOMPARE(w.find("frmOptions")->y(), w.window()->height() - 100);
    }

    void reset_while_maximized_keeps_the_window_maximized() {
        GuiWindow w;
        w.window()->showMaximized();
        QTRY_COMPARE(w.form().windowState(), WindowState::Maximized);
        QTest::qWait(50);
        const QSize maximized = w.window()->size();
        QTest::mouseClick(w.find("cmdCancel"), Qt::LeftButton);
        QTest::qWait(50);
        QVERIFY(w.window()->isMaximized());
        QCOMPARE(w.window()->size(), maximized);
        QVERIFY(w.errors.empty());
    }
};

} // namespace kelvara::test

QTEST_MAIN(kelvara::test::ResizeTest)
#include "ResizeTest.moc"
