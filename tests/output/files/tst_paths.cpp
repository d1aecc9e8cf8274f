// SPDX-License-Identifier: MIT
// Joining a folder and a file name.
#include "output/files/paths.h"

#include <QTest>

using namespace tintforge;

class TestPaths : public QObject
{
    Q_OBJECT

private slots:
    void joinsWithOneSeparator_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("expected");
#ifdef Q_OS_WIN
        QTest::newRow("drive root") << QStringLiteral("C:\\") << QStringLiteral("C:\\color.cfg");
        QTest::newRow("folder") << QStringLiteral("C:\\Games\\SOF")
                                << QStringLiteral("C:\\Games\\SOF\\color.cfg");
#else
        QTest::newRow("root") << QStringLiteral("/") << QStringLiteral("/color.cfg");
        QTest::newRow("folder") << QStringLiteral("/games/sof")
                                << QStringLiteral("/games/sof/color.cfg");
        QTest::newRow("trailing separator")
            << QStringLiteral("/games/sof/") << QStringLiteral("/games/sof/color.cfg");
#endif
    }
    void joinsWithOneSeparator()
    {
        QFETCH(QString, folder);
        QFETCH(QString, expected);
        QCOMPARE(joinPath(folder, QStringLiteral("color.cfg")), expected);
    }
};

QTEST_GUILESS_MAIN(TestPaths)
#include "tst_paths.moc"
