// SPDX-License-Identifier: MIT
#include "drives.h"

#include "output/files/localetext.h"

#include <algorithm>
#include <array>
#include <QByteArrayList>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <string_view>

namespace tintforge {

namespace {

// File systems that hold no files of a player's: the kernel's own views and the plumbing of
// the system, which no one saves a script into.
constexpr std::array<std::string_view, 22> KernelFileSystems{
    "autofs",     "binfmt_misc", "bpf",      "cgroup",   "cgroup2", "configfs",
    "debugfs",    "devpts",      "devtmpfs", "efivarfs", "fusectl", "hugetlbfs",
    "mqueue",     "nsfs",        "proc",     "pstore",   "rootfs",  "rpc_pipefs",
    "securityfs", "selinuxfs",   "sysfs",    "tracefs",
};

// Folders below which only the system mounts its own file systems.
constexpr std::array<QByteArrayView, 5> SystemFolders{"/dev", "/proc", "/sys", "/var/run",
                                                      "/var/lock"};

bool isBelow(QByteArrayView path, QByteArrayView folder)
{
    return path.startsWith(folder) && (path.size() == folder.size() || path[folder.size()] == '/');
}

// A field of the mount table, whose spaces, tabs, line feeds and backslashes stand as octal
// escapes ("\040").
QByteArray unescaped(const QByteArray &field)
{
    QByteArray bytes;
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            bool ok = false;
            const int code = field.mid(i + 1, 3).toInt(&ok, 8);
            if (ok) {
                bytes += char(code);
                i += 3;
                continue;
            }
        }
        bytes += field[i];
    }
    return bytes;
}

// The volume's name, where the system lists one for its device (/dev/disk/by-label, whose
// names hold "\x20" for a space); empty else.
QString labelOf(const QByteArray &device)
{
    const QString canonical = QFileInfo(QFile::decodeName(device)).canonicalFilePath();
    if (canonical.isEmpty())
        return {};
    const QDir labels(QStringLiteral("/dev/disk/by-label"));
    for (const QFileInfo &link : labels.entryInfoList(QDir::System | QDir::Files)) {
        if (link.canonicalFilePath() == canonical)
            return link.fileName().replace(QStringLiteral("\\x20"), QStringLiteral(" "));
    }
    return {};
}

} // namespace

// The mount table as the kernel keeps it for this program, read as text: nothing is asked of a
// mounted file system itself, so one that stopped answering anywhere on the machine holds up
// neither the list nor the chooser.
QList<Drive> drives()
{
    QFile table(QStringLiteral("/proc/self/mounts"));
    QList<Drive> list;
    if (!table.open(QIODevice::ReadOnly))
        return {{QStringLiteral("/"), QStringLiteral("/")}};
    for (const QByteArray &line : table.readAll().split('\n')) {
        const QByteArrayList fields = line.split(' ');
        if (fields.size() < 3)
            continue;
        const QByteArray root = unescaped(fields[1]);
        const std::string_view type(fields[2].constData(), std::size_t(fields[2].size()));
        const bool system =
            std::any_of(SystemFolders.begin(), SystemFolders.end(),
                        [&root](QByteArrayView folder) { return isBelow(root, folder); });
        if (system || std::find(KernelFileSystems.begin(), KernelFileSystems.end(), type) !=
                          KernelFileSystems.end())
            continue;
        // A mount point whose name is not valid in the file name encoding would open a
        // look-alike folder, or none.
        const std::optional<QString> shown = exactFileName(root);
        if (!shown)
            continue;
        // Mounted over again, a folder is one place still.
        if (std::any_of(list.begin(), list.end(), [&](const Drive &d) { return d.root == *shown; }))
            continue;
        const QString name = labelOf(unescaped(fields[0]));
        list.append(
            {name.isEmpty() ? *shown : QStringLiteral("%1  [%2]").arg(*shown, name), *shown});
    }
    return list;
}

bool isOnDrive(const QString &folder, const QString &root)
{
    const QString prefix = root.endsWith(u'/') ? root : root + u'/';
    return folder == root || folder.startsWith(prefix);
}

} // namespace tintforge
