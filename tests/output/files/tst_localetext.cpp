// SPDX-License-Identifier: MIT
// The system's own texts in the locale's character set.
#include <QTest>

#ifdef Q_OS_UNIX
#include "output/files/localetext.h"

using namespace tintforge;
#endif

class TestLocaleText : public QObject
{
    Q_OBJECT

private slots:
    // The system's reasons in the locale's own character set.
    void systemReasonsAreReadInTheLocalesCharacterSet_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("codeset");
        QTest::addColumn<QString>("expected");
        QTest::newRow("ISO-8859-1")
            << QByteArray("Permission non accord\xe9"
                          "e")
            << QByteArray("ISO-8859-1") << QStringLiteral("Permission non accord\u00e9e");
        QTest::newRow("UTF-8") << QByteArray("Permission non accord\xc3\xa9"
                                             "e")
                               << QByteArray("UTF-8")
                               << QStringLiteral("Permission non accord\u00e9e");
        QTest::newRow("KOI8-R") << QByteArray("\xf0\xd2\xc1\xd7\xc1") << QByteArray("KOI8-R")
                                << QStringLiteral("\u041f\u0440\u0430\u0432\u0430");
    }
    void systemReasonsAreReadInTheLocalesCharacterSet()
    {
#ifdef Q_OS_UNIX
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, codeset);
        QFETCH(QString, expected);
        QCOMPARE(fromLocaleText(text.constData(), codeset.constData()), expected);
#else
        QSKIP("Windows gives its reasons as UTF-16");
#endif
    }
};

QTEST_GUILESS_MAIN(TestLocaleText)
#include "tst_localetext.moc"
