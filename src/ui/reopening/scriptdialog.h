// SPDX-License-Identifier: MIT
#pragma once

#include "output/script/filenames.h"

#include <QString>

#include <array>
#include <string_view>

class QWidget;

namespace tintforge {

inline constexpr std::string_view ScriptDialogTitle = "Open a colour script";

// The dialog's choices of what to show, the first chosen: a caption and its file name pattern.
struct ScriptDialogFilter {
    std::string_view caption;
    std::string_view pattern;
};
inline constexpr std::array ScriptDialogFilters = {
    ScriptDialogFilter{"Colour scripts", ScriptFileName},
    ScriptDialogFilter{"All files", "*"},
};

// What the dialog lists for a filter: "Colour scripts (color.cfg)".
inline QString filterLabel(const ScriptDialogFilter &filter)
{
    return QStringLiteral("%1 (%2)").arg(QLatin1StringView(filter.caption),
                                         QLatin1StringView(filter.pattern));
}

// Asks the user for a colour script to open, starting in `folder`, and returns its path with
// forward slashes, or an empty string when the user cancels. The system's own dialog where it
// has one. Each platform's file has its own.
QString chooseScriptInDialog(QWidget *parent, const QString &folder);

} // namespace tintforge
