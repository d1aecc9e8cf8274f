// SPDX-License-Identifier: MIT
// The floor the start-up benchmark measures against: the least a Qt Widgets program can show,
// a bare window of the main window's size and caption.
#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Orv Vorlix's Tintforge"));
    window.setFixedSize(545, 270);
    window.show();
    return app.exec();
}
