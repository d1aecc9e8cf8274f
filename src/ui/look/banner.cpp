// SPDX-License-Identifier: MIT
#include "banner.h"
#include "layout.h"

#include <QResource>

// The resource initialiser lives in a static library; it must be called by name.
static void initArtwork()
{
    Q_INIT_RESOURCE(artwork);
}

namespace tintforge {

QImage bannerImage(qreal devicePixelRatio)
{
    initArtwork();
    const int scale = devicePixelRatio > 1.0 ? 2 : 1;
    const QSize size = layout::banner.rect().size() * scale;
    const QResource pixels(scale == 2 ? QStringLiteral(":/banner@2x.rgb32")
                                      : QStringLiteral(":/banner.rgb32"));
    const qsizetype rowBytes = qsizetype{size.width()} * 4;
    // The pixels where they are stored, or inflated where they are stored compressed; the
    // picture holds them as long as it lives.
    auto *rows = new QByteArray(pixels.uncompressedData());
    if (rows->size() != rowBytes * size.height()) {
        delete rows;
        return {};
    }
    QImage banner(
        reinterpret_cast<const uchar *>(rows->constData()), size.width(), size.height(), rowBytes,
        QImage::Format_RGB32, [](void *held) { delete static_cast<QByteArray *>(held); }, rows);
    banner.setDevicePixelRatio(scale);
    return banner;
}

} // namespace tintforge
