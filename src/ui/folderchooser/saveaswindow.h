// SPDX-License-Identifier: MIT
#pragma once

#include "ui/messages/messagesink.h"

#include <QWidget>

class QComboBox;
class QPushButton;

namespace tintforge {

class FileWork;
class FolderList;
class SpokenNotice;

// The folder chooser "Save as...": a drive list, a folder list and Save. It keeps nothing of
// its own: Save asks the main window to write into the folder chosen. The drives and folders are
// read off its thread, so a drive that does not answer never holds it.
class SaveAsWindow : public QWidget
{
    Q_OBJECT

public:
    explicit SaveAsWindow(MessageSink showMessage);

    // The folder Save writes into: the one last opened in the folder list.
    QString currentFolder() const;
    // Shows Save as busy while a write is under way (see showBusy).
    void showWriting(bool busy);

signals:
    // Save was pressed, to write into the folder.
    void saveRequested(const QString &folder);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void fillDrives();
    void changeDrive(int index);
    void selectDriveOf(const QString &folder);
    void saveScriptClicked();

    MessageSink m_showMessage;
    FileWork *m_drivesWork = nullptr;
    // Whether the folder list is moving to a drive chosen in the drive list.
    bool m_changingDrive = false;
    QComboBox *m_drives = nullptr;
    FolderList *m_folders = nullptr;
    QPushButton *m_save = nullptr;
    SpokenNotice *m_notice = nullptr;
};

} // namespace tintforge
