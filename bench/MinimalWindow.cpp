// SPDX-License-Identifier: GPL-3.0-or-later
// The baseline for memory and start-up figures: the smallest Qt Widgets
// window with a button, built exactly as the program is.
#include <QApplication>
#include <QPushButton>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal"));
    window.resize(667, 533);
    auto* button = new QPushButton(QStringLiteral("Würfeln"), &window);
    button->setObjectName(QStringLiteral("cmdOptions"));
    button->move(12, 465);
    window.show();
    return QApplication::exec();
}
