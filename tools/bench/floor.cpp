// SPDX-License-Identifier: MIT
// The floors the start-up benchmark measures against: the least a Qt Widgets program can show, a
// window of the main window's size and caption; built once bare, and once (TEXT_FLOOR) showing
// one line of text in the font the program uses, so that it pays the font system's start-up too.
#include <QApplication>
#include <QWidget>
#ifdef TEXT_FLOOR
#include <QLabel>
#endif

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Orv Vorlix's Tintforge"));
    window.setFixedSize(545, 270);
#ifdef TEXT_FLOOR
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    QLabel label(QStringLiteral("Orv Vorlix's Tintforge"), &window);
    label.setFont(font);
    label.move(8, 8);
#endif
    window.show();
    return app.exec();
}
