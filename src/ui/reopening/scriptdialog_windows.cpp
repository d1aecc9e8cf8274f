// SPDX-License-Identifier: MIT
#include "scriptdialog.h"

#include "ui/words/windowwords.h"

#include <QDir>
#include <QString>
#include <QWidget>

#include <windows.h>

#include <commdlg.h>

#include <string>
#include <vector>

namespace tintforge {

// The system's open dialog, called directly: the program then carries none of Qt's own file
// dialog, which Windows never shows anyway.
QString chooseScriptInDialog(QWidget *parent, const QString &folder)
{
    const std::wstring title = scriptDialogTitle().toStdWString();
    // Each label and its pattern ended by a null, the list by a second one.
    std::wstring filters;
    for (const FileChoice &choice : scriptDialogChoices()) {
        filters += choice.label.toStdWString() + L'\0';
        filters += choice.pattern.toStdWString() + L'\0';
    }
    const std::wstring start = QDir::toNativeSeparators(folder).toStdWString();
    // Room for the longest path the system takes.
    std::vector<wchar_t> chosen(32768, L'\0');

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = parent ? reinterpret_cast<HWND>(parent->window()->winId()) : nullptr;
    dialog.lpstrFilter = filters.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = chosen.data();
    dialog.nMaxFile = static_cast<DWORD>(chosen.size());
    dialog.lpstrInitialDir = start.c_str();
    dialog.lpstrTitle = title.c_str();
    dialog.Flags =
        OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (!GetOpenFileNameW(&dialog))
        return {};
    return QDir::fromNativeSeparators(QString::fromWCharArray(chosen.data()));
}

} // namespace tintforge
