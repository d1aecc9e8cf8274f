// SPDX-License-Identifier: MIT
#include "saveaswindow.h"

#include "drives.h"
#include "folderlist.h"
#include "subfolders.h"
#include "ui/accessibility/accessibility.h"
#include "ui/accessibility/spokennotice.h"
#include "ui/background/busybutton.h"
#include "ui/background/filework.h"
#include "ui/look/layout.h"
#include "ui/look/windowlook.h"
#include "ui/words/windowwords.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QPushButton>

namespace tintforge {

namespace {

constexpr int RootRole = Qt::UserRole;

// The drive list, yellow on black when open as well as closed. A style that draws combo pop-ups
// as menus gives the pop-up the desktop's menu colours, so they are set again at every opening.
class DriveList : public QComboBox
{
public:
    using QComboBox::QComboBox;
    void showPopup() override
    {
        recolour();
        QComboBox::showPopup();
        recolour();
    }

private:
    void recolour()
    {
        view()->setPalette(listPalette());
        view()->window()->setPalette(listPalette());
    }
};

} // namespace

SaveAsWindow::SaveAsWindow(MessageSink showMessage)
    : QWidget(nullptr, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_showMessage(std::move(showMessage))
{
    registerAccessibleRoles();
    setObjectName(QStringLiteral("SaveAsWindow"));
    setWindowTitle(QStringLiteral("Save as..."));
    setFixedSize(pixels(layout::SaveAsWindowWidth), pixels(layout::SaveAsWindowHeight));
    setAttribute(Qt::WA_DeleteOnClose);
    // A tool window does not keep a program running by default; this one has no owner and does.
    setAttribute(Qt::WA_QuitOnClose);
    setAutoFillBackground(true);
    setPalette(surfacePalette());

    m_folders = place(new FolderList(this), layout::folderList);
    m_drives = place(new DriveList(this), layout::driveList);
    m_save = place(new QPushButton(QStringLiteral("Save"), this), layout::saveButton);
    m_notice = new SpokenNotice(this);
    styleButton(m_save);
    m_save->setAutoDefault(true);
    for (QWidget *list : {static_cast<QWidget *>(m_folders), static_cast<QWidget *>(m_drives)})
        list->setPalette(listPalette());
    setAccessibleName(windowTitle());
    m_folders->setAccessibleName(controlName(ControlName::Folders));
    nameDropDown(m_drives, QStringLiteral("drives"));
    setTabOrder(m_folders, m_drives);
    setTabOrder(m_drives, m_save);

    fillDrives();
    connect(m_folders, &FolderList::pathChanged, this, &SaveAsWindow::selectDriveOf);
    // Screen readers hear where Save will write, on focus and whenever it changes; after a
    // change of drive, from the drive list too, where the keyboard stays.
    connect(m_folders, &FolderList::pathChanged, this, [this](const QString &folder) {
        m_folders->setAccessibleDescription(currentFolderText(folder));
        if (std::exchange(m_changingDrive, false))
            m_notice->say(currentFolderText(folder));
    });
    // Enter on a folder repeats only its name; the folder now open is said whole.
    connect(m_folders, &FolderList::folderOpened, this,
            [this](const QString &folder) { m_notice->say(currentFolderText(folder)); });
    connect(m_folders, &FolderList::pathRefused, this, [this] {
        if (std::exchange(m_changingDrive, false))
            selectDriveOf(m_folders->path());
    });
    connect(m_folders, &FolderList::notAnswering, this,
            [this](const QString &message) { m_showMessage(this, message); });
    m_folders->openNearest(faithfulCurrentFolder);
    connect(m_drives, &QComboBox::currentIndexChanged, this, &SaveAsWindow::changeDrive);
    connect(m_save, &QPushButton::clicked, this, &SaveAsWindow::saveScriptClicked);
    m_folders->setFocus();
}

// Escape closes the chooser, as it closes any dialog, once the focused control has not taken it:
// with the drive list open, it closes the list alone. Only a fresh press closes: on Wayland the
// toolkit loses the release of the Escape that closed the list with the list's surface, and its
// own key repeat then sends that Escape on to the chooser.
void SaveAsWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        if (!event->isAutoRepeat())
            close();
    } else {
        QWidget::keyPressEvent(event);
    }
}

QString SaveAsWindow::currentFolder() const
{
    return m_folders->path();
}

void SaveAsWindow::showWriting(bool busy)
{
    showBusy(m_save, busy);
}

// The drives come when every one has answered; one that does not holds only the list.
void SaveAsWindow::fillDrives()
{
    m_drivesWork = new FileWork(this);
    m_drivesWork->setObjectName(QStringLiteral("drivesWork"));
    connect(m_drivesWork, &FileWork::notAnswering, this, [this](const QString &path) {
        m_showMessage(this,
                      notAnsweringMessage(path, m_drivesWork->patience(), Waiting::DriveList));
    });
    m_drivesWork->start(drives, [this](const QList<Drive> &found) {
        const QSignalBlocker block(m_drives);
        for (const Drive &drive : found)
            m_drives->addItem(drive.text, drive.root);
        selectDriveOf(m_folders->path());
    });
}

// Moves the folder list to the chosen drive; a drive that cannot be read puts the selection back
// on the drive where the folder list still stands, without a word: an empty disc drive or a
// card reader is no fault, and the list, unchanged, already shows where Save writes. The keyboard
// stays on the drive list, so screen readers are told the folder Save now writes into.
void SaveAsWindow::changeDrive(int index)
{
    if (index < 0) {
        selectDriveOf(m_folders->path());
        return;
    }
    m_changingDrive = true;
    m_folders->setPath(m_drives->itemData(index, RootRole).toString());
}

void SaveAsWindow::selectDriveOf(const QString &folder)
{
    int best = -1;
    qsizetype bestLength = -1;
    for (int i = 0; i < m_drives->count(); ++i) {
        const QString root = m_drives->itemData(i, RootRole).toString();
        if (isOnDrive(folder, root) && root.size() > bestLength) {
            best = i;
            bestLength = root.size();
        }
    }
    const QSignalBlocker block(m_drives);
    m_drives->setCurrentIndex(best);
    m_drives->setAccessibleDescription(best < 0 ? QString()
                                                : currentDriveText(m_drives->itemText(best)));
}

// Until the first folder is listed there is none to write into: a press then only sounds.
void SaveAsWindow::saveScriptClicked()
{
    if (currentFolder().isEmpty()) {
        QApplication::beep();
        return;
    }
    emit saveRequested(currentFolder());
}

} // namespace tintforge
