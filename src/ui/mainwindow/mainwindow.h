// SPDX-License-Identifier: MIT
#pragma once

#include "model/composition.h"
#include "output/files/fileerror.h"
#include "output/game/open.h"
#include "ui/messages/messagesink.h"

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <QImage>
#include <QPointer>
#include <QUrl>
#include <QWidget>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;

namespace tintforge {

class FileWork;
class SaveAsWindow;
struct Swatch;
class SpokenNotice;

// Hands an address to the desktop's own handler for web or mail addresses; false when none
// could be started. Tests replace it, so that nothing is launched.
using LinkOpener = std::function<bool(const QUrl &address)>;

// Asks the user for a colour script to open, starting in `folder`: the system's file dialog.
// Gives the file chosen, or nothing. Tests replace it, so that no dialog waits for a click.
using ScriptChooser = std::function<QString(QWidget *parent, const QString &folder)>;

// The main window. It owns the one composition, shows it, and hands each user event to the
// model or the output layer, then redraws from the composition.
class MainWindow : public QWidget
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    // The chooser writes this window's composition, so it does not outlive it.
    ~MainWindow() override;

    const Composition &composition() const { return m_composition; }
    void setMessageSink(MessageSink sink) { m_showMessage = std::move(sink); }
    void setLinkOpener(LinkOpener opener) { m_openLink = std::move(opener); }
    void setScriptChooser(ScriptChooser chooser) { m_chooseScript = std::move(chooser); }

    // Shows the folder chooser, creating it when none is open; never a second one.
    void openFolderChooser();
    // Takes the texts, colours and clan switch a colour script holds, once it is read: the
    // selected segment and the glyph box stay. Says which segments were left empty when not all
    // of it could be read; a file that cannot be read at all, or named exactly, changes nothing
    // and is named in the message. A script named while another is still being read is the one
    // taken.
    void openScript(const Result<QString, FileError> &named);
    // Ctrl+O: opens the colour script the user chooses, starting in the folder Make writes into,
    // once that is found.
    void chooseScriptToOpen();
    // A segment field's context menu: the usual editing actions and a "Colour" submenu that
    // names the swatches, each of which selects the segment and applies the swatch.
    std::unique_ptr<QMenu> segmentMenu(SegmentId id);

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void createClickAreas();
    void createControls();
    std::array<QLabel *, 3> createCaptions();
    void createGlyphBox();
    void createSegmentRow(SegmentId id);
    void createButtons();
    void setTabOrder();
    void connectEvents();
    void createFileWork();
    void refresh();
    void refreshField(SegmentId id);
    void fillGlyphBox();
    void appendGlyph();
    // A control characters are left out of, by the name it is told by, with its limit (-1: none).
    struct Place {
        QString words;
        qsizetype limit;
    };
    void tellLeftOut(const Place &where, const QString &refused, const QString &cut,
                     bool withOthers);
    void showLeftOut(const Place &where, const QString &refused, const QString &cut);
    void makeScriptClicked();
    void saveScriptInto(const QString &folder);
    bool refusedWhileWriting();
    bool takeFileDrop(QEvent *event);
    void takeScript(const QString &path, const Result<OpenedScript, OpenFailure> &opened);
    void colourActive(const Swatch &swatch);
    void lookUpMakeDestination();
    void showMakeDestination(const QString &destination);
    void tellWritten(const QString &folder);
    void tellKept(const std::vector<QString> &kept);
    void tellOnReturn();
    void openLink(const QUrl &address);

    Composition m_composition;
    PerSegment<QLineEdit *> m_fields{};
    PerSegment<QRadioButton *> m_options{};
    QCheckBox *m_clanSwitch = nullptr;
    QComboBox *m_glyphCombo = nullptr;
    QPushButton *m_make = nullptr;
    QPushButton *m_appendGlyph = nullptr;
    QPushButton *m_saveAs = nullptr;
    MessageSink m_showMessage;
    LinkOpener m_openLink;
    ScriptChooser m_chooseScript;
    QPointer<SaveAsWindow> m_chooser;
    SpokenNotice *m_notice = nullptr;
    // What a Save did, said once this window has the keyboard back from the chooser.
    QString m_toldOnReturn;
    // The work that waits on the file system, each off this window's thread: Make and Save, one
    // at a time; where Make writes, for its tip and description; where Ctrl+O starts; and the
    // script being opened.
    FileWork *m_writes = nullptr;
    FileWork *m_destination = nullptr;
    FileWork *m_openStart = nullptr;
    FileWork *m_opening = nullptr;
    // Whether the write under way is a Save, whose failure shows over the chooser.
    bool m_saving = false;
    // Where the pointer asked for Make's tip, which shows once the folder is found.
    std::optional<QPoint> m_tipWantedAt;

    QImage m_paletteStrip;
    QImage m_banner; // rendered for the device pixel ratio it was last painted at
};

} // namespace tintforge
