// SPDX-License-Identifier: MIT
#include "bannerart.h"
#include "support/files.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using tintforge::testing::readAll;

namespace {

bool runTool(const char *program, const QStringList &arguments, QByteArray &errors)
{
    QProcess process;
    process.start(QString::fromLocal8Bit(program), arguments);
    const bool finished = process.waitForFinished(60000);
    errors = process.readAllStandardError();
    return finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

} // namespace

// The banner and icon files are kept in the tree so that the build runs nothing it builds; this
// draws them again and compares, so a change to a generator without `make artwork` fails here.
class TestArtwork : public QObject
{
    Q_OBJECT

private slots:
    void bannerIsWhatItsGeneratorDraws()
    {
        QTemporaryDir dir;
        QByteArray errors;
        QVERIFY2(runTool(MAKEBANNER, {dir.path()}, errors), errors.constData());
        for (const char *name : {"banner.rgb32", "banner@2x.rgb32"}) {
            const QByteArray kept =
                readAll(QStringLiteral(BANNER_DIR "/") + QString::fromLatin1(name));
            QVERIFY2(!kept.isEmpty(), name);
            QVERIFY2(readAll(dir.filePath(QString::fromLatin1(name))) == kept, name);
        }
    }

    // The address is drawn inside the area that opens a mail when clicked.
    void mailAddressLiesInsideItsClickArea()
    {
        const QRect ink = tintforge::mailAddressInk();
        QVERIFY2(ink.left() >= tintforge::MailArea.left() &&
                     ink.right() <= tintforge::MailArea.right(),
                 qPrintable(QStringLiteral("ink x %1 to %2").arg(ink.left()).arg(ink.right())));
    }

    void iconsAreWhatTheirGeneratorMakes()
    {
        QTemporaryDir dir;
        QByteArray errors;
        QVERIFY2(runTool(ICONTOOL,
                         {QStringLiteral(ICON_SOURCE), dir.path(), QStringLiteral(ICON_IMAGE_ID)},
                         errors),
                 errors.constData());
        const QStringList made = QDir(dir.path()).entryList(QDir::Files, QDir::Name);
        QCOMPARE(made, QDir(QStringLiteral(ICON_DIR)).entryList(QDir::Files, QDir::Name));
        for (const QString &name : made) {
            const QString kept = QStringLiteral(ICON_DIR "/") + name;
            if (name.endsWith(QStringLiteral(".png"))) {
                // PNG bytes may differ between library versions; the pixels may not.
                const QImage keptImage(kept);
                QVERIFY2(!keptImage.isNull(), qPrintable(name));
                QCOMPARE(QImage(dir.filePath(name)).convertToFormat(QImage::Format_ARGB32),
                         keptImage.convertToFormat(QImage::Format_ARGB32));
            } else {
                QVERIFY2(readAll(dir.filePath(name)) == readAll(kept), qPrintable(name));
            }
        }
    }

    void themeIconsScalePixelArtByWholeFactors()
    {
        const QImage icon = QImage(QStringLiteral(ICON_DIR "/tintforge-32.png"))
                                .convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(icon.size(), QSize(32, 32));
        for (const int size : {64, 128, 256}) {
            const QImage big = QImage(QStringLiteral(ICON_DIR "/tintforge-%1.png").arg(size))
                                   .convertToFormat(QImage::Format_ARGB32);
            QCOMPARE(big.size(), QSize(size, size));
            const int factor = size / 32;
            for (int y = 0; y < size; ++y) {
                for (int x = 0; x < size; ++x)
                    QCOMPARE(big.pixel(x, y), icon.pixel(x / factor, y / factor));
            }
        }
        const QImage medium = QImage(QStringLiteral(ICON_DIR "/tintforge-48.png"))
                                  .convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(medium.copy(8, 8, 32, 32), icon);
        QCOMPARE(qAlpha(medium.pixel(0, 0)), 0);
    }
};

QTEST_MAIN(TestArtwork)
#include "tst_artwork.moc"
