// SPDX-License-Identifier: MIT
#pragma once

#include <QListWidget>

namespace tintforge {

class FileWork;
struct FolderListing;

// A classic folder list: the current folder's path from its root down, each folder an entry,
// then the current folder's subfolders. Opening an entry (double-click or Enter) makes it the
// current folder; a single click only highlights. Folders are listed off the window's thread and
// shown once listed; a folder asked for while another is being listed takes its place.
class FolderList : public QListWidget
{
    Q_OBJECT

public:
    explicit FolderList(QWidget *parent = nullptr);

    // The folder last opened, in the platform's notation; a root keeps its separator ("C:\", "/").
    QString path() const { return m_path; }
    // Opens the folder once it is listed (pathChanged), or changes nothing when it cannot be
    // (pathRefused).
    void setPath(const QString &path);
    // Opens the folder `where` gives, or else the nearest folder above it that can be listed, or
    // else the home folder, or else the root: afterwards path() is never empty. `where` is asked
    // off the window's thread too, since finding the folder may wait on the file system.
    void openNearest(QString (*where)());

signals:
    void pathChanged(const QString &path);
    void pathRefused(const QString &path);
    // The folder the user opened in the list (Enter, double-click) is open.
    void folderOpened(const QString &path);
    // What to tell the user when a folder has not answered for a while.
    void notAnswering(const QString &message);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;

private:
    void open(QListWidgetItem *item);
    void show(const FolderListing &listing);
    void fill(const QStringList &chain, const QString &folder, const QStringList &subfolders);

    FileWork *m_listing;
    // Whether the folder being listed is one the user opened in the list.
    bool m_openedHere = false;

    QString m_path;
};

} // namespace tintforge
