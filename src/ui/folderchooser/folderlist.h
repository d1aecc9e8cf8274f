// SPDX-License-Identifier: MIT
#pragma once

#include <QListWidget>

namespace tintforge {

// A classic folder list: the current folder's path from its root down, each folder an entry,
// then the current folder's subfolders. Opening an entry (double-click or Enter) makes it the
// current folder; a single click only highlights.
class FolderList : public QListWidget
{
    Q_OBJECT

public:
    explicit FolderList(QWidget *parent = nullptr);

    // The folder last opened, in the platform's notation; a root keeps its separator ("C:\", "/").
    QString path() const { return m_path; }
    // Fails, changing nothing, when the folder cannot be listed.
    bool setPath(const QString &path);
    // Opens the folder, or else the nearest folder above it that can be listed, or else the home
    // folder, or else the root: afterwards path() is never empty.
    void openNearest(const QString &path);

signals:
    void pathChanged(const QString &path);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;

private:
    void open(QListWidgetItem *item);
    void fill(const QStringList &chain, const QString &folder, const QStringList &subfolders);

    QString m_path;
};

} // namespace tintforge
