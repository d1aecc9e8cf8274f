// SPDX-License-Identifier: MIT
#include "folderlist.h"

#include "subfolders.h"
#include "ui/background/filework.h"
#include "ui/words/windowwords.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPainter>
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

// The icon as it is, also on the highlighted entry: the toolkit would tint it with the desktop's
// highlight colour, which the list's own colours must not depend on.
QIcon unhighlightedIcon(const QIcon &icon, QSize size)
{
    if (!size.isValid())
        size = QSize(16, 16);
    const QPixmap normal = icon.pixmap(size);
    QIcon fixed(normal);
    fixed.addPixmap(normal, QIcon::Selected);
    return fixed;
}

QString entryName(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    return name.isEmpty() ? QDir::toNativeSeparators(path) : name; // a root shows as itself
}

} // namespace

// A folder as the list shows it, read off the window's thread.
struct FolderListing {
    QStringList chain; // the folder and all folders above it, root first
    QStringList subfolders;
};

namespace {

std::optional<FolderListing> listing(const QString &path)
{
    if (path.isEmpty())
        return std::nullopt;
    const QDir folder(QFileInfo(path).absoluteFilePath());
    std::optional<QStringList> subfolders = listSubfolders(folder.absolutePath());
    if (!subfolders)
        return std::nullopt;
    return FolderListing{chainOf(folder), std::move(*subfolders)};
}

FolderListing nearestListing(const QString &path)
{
    // Up by name, not by QDir::cdUp, which stops at the first folder that no longer exists.
    for (QString step = path.isEmpty() ? QString()
                                       : QDir::cleanPath(QFileInfo(path).absoluteFilePath());
         !step.isEmpty(); step = QFileInfo(step).path()) {
        if (std::optional<FolderListing> found = listing(step))
            return std::move(*found);
        if (QDir(step).isRoot())
            break;
    }
    for (const QString &fallback : {QDir::homePath(), QDir::rootPath()}) {
        if (std::optional<FolderListing> found = listing(fallback))
            return std::move(*found);
    }
    // Not even the root can be listed: show it, empty, so Save still names a real folder.
    return FolderListing{chainOf(QDir::root()), {}};
}

} // namespace

FolderList::FolderList(QWidget *parent) : QListWidget(parent), m_listing(new FileWork(this))
{
    // Save writes into the folder listed before meanwhile, which the list no longer shows as
    // the one asked for: said, since nothing on the screen says it.
    connect(m_listing, &FileWork::notAnswering, this, [this](const QString &path) {
        QString message = notAnsweringMessage(path, m_listing->patience(), Waiting::FolderList);
        if (!m_path.isEmpty())
            message += u' ' + saveMeanwhileText(m_path);
        emit notAnswering(message);
    });
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformItemSizes(true);
    setItemDelegate(new IndentDelegate(this));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTextElideMode(Qt::ElideRight);
    // Not itemActivated: on some desktops that fires on a single click, which must only highlight.
    connect(this, &QListWidget::itemDoubleClicked, this, &FolderList::open);
}

void FolderList::open(QListWidgetItem *item)
{
    if (!item)
        return;
    setPath(item->data(PathRole).toString());
    m_openedHere = true;
}

void FolderList::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        open(currentItem());
    else
        QListWidget::keyPressEvent(event);
}

// The keyboard's place shows as a dotted frame in the list's text colour around the whole list,
// as on the option buttons: the highlighted entry alone looks the same with or without it.
void FolderList::paintEvent(QPaintEvent *event)
{
    QListWidget::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(viewport());
    painter.setPen(QPen(palette().color(QPalette::Text), 1, Qt::DotLine));
    painter.drawRect(viewport()->rect().adjusted(0, 0, -1, -1));
}

void FolderList::focusInEvent(QFocusEvent *event)
{
    QListWidget::focusInEvent(event);
    viewport()->update();
}

void FolderList::focusOutEvent(QFocusEvent *event)
{
    QListWidget::focusOutEvent(event);
    viewport()->update();
}

// The list view reports its current entry as focused whether the list has the focus or not: a
// refill after a drive change would move a screen reader into the list while the keyboard stays
// on the drive list, and the next key would be heard wrong. Reported only with the focus here.
void FolderList::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    if (hasFocus())
        QListWidget::currentChanged(current, previous);
    else // NOLINTNEXTLINE(bugprone-parent-virtual-call): passing its report by is the point
        QAbstractItemView::currentChanged(current, previous);
}

void FolderList::setPath(const QString &path)
{
    m_openedHere = false;
    m_listing->start([path] { return listing(path); },
                     [this, path](const std::optional<FolderListing> &listed) {
                         if (listed)
                             show(*listed);
                         else
                             emit pathRefused(path);
                         if (std::exchange(m_openedHere, false) && listed)
                             emit folderOpened(m_path);
                     });
}

void FolderList::openNearest(QString (*where)())
{
    m_openedHere = false;
    m_listing->start([where] { return nearestListing(where()); },
                     [this](const FolderListing &listed) { show(listed); });
}

void FolderList::show(const FolderListing &listing)
{
    fill(listing.chain, listing.chain.last(), listing.subfolders);
    m_path = QDir::toNativeSeparators(listing.chain.last());
    emit pathChanged(m_path);
}

// Items are filled before they join the list and all have one height, so that a folder of a
// hundred thousand subfolders lists in one pass, without the view measuring or redrawing each.
void FolderList::fill(const QStringList &chain, const QString &folder,
                      const QStringList &subfolders)
{
    setUpdatesEnabled(false);
    clear();
    const QIcon open = unhighlightedIcon(style()->standardIcon(QStyle::SP_DirOpenIcon), iconSize());
    const QIcon closed =
        unhighlightedIcon(style()->standardIcon(QStyle::SP_DirClosedIcon), iconSize());
    const auto add = [this](const QString &path, const QString &name, int level,
                            const QIcon &icon) {
        auto *item = new QListWidgetItem(icon, name);
        item->setData(PathRole, path);
        item->setData(LevelRole, level);
        // Heard with the entry, as the indent shows it: the root is level 1.
        item->setData(Qt::AccessibleDescriptionRole, folderLevelText(level + 1));
        addItem(item);
    };
    for (int level = 0; level < chain.size(); ++level)
        add(chain[level], entryName(chain[level]), level, open);
    const QString prefix = folder.endsWith(u'/') ? folder : folder + u'/';
    for (const QString &name : subfolders)
        add(prefix + name, name, int(chain.size()), closed);
    setCurrentRow(int(chain.size()) - 1);
    setUpdatesEnabled(true);
}

} // namespace tintforge
