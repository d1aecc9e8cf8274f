// SPDX-License-Identifier: MIT
#include "nativefile.h"

#include "gamefolder.h"

namespace tintforge {

FileError NativeFolder::errorAt(const QString &name) const
{
    return {pathOf(name), m_error, m_accessDenied};
}

QString NativeFolder::pathOf(const QString &name) const
{
    return joinPath(m_path, name);
}

NativeFile::~NativeFile()
{
    close();
}

bool NativeFile::endsWhereOurWritesLeftIt(std::int64_t oldSize)
{
    const std::optional<std::int64_t> size = regularFileSize();
    return size && *size == oldSize + m_written;
}

} // namespace tintforge
