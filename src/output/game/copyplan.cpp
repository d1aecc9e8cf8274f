// SPDX-License-Identifier: MIT
#include "copyplan.h"

#include "gamefolder.h"
#include "output/files/filereads.h"
#include "output/files/nativefile.h"
#include "output/files/paths.h"

namespace tintforge {

CopyPlan::CopyPlan(const QString &folder) : CopyPlan(folder, redirectedTwin(folder)) {}

CopyPlan::CopyPlan(const QString &folder, std::optional<QString> twin)
    : m_folder(folder), m_twin(std::move(twin))
{}

bool CopyPlan::onlyAsTwin() const
{
    return m_twin && !isFolder(m_folder) && isFolder(*m_twin);
}

bool CopyPlan::sendsToTwin(const FileCause &failure) const
{
    return m_twin && (accessDenied(failure) || onlyAsTwin());
}

bool CopyPlan::foreseesTwin() const
{
    if (!m_twin)
        return false;
    const Result<NativeFolder, FileCause> opened = NativeFolder::open(m_folder);
    return (opened && opened->refusesNewFiles()) || onlyAsTwin();
}

bool CopyPlan::intoTwin(const QString &name, bool sentToTwin) const
{
    return m_twin && (sentToTwin || nameExists(joinPath(*m_twin, name)));
}

QString CopyPlan::folderRead(const QString &name, bool sentToTwin) const
{
    return intoTwin(name, sentToTwin) ? *m_twin : m_folder;
}

} // namespace tintforge
