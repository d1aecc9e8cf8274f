// SPDX-License-Identifier: MIT
#include "droppedscript.h"

#include "filehost.h"
#include "output/files/shownname.h"
#include "ui/words/filemessages.h"
#include "ui/words/windowwords.h"

#include <QByteArrayList>
#include <QDir>
#include <QMimeData>
#include <QUrl>

namespace tintforge {

namespace {

const QString UriListType = QStringLiteral("text/uri-list");

// The addresses of a list, without its comments and blank lines.
QByteArrayList addressesIn(const QByteArray &list)
{
    QByteArrayList addresses;
    for (const QByteArray &line : list.split('\n')) {
        const QByteArray address = line.trimmed();
        if (!address.isEmpty() && !address.startsWith('#'))
            addresses << address;
    }
    return addresses;
}

// The address as the bytes it names: what no address may hold as it stands (a byte of 128 or
// more, a control byte, a space) percent-encoded as the byte it is, and so are '?' and '#',
// which start no query or fragment in the name of a file; the rest read as leniently as the
// toolkit reads a list.
QUrl urlOf(const QByteArray &address)
{
    QByteArray encoded;
    for (const char byte : address) {
        const auto code = static_cast<unsigned char>(byte);
        if (code > 0x20 && code < 0x7F && byte != '?' && byte != '#')
            encoded += byte;
        else
            encoded += '%' + QByteArray::number(code, 16).rightJustified(2, '0').toUpper();
    }
    return QUrl::fromEncoded(encoded);
}

} // namespace

bool carriesFilesOrLinks(const QMimeData *data)
{
    return data && data->hasUrls();
}

QByteArray droppedList(const QMimeData *data)
{
    return data ? data->data(UriListType) : QByteArray();
}

Result<QString, RefusedDrop> droppedScript(const QByteArray &list)
{
    if (list.isEmpty())
        return RefusedDrop{dropNotHandedOverMessage()};
    const QByteArrayList addresses = addressesIn(list);
    if (addresses.isEmpty())
        return RefusedDrop{dropEmptyMessage()};
    if (addresses.size() > 1)
        return RefusedDrop{dropSeveralMessage(addresses.size())};
    QUrl url = urlOf(addresses.front());
    if (!url.isValid() || url.scheme() != QStringLiteral("file"))
        return RefusedDrop{dropNotAFileMessage(shownFileName(addresses.front()))};
    if (url.host().compare(QStringLiteral("localhost"), Qt::CaseInsensitive) == 0)
        url.setHost(QString());
    const QByteArray name =
        QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
    // As the system names the file ("C:\dir" on Windows, not "/C:/dir"), its bytes as shown.
    QUrl shownUrl(url);
    shownUrl.setPath(shownFileName(name), QUrl::DecodedMode);
    const QString shown = QDir::toNativeSeparators(shownUrl.toLocalFile());
    if (!url.host().isEmpty() && !opensFilesOnOtherHosts())
        return RefusedDrop{dropOnAnotherComputerMessage(shown, url.host())};
    // "file:hello.cfg" names no folder: it would open whichever the program started in.
    if (!url.path().startsWith(u'/'))
        return RefusedDrop{dropNamesNoFolderMessage(shown)};
    if (name.contains('\0'))
        return RefusedDrop{openFailureMessage(FileError{shown, FileRefusal::NulInName})};
    if (url.path(QUrl::FullyEncoded).contains(QStringLiteral("%2F"), Qt::CaseInsensitive))
        return RefusedDrop{openFailureMessage(FileError{shown, FileRefusal::SlashInName})};
    const QString path = url.toLocalFile();
    if (QUrl::fromLocalFile(path).path(QUrl::FullyEncoded) != url.path(QUrl::FullyEncoded))
        return RefusedDrop{openFailureMessage(FileError{shown, FileRefusal::InexactName})};
    return QDir::toNativeSeparators(path);
}

} // namespace tintforge
