// SPDX-License-Identifier: MIT
#pragma once

#include "ui/messages/messagesink.h"

#include <QWidget>

class QComboBox;
class QPushButton;

namespace tintforge {

class Composition;

class FolderList;
class SpokenNotice;

// The folder chooser "Save as...": a drive list, a folder list and Save. It keeps nothing of
// its own and writes the composition it was given, which belongs to the main window.
class SaveAsWindow : public QWidget
{
    Q_OBJECT

public:
    explicit SaveAsWindow(const Composition &composition, MessageSink showMessage);

    // The folder Save writes into: the one last opened in the folder list.
    QString currentFolder() const;

signals:
    // Save wrote into the folder; the chooser closes next.
    void saved(const QString &folder);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void fillDrives();
    void changeDrive(int index);
    void selectDriveOf(const QString &folder);
    void saveScriptClicked();

    const Composition &m_composition;
    MessageSink m_showMessage;
    QComboBox *m_drives = nullptr;
    FolderList *m_folders = nullptr;
    QPushButton *m_save = nullptr;
    SpokenNotice *m_notice = nullptr;
};

} // namespace tintforge
