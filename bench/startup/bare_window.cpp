// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick of start-up: the least a Qt Widgets program does to put a
// window of the console's client size on screen, one label in it.

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("bare window");
    window.setFixedSize(766, 216); // the console's client area in pixels
    QLabel label("145.000", &window);
    label.move(20, 20);
    window.show();
    return QApplication::exec();
}
