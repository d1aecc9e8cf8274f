// SPDX-License-Identifier: MIT
// The floors the start-up benchmark measures against: the least a Qt Widgets program can show, a
// window of the main window's size and caption; built once bare, once (TEXT_FLOOR) showing one
// line of text in the font the program uses, so that it pays the font system's start-up too, and
// once (CONTROLS_FLOOR) showing besides one control of each standard kind the main window is
// made of, so that it pays for the toolkit's code for them and nothing of the program's own.
#include "ui/identity.h"
#include "ui/look/layout.h"

#include <QApplication>
#include <QWidget>
#if defined(TEXT_FLOOR) || defined(CONTROLS_FLOOR)
#include <QLabel>
#endif
#ifdef CONTROLS_FLOOR
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#endif

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
#if defined(TEXT_FLOOR) || defined(CONTROLS_FLOOR)
    // Before the first widget, as the program does: a widget made earlier would lay out its
    // text in the default font first, and load that as well.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    QApplication::setFont(font);
#endif
    QWidget window;
    window.setWindowTitle(tintforge::ProgramTitle);
    window.setFixedSize(tintforge::pixels(tintforge::layout::MainWindowWidth),
                        tintforge::pixels(tintforge::layout::MainWindowHeight));
#if defined(TEXT_FLOOR) || defined(CONTROLS_FLOOR)
    QLabel label(tintforge::ProgramTitle, &window);
    label.move(8, 8);
#endif
#ifdef CONTROLS_FLOOR
    QLineEdit field(&window);
    field.setGeometry(8, 30, 120, 20);
    // An editable drop-down as the program makes it: its list is built when first opened.
    QComboBox dropDown(&window);
    dropDown.setLineEdit(new QLineEdit(&dropDown));
    dropDown.setCompleter(nullptr);
    dropDown.addItem(QStringLiteral("\u00C0"));
    dropDown.setGeometry(8, 60, 40, 21);
    QRadioButton option(QStringLiteral("Name"), &window);
    option.setChecked(true);
    option.move(8, 90);
    QCheckBox check(QStringLiteral("clan"), &window);
    check.move(8, 120);
    QPushButton button(QStringLiteral("Make"), &window);
    button.move(8, 150);
    // No blinking text cursor: the benchmark waits for the window's pixels to stand still.
    button.setFocus();
#endif
    window.show();
    return app.exec();
}
