#include "gamefolder.h"

#include <QDir>

namespace tintforge {

QString DefaultGameFolder()
{
#ifdef Q_OS_WIN
    return QStringLiteral("C:\\Program Files\\Raven\\SOF\\user");
#else
    return QDir::toNativeSeparators(QDir::homePath() + QStringLiteral("/.loki/sof"));
#endif
}

QString joinPath(const QString &folder, std::string_view fileName)
{
    QString path = folder;
    if (!path.endsWith(QDir::separator()) && !path.endsWith(QLatin1Char('/')))
        path += QDir::separator();
    return path + QString::fromLatin1(fileName.data(), qsizetype(fileName.size()));
}

} // namespace tintforge
