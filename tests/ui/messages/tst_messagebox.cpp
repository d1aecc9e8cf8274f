// SPDX-License-Identifier: MIT
#include "ui/messages/messagebox.h"

#include <QApplication>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

using namespace tintforge;

class TestMessageBox : public QObject
{
    Q_OBJECT

private slots:
    // 266 lines, or a path of 4,130 characters: the box and its OK button stay on the screen,
    // a long line wrapped, and the last row counts the message's lines left out (%1: as many as
    // the rows shown leave).
    void theBoxFitsTheScreen_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shape");
        const QString path = QStringLiteral("/dir").repeated(826);
        QTest::newRow("many lines") << QStringLiteral("bind x \"say hi\"\n").repeated(266)
                                    << QStringLiteral("\n\\.\\.\\. and %1 more lines$");
        QTest::newRow("a long path")
            << QStringLiteral("Could not open \"%1\": no such file.").arg(path)
            << QStringLiteral("^Could not open \"(/dir)+/?d?i?r?\n.*\n\\.\\.\\. and the rest of "
                              "this line$");
        QTest::newRow("a long line, then more")
            << path + QStringLiteral("\nbind\nbind\nbind")
            << QStringLiteral("\n\\.\\.\\. and the rest of this line and 3 more lines$");
    }
    void theBoxFitsTheScreen()
    {
        QFETCH(QString, message);
        QFETCH(QString, shape);
        QRect shown;
        QString text;
        QTimer::singleShot(0, [&shown, &text] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            shown = box->frameGeometry();
            text = box->text();
            box->accept();
        });
        showMessageBox(nullptr, message);
        QVERIFY(QGuiApplication::primaryScreen()->availableGeometry().contains(shown));
        const qsizetype rows = text.count(u'\n');
        if (shape.contains(QStringLiteral("%1")))
            shape = shape.arg(266 - rows);
        QVERIFY2(text.contains(
                     QRegularExpression(shape, QRegularExpression::DotMatchesEverythingOption)),
                 qPrintable(text.right(80)));
    }

    // Dismissed, a message raised in one window gives the keyboard back to that window, not to
    // another of the program's.
    void theKeyboardGoesBackWhereTheMessageWasRaised()
    {
        QWidget main;
        QWidget tool(nullptr, Qt::Tool);
        main.show();
        tool.show();
        tool.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&tool));
        QTimer::singleShot(0, [&main] {
            main.activateWindow(); // where a window manager may send it
            QApplication::activeModalWidget()->close();
        });
        showMessageBox(&tool, QStringLiteral("The drive list fills once it answers."));
        QTRY_COMPARE(QApplication::activeWindow(), &tool);
    }
};

QTEST_MAIN(TestMessageBox)
#include "tst_messagebox.moc"
