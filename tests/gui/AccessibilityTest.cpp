// What the program tells the desktop about itself: its version, and what a
// screen reader is told about the window, read back through QAccessible.
#include "ApplicationInfo.h"
#include "GuiWindow.h"

#include <QAccessible>
#include <QDir>
#include <QTest>

namespace kelvara::test {

namespace {

QString accessibleName(QWidget* widget) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face != nullptr ? face->text(QAccessible::Name) : QString();
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

  private slots:
    void application_reports_version_1_00() {
        setApplicationInfo();
        QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral("1.00"));
        QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Kelvara"));
    }

    void controls_have_german_names() {
        GuiWindow w;
        QCOMPARE(accessibleName(w.find("cmdOptions")), QStringLiteral("Würfeln"));
        QCOMPARE(accessibleName(w.find("cmdCancel")), QStringLiteral("CLS"));
        QCOMPARE(accessibleName(w.find("txtAnz")), QStringLiteral("Anzahl der Würfe"));
        QCOMPARE(accessibleName(w.find("lblNr_5")), QStringLiteral("Summe 7"));
        QCOMPARE(accessibleName(w.find("Line1_0")), QStringLiteral("Summe 2: 0"));
    }

    void bars_and_counts_are_read_after_a_series() {
        GuiWindow w;
        w.random.setValues(SequenceRandom::everyThrowInTurn());
        w.form().control("txtAnz").setText("3600");
        QTest::mouseClick(w.find("cmdOptions"), Qt::LeftButton);
        QCOMPARE(accessibleName(w.find("Line1_5")), QStringLiteral("Summe 7: 600"));
        QCOMPARE(accessibleName(w.find("lblAnzahl_10")), QStringLiteral("Summe 12: 100"));
        QTest::mouseClick(w.find("cmdCancel"), Qt::LeftButton);
        QCOMPARE(accessibleName(w.find("Line1_5")), QStringLiteral("Summe 7: 0"));
    }
};

} // namespace kelvara::test

QTEST_MAIN(kelvara::test::AccessibilityTest)
#include "AccessibilityTest.moc"
