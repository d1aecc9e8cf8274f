// SPDX-License-Identifier: MIT
// libFuzzer target. The first byte picks what the rest drives:
//  - a sequence of operations on a composition, after which every invariant must hold;
//  - the same, then a write into a real folder with an injected fault, after which the files
//    must hold either the old or the new content whole, and no temporary file may remain;
//  - the fields' character filter, on any text, cursor and limit;
//  - the script reader, on any bytes;
//  - path joining, on any folder.

#include "model/codepage.h"
#include "output/files/paths.h"
#include "output/game/gamefolder.h"
#include "output/game/make.h"
#include "output/script/filenames.h"
#include "support/files.h"
#include "support/operations.h"
#include "ui/mainwindow/codepagetext.h"
#include "ui/mainwindow/codepagevalidator.h"
#include "ui/words/reasons.h"

#include <cstdio>
#include <cstdlib>
#include <QDir>
#include <QTemporaryDir>

namespace {

using namespace tintforge;

[[noreturn]] void fail(const char *what)
{
    std::fprintf(stderr, "broken: %s\n", what);
    std::abort();
}

void check(bool holds, const char *what)
{
    if (!holds)
        fail(what);
}

Composition compose(testing::ByteStream &in, std::size_t operations)
{
    Composition composition;
    std::string glyphBox(FirstGlyph);
    for (std::size_t i = 0; i < operations && !in.atEnd(); ++i) {
        testing::applyNextOperation(composition, glyphBox, in);
        std::string broken = testing::brokenInvariant(composition);
        if (broken.empty())
            broken = testing::brokenRoundTrip(composition);
        if (!broken.empty())
            fail(broken.c_str());
    }
    return composition;
}

enum class Fault { None, ScriptIsFolder, ConfigIsFolder, ScriptIsLink, ConfigIsFull, SizeLimit };

void fuzzWriter(testing::ByteStream &in)
{
    static QTemporaryDir root;
    const QString folder = root.filePath(QStringLiteral("user"));
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    const QString script = folder + QStringLiteral("/color.cfg");
    const QString config = folder + QStringLiteral("/config.cfg");
    const auto fault = Fault(in.next() % 6);
    const QByteArray oldScript = QByteArray::fromStdString(in.bytes(in.next() % 8));
    const QByteArray oldConfig = QByteArray::fromStdString(in.bytes(in.next() % 8));
    const unsigned limit = 1300u + in.next() * 2u;
    const Composition composition = compose(in, 64);

    const auto put = [](const QString &path, const QByteArray &bytes) {
        QFile file(path);
        check(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size(), "setup");
    };
    put(script, oldScript);
    put(config, oldConfig);
    if (fault == Fault::ScriptIsFolder) {
        QFile::remove(script);
        QDir(folder).mkdir(QStringLiteral("color.cfg"));
    } else if (fault == Fault::ConfigIsFolder) {
        QFile::remove(config);
        QDir(folder).mkdir(QStringLiteral("config.cfg"));
    } else if (fault == Fault::ScriptIsLink) {
        put(root.filePath(QStringLiteral("target")), oldScript);
        QFile::remove(script);
        QFile::link(root.filePath(QStringLiteral("target")), script);
    } else if (fault == Fault::ConfigIsFull) {
        QFile::remove(config);
        QFile::link(QStringLiteral("/dev/full"), config);
    }

    const FileStatus written = fault == Fault::SizeLimit
                                   ? testing::writeUnderFileSizeLimit(folder, composition, limit)
                                   : writeColourScript(folder, composition);

    const QByteArray rendered = QByteArray::fromStdString(renderColourScript(composition));
    const QByteArray scriptNow = testing::readAll(script);
    // /dev/full reads as endless zeros.
    const QByteArray configNow =
        fault == Fault::ConfigIsFull ? QByteArray() : testing::readAll(config);
    const QByteArray exec = testing::ExecLineBytes;
    const bool configGrew = configNow == oldConfig + exec || configNow == oldConfig + "\r\n" + exec;
    if (written) {
        check(scriptNow == rendered, "written script differs from the rendered one");
        check(configGrew || fault == Fault::ConfigIsFull, "config did not gain the exec line");
    } else {
        check(!written.error().path.isEmpty() && !reasonText(written.error().cause).isEmpty(),
              "error without path or reason");
        if (fault != Fault::ScriptIsFolder)
            check(scriptNow == oldScript || scriptNow == rendered, "script neither old nor new");
        if (fault != Fault::ConfigIsFolder && fault != Fault::ConfigIsFull)
            check(configNow == oldConfig, "failed write changed config");
    }
    if (fault == Fault::ScriptIsLink)
        check(testing::readAll(root.filePath(QStringLiteral("target"))) == oldScript,
              "a link's target was written");
    QStringList left = QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot |
                                              QDir::Hidden | QDir::System);
    // A previous script of the player's own is kept beside the new one, whole.
    if (left.removeAll(QStringLiteral("color.cfg.bak")) > 0)
        check(testing::readAll(QDir(folder).filePath(QStringLiteral("color.cfg.bak"))) == oldScript,
              "the script kept is not the previous one");
    check(left.size() == 2, "a temporary file was left behind");
}

void fuzzCharacterFilter(testing::ByteStream &in)
{
    const qsizetype limit = qsizetype(in.next() % 40) - 1;
    const SegmentKind &kind = SegmentKinds[in.next() % SegmentKinds.size()];
    int cursor = in.next() % 64;
    QString text;
    while (!in.atEnd()) {
        const auto high = in.next();
        text += QChar(char16_t(high << 8 | in.next()));
    }
    cursor = std::min(cursor, int(text.size()));
    CodePageValidator validator([&kind](char byte) { return takesByte(kind, byte); }, limit);
    QString shown = text;
    check(validator.validate(shown, cursor) == QValidator::Acceptable, "filter refused text");
    check(limit < 0 || shown.size() <= limit, "filtered text over the limit");
    check(cursor >= 0 && cursor <= shown.size(), "cursor outside the text");
    for (const QChar c : shown)
        check(takesByte(kind, byteOfCharacter(c.unicode())),
              "a character the game refuses was kept");
    const std::string bytes = toCodePage(shown);
    check(bytes.size() == std::size_t(shown.size()), "conversion lost characters");
    check(fromCodePage(bytes) == shown, "conversion does not round-trip");
}

void fuzzJoin(testing::ByteStream &in)
{
    const QString folder = QString::fromUtf8(in.bytes(200));
    const QString joined = joinPath(folder, ScriptFileName);
    const bool ends = folder.endsWith(QDir::separator()) || folder.endsWith(u'/');
    check(joined == folder + (ends ? QString() : QString(QDir::separator())) +
                        QStringLiteral("color.cfg"),
          "joined path is not folder, one separator, file name");
}

// Any bytes at all: read without a crash, and what is read holds every invariant and reads
// back as itself.
void fuzzReader(testing::ByteStream &in)
{
    const std::string bytes = in.bytes(std::size_t(-1));
    const auto read = readColourScript(bytes);
    if (!read)
        return;
    std::string broken = testing::brokenInvariant(read->composition);
    if (broken.empty())
        broken = testing::brokenRoundTrip(read->composition);
    if (!broken.empty())
        fail(broken.c_str());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    testing::ByteStream in(data, size);
    switch (in.next() % 5) {
    case 0:
        compose(in, std::size_t(-1));
        break;
    case 1:
        fuzzWriter(in);
        break;
    case 2:
        fuzzCharacterFilter(in);
        break;
    case 3:
        fuzzReader(in);
        break;
    default:
        fuzzJoin(in);
        break;
    }
    return 0;
}
