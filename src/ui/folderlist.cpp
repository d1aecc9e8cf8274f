#include "folderlist.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QStyle>
#include <QStyledItemDelegate>

namespace tintforge {

namespace {

constexpr int PathRole = Qt::UserRole;
constexpr int LevelRole = Qt::UserRole + 1;
constexpr int IndentPerLevel = 8; // pixels per level below the root

// Draws each entry shifted by its depth, so the list reads as a path and its branches.
class IndentDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        QStyleOptionViewItem shifted = option;
        shifted.rect.adjust(index.data(LevelRole).toInt() * IndentPerLevel, 0, 0, 0);
        QStyledItemDelegate::paint(painter, shifted, index);
    }
};

// The folder and all folders above it, root first.
QStringList chainOf(const QDir &folder)
{
    QStringList chain;
    QDir step = folder;
    chain.prepend(step.absolutePath());
    while (step.cdUp())
        chain.prepend(step.absolutePath());
    return chain;
}

QString entryName(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    return name.isEmpty() ? QDir::toNativeSeparators(path) : name; // a root shows as itself
}

} // namespace

FolderList::FolderList(QWidget *parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setItemDelegate(new IndentDelegate(this));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTextElideMode(Qt::ElideRight);
    // Not itemActivated: on some desktops that fires on a single click, which must only highlight.
    connect(this, &QListWidget::itemDoubleClicked, this, &FolderList::open);
}

void FolderList::open(QListWidgetItem *item)
{
    if (item)
        setPath(item->data(PathRole).toString());
}

void FolderList::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        open(currentItem());
    else
        QListWidget::keyPressEvent(event);
}

bool FolderList::setPath(const QString &path)
{
    // An unreadable folder would list as empty rather than fail; refuse it up front.
    const QFileInfo info(path);
    if (!info.isDir() || !info.isReadable() || !info.isExecutable())
        return false;
    const QDir folder(info.absoluteFilePath());

    QStringList subfolders;
    const QFileInfoList entries = folder.entryInfoList(
        QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo &entry : entries)
        subfolders.append(entry.absoluteFilePath());

    const QStringList chain = chainOf(folder);
    fill(chain, subfolders);
    m_path = QDir::toNativeSeparators(chain.last());
    emit pathChanged(m_path);
    return true;
}

void FolderList::fill(const QStringList &chain, const QStringList &subfolders)
{
    clear();
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
    const auto add = [this](const QString &path, int level, const QIcon &icon) {
        auto *item = new QListWidgetItem(icon, entryName(path), this);
        item->setData(PathRole, path);
        item->setData(LevelRole, level);
    };
    for (int level = 0; level < chain.size(); ++level)
        add(chain[level], level, open);
    for (const QString &subfolder : subfolders)
        add(subfolder, int(chain.size()), closed);
    setCurrentRow(int(chain.size()) - 1);
}

} // namespace tintforge
