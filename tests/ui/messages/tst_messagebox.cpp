// SPDX-License-Identifier: MIT
#include "ui/messages/messagebox.h"

#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <QTimer>

using namespace tintforge;

class TestMessageBox : public QObject
{
    Q_OBJECT

private slots:
    void longMessagesAreFitted_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("fitted");
        QTest::newRow("short") << "No.\nTen chars."
                               << "No.\nTen chars.";
        QTest::newRow("wrapped at a space") << "aaaa bbbb cc dd"
                                            << "aaaa bbbb\ncc dd";
        QTest::newRow("cut where no space is near") << "abcdefghijklmn"
                                                    << "abcdefghij\nklmn";
        QTest::newRow("lines past the last counted") << "1\n2\n3\n4\n5\n6\n7"
                                                     << "1\n2\n3\n4\n... and 3 more lines";
        QTest::newRow("wrapped lines counted too")
            << "a\n" + QString(45, u'x')
            << "a\nxxxxxxxxxx\nxxxxxxxxxx\nxxxxxxxxxx\n... and 2 more lines";
    }
    void longMessagesAreFitted()
    {
        QFETCH(QString, message);
        QFETCH(QString, fitted);
        QCOMPARE(fittedMessage(message, 10, 5), fitted);
    }

    // 266 lines, a line of 1,500 characters, a path of 4,130: the box and its OK button stay on
    // the screen.
    void theBoxFitsTheScreen_data()
    {
        QTest::addColumn<QString>("message");
        QString lines;
        for (int i = 0; i < 266; ++i)
            lines += QStringLiteral("  bind %1 \"say hi\"\n").arg(i);
        QTest::newRow("many lines") << lines;
        QTest::newRow("a long line") << QString(1500, u'W');
        QTest::newRow("a long path")
            << QStringLiteral("Could not open \"%1\": no such file.").arg(QString(4130, u'/'));
    }
    void theBoxFitsTheScreen()
    {
        QFETCH(QString, message);
        QRect shown;
        QTimer::singleShot(0, [&] {
            QWidget *box = QApplication::activeModalWidget();
            QVERIFY(box);
            shown = box->frameGeometry();
            qobject_cast<QMessageBox *>(box)->accept();
        });
        showMessageBox(nullptr, message);
        QVERIFY2(QGuiApplication::primaryScreen()->availableGeometry().contains(shown),
                 qPrintable(QStringLiteral("%1x%2").arg(shown.width()).arg(shown.height())));
    }
};

QTEST_MAIN(TestMessageBox)
#include "tst_messagebox.moc"
