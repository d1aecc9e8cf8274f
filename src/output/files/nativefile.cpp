// SPDX-License-Identifier: MIT
#include "nativefile.h"

#include "paths.h"
#include "reaching.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <utility>

namespace tintforge {

NativeFolder::NativeFolder(NativeFolder &&other) noexcept
    : m_path(std::move(other.m_path)), m_handle(std::exchange(other.m_handle, InvalidHandle))
{}

Status NativeFolder::makePath(const QString &path)
{
    QStringList missing;
    const auto isFolder = [](const QString &folder) {
        reaching(folder);
        return QFileInfo(folder).isDir();
    };
    for (QString folder = QDir::cleanPath(path); !isFolder(folder);) {
        missing.prepend(folder);
        const QString parent = QFileInfo(folder).path();
        if (parent == folder)
            break;
        folder = parent;
    }
    for (const QString &folder : std::as_const(missing))
        if (Status made = make(folder); !made)
            return made;
    return {};
}

QString NativeFolder::pathOf(const QString &name) const
{
    return joinPath(m_path, name);
}

NativeFile::NativeFile(NativeFile &&other) noexcept
    : m_handle(std::exchange(other.m_handle, InvalidHandle)), m_written(other.m_written)
{}

NativeFile::~NativeFile()
{
    // Reached on the way out of a failed step, whose own error is the one reported.
    (void)close();
}

bool NativeFile::endsWhereOurWritesLeftIt(std::int64_t oldSize)
{
    const std::optional<std::int64_t> size = regularFileSize();
    return size && *size == oldSize + m_written;
}

} // namespace tintforge
