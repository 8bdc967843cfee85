// SPDX-License-Identifier: MIT
// Creation of the program's forms in their start-up order.
#include "ui/Forms.h"
#include "ui/Accessibility.h"
#include "ui/Axes1.h"
#include "ui/Changer1.h"
#include "ui/Contour1.h"
#include "ui/Domain1.h"
#include "ui/Eqn1Dlg.h"
#include "ui/Helpunit.h"
#include "ui/ColorFm.h"
#include "ui/ColorFm2.h"
#include "ui/FuncVals.h"
#include "ui/GraphsFm.h"
#include "ui/JPG1.h"
#include "ui/mainwindow/KelvoScrn1.h"
#include "ui/MainMenu.h"
#include "ui/Moviefm.h"
#include "ui/SweepDlg.h"
#include "ui/Param1.h"
#include "ui/ParameterSliders.h"
#include "ui/Planeu.h"
#include "ui/SampleList.h"
#include "ui/View.h"
#include "ui/WindowSettings.h"
#include "ui/Zlevels.h"
#include "ui/Looks.h"
#include "ui/lineu.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>

Forms::Forms(Program& p) : program(p) {
  mainMenu = std::make_unique<TMainMenu>(*this);
  kelvoScrn1 = std::make_unique<TKelvoScrn1>(*this);
  change1Dlg = std::make_unique<TChange1Dlg>(p);
  eqnDlg = std::make_unique<TEqnDlg>(p);
  domainDlg = std::make_unique<TDomainDlg>(p);
  axesDlg = std::make_unique<TAxesDlg>(p);
  viewDlg = std::make_unique<TViewDlg>(p);
  colorForm = std::make_unique<TColorForm>(*this);
  paramDlg = std::make_unique<TParamDlg>(p);
  movieDlg = std::make_unique<TMovieDlg>(p);
  sweepDlg = std::make_unique<TSweepDlg>(p);
  planeDlg = std::make_unique<TPlaneDlg>(p);
  lineDlg = std::make_unique<TLineDlg>(p);
  contourDlg = std::make_unique<TContourDlg>(p);
  zlevelsFm = std::make_unique<TZlevelsFm>(p);
  helpDlg = std::make_unique<THelpDlg>();
  sampleFm = std::make_unique<TSampleFm>(p);
  graphsFm = std::make_unique<TGraphsFm>(p);
  colorForm2 = std::make_unique<TColorForm2>(*this);
  funcList = std::make_unique<TFuncList>(*this);
  jpgDlg = std::make_unique<TJPGDlg>(p);
  parameterSliders = std::make_unique<ParameterSliders>(p);
  // Under a dark desktop theme the texts whose colours the forms fix stay readable; screen
  // readers name every field by its label.
  for (QWidget* form : QApplication::topLevelWidgets()) {
    KeepTextReadable(form);
    NameFieldsByTheirLabels(form);
  }
}

Forms::~Forms() = default;

int Forms::runModal(QDialog& dialog) {
  // Every file dialog of the program starts in the folder the last one was left in.
  auto* files = qobject_cast<QFileDialog*>(&dialog);
  if (files) StartInLastUsedFolder(*files);
  const int result = modalRunner ? modalRunner(dialog) : dialog.exec();
  if (files && result == QDialog::Accepted && !files->selectedFiles().isEmpty())
    RememberFolderOf(files->selectedFiles().constFirst());
  return result;
}
