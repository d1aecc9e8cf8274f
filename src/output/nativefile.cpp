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

} // namespace tintforge
