// SPDX-License-Identifier: MIT
// The window's settings, kept by QSettings under the program's name.
#include "ui/WindowSettings.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>

namespace {

const char* const FolderKey = "files/lastFolder";
const char* const RecentKey = "files/recentGraphs";

QSettings settings() {
  return QSettings(QStringLiteral("Kelvo"), QStringLiteral("Kelvo"));
}

void storeRecent(const QStringList& files) {
  QSettings store = settings();
  store.setValue(RecentKey, files);
}

} // namespace

QString LastUsedFolder() {
  return settings().value(FolderKey).toString();
}

void RememberFolderOf(const QString& file) {
  if (file.isEmpty()) return;
  const QFileInfo info(file);
  // A folder chosen as such is the folder; a file stands in the folder that holds it.
  const QString folder = info.isDir() ? info.absoluteFilePath() : info.absolutePath();
  QSettings store = settings();
  store.setValue(FolderKey, folder);
}

void StartInLastUsedFolder(QFileDialog& dialog) {
  const QString folder = LastUsedFolder();
  if (folder.isEmpty() || !QFileInfo(folder).isDir()) return;
  if (QDir(dialog.directory()).absolutePath() != QDir::currentPath()) return;
  dialog.setDirectory(folder);
}

QStringList RecentGraphFiles() {
  QStringList files = settings().value(RecentKey).toStringList();
  files.removeAll(QString());
  while (files.size() > RecentGraphFileLimit) files.removeLast();
  return files;
}

QStringList WithRecentFile(QStringList files, const QString& path) {
  files.removeAll(path);
  files.prepend(path);
  while (files.size() > RecentGraphFileLimit) files.removeLast();
  return files;
}

void AddRecentGraphFile(const QString& path) {
  storeRecent(WithRecentFile(RecentGraphFiles(), QFileInfo(path).absoluteFilePath()));
}

void RemoveRecentGraphFile(const QString& path) {
  QStringList files = RecentGraphFiles();
  files.removeAll(path);
  storeRecent(files);
}
