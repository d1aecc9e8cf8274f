// SPDX-License-Identifier: MIT
#include "localetext.h"

#include <cerrno>
#include <cstring>
#include <iconv.h>
#include <langinfo.h>
#include <QFile>
#include <string>

namespace tintforge {

QString fromLocaleText(const char *text, const char *codeset)
{
    iconv_t convert = ::iconv_open("UTF-8", codeset);
    // iconv_open reports failure as (iconv_t)-1.
    if (convert == reinterpret_cast<iconv_t>(-1)) // NOLINT(performance-no-int-to-ptr)
        return QString::fromUtf8(text);
    std::string in(text);
    // Four bytes of UTF-8 at most for every byte of any 8-bit or multi-byte set.
    std::string out(in.size() * 4 + 4, '\0');
    char *from = in.data();
    std::size_t fromLeft = in.size();
    char *to = out.data();
    std::size_t toLeft = out.size();
    const bool converted = ::iconv(convert, &from, &fromLeft, &to, &toLeft) != std::size_t(-1);
    ::iconv_close(convert);
    if (!converted)
        return QString::fromUtf8(text);
    return QString::fromUtf8(out.data(), qsizetype(out.size() - toLeft));
}

QString systemReason(int error)
{
    // strerror's text follows LC_MESSAGES; its character set is the locale's.
    return fromLocaleText(std::strerror(error), ::nl_langinfo(CODESET));
}

std::optional<QString> exactFileName(QByteArrayView bytes)
{
    QString name = QFile::decodeName(bytes.toByteArray());
    if (QFile::encodeName(name) != bytes)
        return std::nullopt;
    return name;
}

} // namespace tintforge
