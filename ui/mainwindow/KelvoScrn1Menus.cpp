// SPDX-License-Identifier: MIT
// The main window's menu bar, the builder of the menus' rows, and the helpers the commands of
// every menu share: the draw guard, message boxes, file questions and file results.
#include "ui/mainwindow/KelvoScrn1.h"

#include "io/Codec.h"
#include "render/Program.h"
#include "render/Sequences.h"
#include "ui/EngineTexts.h"
#include "ui/Forms.h"
#include "ui/mainwindow/PictureBox.h"

#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>

QAction* MainWindowControls::item(const QString& name) const {
  const auto found = items.find(name);
  return found == items.end() ? nullptr : found->second;
}

QMenu* MainWindowControls::menu(const QString& name) const {
  const auto found = menus.find(name);
  return found == menus.end() ? nullptr : found->second;
}

void TKelvoScrn1::createMenus() {
  // The menu bar from left to right.
  for (QAction* entry :
       {createFileMenu(), createEditMenu(), createFunctionMenu(), createDrawMenu(),
        createAxesMenu(), createViewMenu(), createPlaneMenu(), createLineMenu(), createBoxMenu(),
        createContoursMenu(), createMovieMenu(), createSamplesMenu(), createHelpMenu()})
    menuBar()->addAction(entry);
}

QAction* TKelvoScrn1::buildMenu(const char* name, const QString& title,
                                const std::vector<MenuRow>& rows) {
  auto* menu = new QMenu(title, menuBar());
  menus[name] = menu;
  addRows(*menu, rows);
  return menu->menuAction();
}

QAction* TKelvoScrn1::buildTopItem(const MenuRow& row) {
  return commandItem(row, menuBar());
}

void TKelvoScrn1::addRows(QMenu& menu, const std::vector<MenuRow>& rows) {
  for (const MenuRow& row : rows) {
    if (!row.name) {
      menu.addSeparator();
    } else if (!row.rows.empty()) {
      QMenu* sub = menu.addMenu(row.text);
      menus[row.name] = sub;
      addRows(*sub, row.rows);
    } else {
      menu.addAction(commandItem(row, &menu));
    }
  }
}

QAction* TKelvoScrn1::commandItem(const MenuRow& row, QObject* owner) {
  auto* action = new QAction(row.text, owner);
  action->setObjectName(row.name);
  action->setShortcut(row.key);
  connect(action, &QAction::triggered, this, row.handler);
  // Connected after the command, so that the caption shows what the command changed.
  connect(action, &QAction::triggered, this, &TKelvoScrn1::updateCaption);
  items[row.name] = action;
  return action;
}

bool TKelvoScrn1::drawing() const {
  return p.DrawInProgress;
}

int TKelvoScrn1::runModal(QDialog& dialog) {
  return m_forms.runModal(dialog);
}

void TKelvoScrn1::runPictureStep(void (*step)(Program&)) {
  if (drawing()) return;
  step(p);
  PaintBox1->showPicture();
}

void TKelvoScrn1::captureAndShow() {
  CapturePicture(p);
  PaintBox1->showPicture();
}

void TKelvoScrn1::bringForward(QWidget& window) {
  window.show();
  window.raise();
  window.activateWindow();
}

void TKelvoScrn1::showInformation(const QString& text) {
  QMessageBox box(QMessageBox::Information, windowTitle(), text, QMessageBox::Ok, this);
  runModal(box);
}

void TKelvoScrn1::showWarning(const QString& text) {
  QMessageBox box(QMessageBox::Warning, windowTitle(), text, QMessageBox::Ok, this);
  runModal(box);
}

TKelvoScrn1::SaveChoice TKelvoScrn1::askSaveFile(const QString& title, const QString& filter,
                                                 const QString& defaultSuffix,
                                                 const QString& offered) {
  QFileDialog dialog(this, title, QString(), filter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  if (!defaultSuffix.isEmpty()) dialog.setDefaultSuffix(defaultSuffix);
  if (!offered.isEmpty()) dialog.selectFile(offered);
  QString path = chosenFile(dialog);
  return {path, path.isEmpty() ? QString() : dialog.selectedNameFilter()};
}

QString TKelvoScrn1::chosenFile(QFileDialog& dialog) {
  if (runModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

bool TKelvoScrn1::showFileResult(FileResult result, const QString& path) {
  if (result.ok) return true;
  showWarning(tr("%1: %2").arg(path, EngineText(result.message)));
  return false;
}
