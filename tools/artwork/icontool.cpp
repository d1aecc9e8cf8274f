// SPDX-License-Identifier: MIT
// Turns the program's pixel-art icon into what the packages need: PNGs in the sizes desktop icon
// themes expect, and for the Windows resource a 4-bit .ico plus the two raw resources (the icon
// image and its group) that the resource script places under fixed ids.
//
// usage: icontool ICON.xpm OUTDIR GROUP_ICON_ID

#include <array>
#include <cstdio>
#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QtEndian>

namespace {

// The standard 16-colour palette, in the order Windows numbers it.
constexpr std::array<QRgb, 16> StandardPalette{
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
};

constexpr int IconSize = 32;

class LittleEndianWriter
{
public:
    void u8(quint8 v) { m_bytes.append(char(v)); }
    void u16(quint16 v) { append(qToLittleEndian(v)); }
    void u32(quint32 v) { append(qToLittleEndian(v)); }
    const QByteArray &bytes() const { return m_bytes; }
    void raw(const QByteArray &bytes) { m_bytes.append(bytes); }

private:
    template <typename T> void append(T v)
    {
        m_bytes.append(reinterpret_cast<const char *>(&v), sizeof v);
    }
    QByteArray m_bytes;
};

int paletteIndex(QRgb pixel)
{
    for (std::size_t i = 0; i < StandardPalette.size(); ++i) {
        if (StandardPalette[i] == (pixel & 0xFFFFFF))
            return int(i);
    }
    return -1;
}

// The icon image as Windows keeps it: header, palette, 4-bit colour rows bottom-up, then the
// transparency mask, all clear since every pixel is opaque.
QByteArray iconImage(const QImage &icon)
{
    const int colourRow = IconSize / 2;
    const int maskRow = IconSize / 8;
    LittleEndianWriter w;
    w.u32(40);
    w.u32(IconSize);
    w.u32(IconSize * 2); // colour rows and mask rows together
    w.u16(1);
    w.u16(4);
    w.u32(0);
    w.u32((colourRow + maskRow) * IconSize);
    for (int i = 0; i < 4; ++i)
        w.u32(0);
    for (const QRgb colour : StandardPalette) {
        w.u8(quint8(qBlue(colour)));
        w.u8(quint8(qGreen(colour)));
        w.u8(quint8(qRed(colour)));
        w.u8(0);
    }
    for (int y = IconSize - 1; y >= 0; --y) {
        for (int x = 0; x < IconSize; x += 2)
            w.u8(quint8(paletteIndex(icon.pixel(x, y)) << 4 | paletteIndex(icon.pixel(x + 1, y))));
    }
    w.raw(QByteArray(qsizetype{maskRow} * IconSize, '\0'));
    return w.bytes();
}

// One directory entry; the .ico file ends it with the image's offset, a group resource with its id.
void directoryEntry(LittleEndianWriter &w, qsizetype imageSize)
{
    w.u8(IconSize);
    w.u8(IconSize);
    w.u8(16);
    w.u8(0);
    w.u16(1);
    w.u16(4);
    w.u32(quint32(imageSize));
}

// The theme sizes, each from the 32-pixel image by a whole factor so the pixel art stays crisp:
// 16 takes every other pixel, 64 to 256 repeat each pixel, and 48 (no whole factor of 32) shows
// the image at its own size in the middle of a clear square.
QImage themeIcon(const QImage &icon, int size)
{
    if (size == 48) {
        QImage padded(size, size, QImage::Format_ARGB32);
        padded.fill(Qt::transparent);
        for (int y = 0; y < IconSize; ++y) {
            for (int x = 0; x < IconSize; ++x)
                padded.setPixel(x + 8, y + 8, icon.pixel(x, y));
        }
        return padded;
    }
    QImage scaled(size, size, QImage::Format_ARGB32);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x)
            scaled.setPixel(x, y, icon.pixel(x * IconSize / size, y * IconSize / size));
    }
    return scaled;
}

QByteArray png(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

bool save(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "icontool: cannot write %s: %s\n", qPrintable(path),
                     qPrintable(file.errorString()));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 4) {
        std::fputs("usage: icontool ICON.xpm OUTDIR GROUP_ICON_ID\n", stderr);
        return 2;
    }
    const QString source = QString::fromLocal8Bit(argv[1]);
    const QString outDir = QString::fromLocal8Bit(argv[2]);
    const quint16 iconId = quint16(QByteArray(argv[3]).toUInt());

    const QImage icon(source);
    if (icon.size() != QSize(IconSize, IconSize)) {
        std::fprintf(stderr, "icontool: %s is not a %d by %d image\n", argv[1], IconSize, IconSize);
        return 1;
    }
    for (int y = 0; y < IconSize; ++y) {
        for (int x = 0; x < IconSize; ++x) {
            if (qAlpha(icon.pixel(x, y)) != 255 || paletteIndex(icon.pixel(x, y)) < 0) {
                std::fprintf(stderr,
                             "icontool: %s: pixel %d,%d is transparent or not a standard colour\n",
                             argv[1], x, y);
                return 1;
            }
        }
    }

    const QByteArray image = iconImage(icon);
    LittleEndianWriter ico;
    ico.u16(0);
    ico.u16(1);
    ico.u16(1);
    directoryEntry(ico, image.size());
    ico.u32(6 + 16);
    ico.raw(image);

    LittleEndianWriter group;
    group.u16(0);
    group.u16(1);
    group.u16(1);
    directoryEntry(group, image.size());
    group.u16(iconId);

    bool ok = save(outDir + QStringLiteral("/tintforge.ico"), ico.bytes()) &&
              save(outDir + QStringLiteral("/icon-image.bin"), image) &&
              save(outDir + QStringLiteral("/icon-group.bin"), group.bytes());
    for (const int size : {16, 32, 48, 64, 128, 256})
        ok = ok && save(outDir + QStringLiteral("/tintforge-%1.png").arg(size),
                        png(themeIcon(icon, size)));
    return ok ? 0 : 1;
}
