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
    // the lines left out counted on the last, a long line wrapped.
    void theBoxFitsTheScreen_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shape");
        QTest::newRow("many lines") << QStringLiteral("bind x \"say hi\"\n").repeated(266)
                                    << QStringLiteral("\n\\.\\.\\. and \\d+ more lines$");
        QTest::newRow("a long path") << QStringLiteral("Could not open \"%1\": no such file.")
                                            .arg(QStringLiteral("/dir").repeated(826))
                                     << QStringLiteral("^Could not open \"(/dir)+/?d?i?r?\\n");
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
        QVERIFY2(text.contains(QRegularExpression(shape)), qPrintable(text.right(80)));
    }
};

QTEST_MAIN(TestMessageBox)
#include "tst_messagebox.moc"
