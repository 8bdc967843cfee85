// SPDX-License-Identifier: MIT
// What the window keeps from one run to the next: the folder its file dialogs last used and
// the graph files opened or saved last.
#pragma once

#include <QString>
#include <QStringList>

class QFileDialog;

inline constexpr int RecentGraphFileLimit = 8;

// The folder of the file last chosen in any file dialog; empty before the first.
QString LastUsedFolder();
void RememberFolderOf(const QString& file);
// A dialog not yet pointed at a folder of its own (it still shows the working folder) starts
// in the folder last used.
void StartInLastUsedFolder(QFileDialog& dialog);

// The graph files opened or saved last, the newest first, at most RecentGraphFileLimit.
QStringList RecentGraphFiles();
void AddRecentGraphFile(const QString& path);
void RemoveRecentGraphFile(const QString& path);
// The list with path at its front, once, cut to the limit.
QStringList WithRecentFile(QStringList files, const QString& path);
