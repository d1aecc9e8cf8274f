// SPDX-License-Identifier: MIT
// Draws the banner once, at build time, for ordinary and for doubled displays. The pictures are
// written as raw 32-bit pixel rows, which the program shows straight from its own binary: nothing
// to decode or copy at start.
//
// usage: makebanner OUTDIR WIDTH HEIGHT

#include "bannerart.h"

#include <cstdio>
#include <QFile>
#include <QGuiApplication>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 4) {
        std::fputs("usage: makebanner OUTDIR WIDTH HEIGHT\n", stderr);
        return 2;
    }
    const QString outDir = QString::fromLocal8Bit(argv[1]);
    const QSize size(std::atoi(argv[2]), std::atoi(argv[3]));
    for (const auto &[ratio, name] :
         {std::pair{1, "banner.rgb32"}, std::pair{2, "banner@2x.rgb32"}}) {
        const QString path = outDir + QLatin1Char('/') + QLatin1String(name);
        const QImage banner =
            tintforge::drawBanner(size, ratio).convertToFormat(QImage::Format_RGB32);
        QFile file(path);
        const QByteArray pixels(reinterpret_cast<const char *>(banner.constBits()),
                                banner.sizeInBytes());
        if (!file.open(QIODevice::WriteOnly) || file.write(pixels) != pixels.size()) {
            std::fprintf(stderr, "makebanner: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
