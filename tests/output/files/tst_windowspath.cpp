// SPDX-License-Identifier: MIT
// Windows paths in the form the system's file calls take whatever their length.
#include "output/files/windowspath.h"

#include <QTest>

using namespace tintforge;

class TestWindowsPath : public QObject
{
    Q_OBJECT

private slots:
    // Windows' file calls take a long path in the extended form, even where the system's
    // long-path switch is off: any folder the chooser shows can be written into.
    void longWindowsPathsTakeTheExtendedForm_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("given");
        const QString deep = QStringLiteral("a").repeated(120) + u'\\' +
                             QStringLiteral("b").repeated(120) + QStringLiteral("\\color.cfg");
        QTest::newRow("short") << QStringLiteral("C:\\Games\\user\\color.cfg")
                               << QStringLiteral("C:\\Games\\user\\color.cfg");
        QTest::newRow("long, on a drive")
            << QStringLiteral("C:\\") + deep << QStringLiteral("\\\\?\\C:\\") + deep;
        QTest::newRow("long, with other separators and steps")
            << QStringLiteral("D:/x/../") + QString(deep).replace(u'\\', u'/')
            << QStringLiteral("\\\\?\\D:\\") + deep;
        QTest::newRow("long, on a server's share")
            << QStringLiteral("\\\\server\\share\\") + deep
            << QStringLiteral("\\\\?\\UNC\\server\\share\\") + deep;
        QTest::newRow("long, already extended")
            << QStringLiteral("\\\\?\\C:\\") + deep << QStringLiteral("\\\\?\\C:\\") + deep;
        QTest::newRow("long, relative") << deep << deep;
    }
    void longWindowsPathsTakeTheExtendedForm()
    {
        QFETCH(QString, path);
        QFETCH(QString, given);
        QCOMPARE(extendedLengthPath(path), given);
    }
};

QTEST_GUILESS_MAIN(TestWindowsPath)
#include "tst_windowspath.moc"
