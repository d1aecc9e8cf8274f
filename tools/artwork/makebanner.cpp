// SPDX-License-Identifier: MIT
// Draws the banner at the size of its place in the window, for ordinary and for doubled displays,
// into the tree (`make artwork`). The pictures are written as raw 32-bit pixel rows, which the
// program shows straight from its own binary: nothing to decode or copy at start.
//
// usage: makebanner OUTDIR

#include "bannerart.h"

#include <cstdio>
#include <QFile>
#include <QGuiApplication>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: makebanner OUTDIR\n", stderr);
        return 2;
    }
    const QString outDir = QString::fromLocal8Bit(argv[1]);
    const QSize size = tintforge::layout::banner.rect().size();
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
