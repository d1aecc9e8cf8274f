// SPDX-License-Identifier: MIT
#include "ui/identity.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>
#include <QTest>

using namespace tintforge;

namespace {

// Reads the little-endian structures of a compiled Windows resource file.
class Reader
{
public:
    explicit Reader(QByteArray bytes) : m_bytes(std::move(bytes)) {}
    quint16 u16(qsizetype at) const { return qFromLittleEndian<quint16>(m_bytes.constData() + at); }
    quint32 u32(qsizetype at) const { return qFromLittleEndian<quint32>(m_bytes.constData() + at); }
    // A UTF-16 string ending in zero; moves past it.
    QString text(qsizetype &at) const
    {
        QString s;
        for (; u16(at) != 0; at += 2)
            s += QChar(u16(at));
        at += 2;
        return s;
    }
    QByteArray mid(qsizetype at, qsizetype size) const { return m_bytes.mid(at, size); }
    qsizetype size() const { return m_bytes.size(); }

private:
    QByteArray m_bytes;
};

qsizetype aligned(qsizetype at)
{
    return (at + 3) & ~qsizetype(3);
}

struct Resource {
    int type;
    int id;
    int language;
    QByteArray data;
};

QList<Resource> resourcesOf(const Reader &res)
{
    QList<Resource> list;
    for (qsizetype at = 0; at < res.size();) {
        const quint32 dataSize = res.u32(at);
        const quint32 headerSize = res.u32(at + 4);
        // Types and names here are all numbers: 0xFFFF followed by the id.
        const int type = res.u16(at + 10);
        const int id = res.u16(at + 14);
        const int language = res.u16(at + headerSize - 10);
        if (dataSize > 0)
            list.append({type, id, language, res.mid(at + headerSize, dataSize)});
        at = aligned(at + headerSize + dataSize);
    }
    return list;
}

// One block of a version resource: its key, its value and the blocks inside it.
struct Block {
    QString key;
    QByteArray value;
    QList<Block> children;
};

// Recursive as the blocks nest; the resource compiler nests them two levels deep.
Block parseBlock(const Reader &r, qsizetype at) // NOLINT(misc-no-recursion)
{
    const qsizetype end = at + r.u16(at);
    const quint16 valueLength = r.u16(at + 2);
    const bool isText = r.u16(at + 4) == 1;
    qsizetype pos = at + 6;
    Block block;
    block.key = r.text(pos);
    pos = aligned(pos);
    const qsizetype valueBytes = isText ? valueLength * 2 : valueLength;
    block.value = r.mid(pos, valueBytes);
    pos = aligned(pos + valueBytes);
    while (pos < end) {
        block.children.append(parseBlock(r, pos));
        pos = aligned(pos + r.u16(pos));
    }
    return block;
}

QString textValue(const Block &block)
{
    QString s;
    for (qsizetype i = 0; i + 1 < block.value.size(); i += 2)
        s += QChar(qFromLittleEndian<quint16>(block.value.constData() + i));
    return s.left(s.indexOf(QChar(0)));
}

} // namespace

class TestPackaging : public QObject
{
    Q_OBJECT

    QList<Resource> resources;

private slots:
    void initTestCase()
    {
        QTemporaryDir dir;
        const QString res = dir.filePath(QStringLiteral("tintforge.res"));
        QProcess windres;
        // The host's preprocessor will do: the script includes no Windows headers.
        windres.start(QStringLiteral(WINDRES),
                      {QStringLiteral("--preprocessor=cpp"), QStringLiteral("-i"),
                       QStringLiteral(RESOURCE_SCRIPT), QStringLiteral("-O"), QStringLiteral("res"),
                       QStringLiteral("-o"), res});
        QVERIFY(windres.waitForFinished());
        QVERIFY2(windres.exitCode() == 0, windres.readAllStandardError().constData());
        QFile file(res);
        QVERIFY(file.open(QIODevice::ReadOnly));
        resources = resourcesOf(Reader(file.readAll()));
    }

    void versionBlockIsExact()
    {
        const auto version = std::find_if(resources.begin(), resources.end(),
                                          [](const Resource &r) { return r.type == 16; });
        QVERIFY(version != resources.end());
        QCOMPARE(version->id, 1);
        const Reader r(version->data);
        const Block root = parseBlock(r, 0);
        QCOMPARE(root.key, QStringLiteral("VS_VERSION_INFO"));

        const Reader fixed(root.value);
        QCOMPARE(fixed.u32(0), 0xFEEF04BDu);
        // Version 1.0, as numbers and as the text "1.00".
        const quint32 majorMinor = 1u << 16;
        QCOMPARE(fixed.u32(8), majorMinor);  // file version
        QCOMPARE(fixed.u32(12), 0u);         // .0.0
        QCOMPARE(fixed.u32(16), majorMinor); // product version
        QCOMPARE(fixed.u32(20), 0u);
        QCOMPARE(fixed.u32(24), 0u); // flag mask
        QCOMPARE(fixed.u32(28), 0u); // flags
        QCOMPARE(fixed.u32(32), 4u); // 32-bit Windows
        QCOMPARE(fixed.u32(36), 1u); // application
        QCOMPARE(fixed.u32(40), 0u); // subtype

        QCOMPARE(root.children.size(), 2);
        const Block &strings = root.children[0];
        QCOMPARE(strings.key, QStringLiteral("StringFileInfo"));
        QCOMPARE(strings.children.size(), 1);
        QCOMPARE(strings.children[0].key, QStringLiteral("040904B0"));
        QStringList keys;
        QMap<QString, QString> values;
        for (const Block &entry : strings.children[0].children) {
            keys << entry.key;
            values[entry.key] = textValue(entry);
        }
        QCOMPARE(keys,
                 (QStringList{QStringLiteral("CompanyName"), QStringLiteral("LegalCopyright"),
                              QStringLiteral("LegalTrademarks"), QStringLiteral("ProductName"),
                              QStringLiteral("FileVersion"), QStringLiteral("ProductVersion"),
                              QStringLiteral("InternalName"), QStringLiteral("OriginalFilename")}));
        QCOMPARE(values[QStringLiteral("ProductName")], QStringLiteral("Orv Vorlix's Tintforge"));
        const QString versionText = QStringLiteral("1.00");
        QCOMPARE(VersionText, versionText);
        QCOMPARE(values[QStringLiteral("FileVersion")], versionText);
        QCOMPARE(values[QStringLiteral("ProductVersion")], versionText);
        QCOMPARE(values[QStringLiteral("InternalName")], QStringLiteral("VorlixOrv's Tintforge"));
        QCOMPARE(values[QStringLiteral("OriginalFilename")],
                 QStringLiteral("VorlixOrv's Tintforge.exe"));
        QCOMPARE(ProgramTitle, values[QStringLiteral("ProductName")]);

        const Block &vars = root.children[1];
        QCOMPARE(vars.key, QStringLiteral("VarFileInfo"));
        QCOMPARE(vars.children[0].key, QStringLiteral("Translation"));
        QCOMPARE(vars.children[0].value, QByteArray::fromHex("0904B004")); // 0x0409, 1200
    }

    void iconGroupOneHoldsImage30001()
    {
        const auto group = std::find_if(resources.begin(), resources.end(),
                                        [](const Resource &r) { return r.type == 14; });
        QVERIFY(group != resources.end());
        QCOMPARE(group->id, 1);
        const Reader g(group->data);
        QCOMPARE(g.u16(4), quint16(1)); // one image
        QCOMPARE(quint8(group->data[6]), quint8(32));
        QCOMPARE(quint8(group->data[7]), quint8(32));
        QCOMPARE(g.u16(12), quint16(4)); // bits per pixel
        QCOMPARE(g.u16(18), quint16(30001));

        const auto image = std::find_if(resources.begin(), resources.end(),
                                        [](const Resource &r) { return r.type == 3; });
        QVERIFY(image != resources.end());
        QCOMPARE(image->id, 30001);
        QCOMPARE(image->language, 0);
        QCOMPARE(Reader(image->data).u16(14), quint16(4));
        QCOMPARE(qsizetype(g.u32(14)), image->data.size());
    }

    void iconIsOpaquePixelArtInStandardColours()
    {
        const QImage icon = programIcon().pixmap(32, 32).toImage();
        QCOMPARE(icon.size(), QSize(32, 32));
        const QSet<QRgb> standard{0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                                  0x008080, 0xC0C0C0, 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00,
                                  0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
        QSet<QRgb> used;
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                QCOMPARE(qAlpha(icon.pixel(x, y)), 255);
                used.insert(icon.pixel(x, y) & 0xFFFFFF);
            }
        }
        QVERIFY(standard.contains(used));
        // Letters in white, silver and grey over a dark-red sight on black.
        QCOMPARE(used, (QSet<QRgb>{0x000000, 0x800000, 0xFFFFFF, 0xC0C0C0, 0x808080}));
    }
};

QTEST_MAIN(TestPackaging)
#include "tst_packaging.moc"
