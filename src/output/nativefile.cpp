// SPDX-License-Identifier: MIT
#include "nativefile.h"

namespace tintforge {

NativeFile::NativeFile(const QString &path, Mode mode) : m_handle(openHandle(path, mode))
{
    if (!isOpen())
        fail();
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
