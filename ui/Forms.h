// SPDX-License-Identifier: MIT
// Every window and dialog of the program, created once at start-up and kept to the end.
#pragma once

#include <functional>
#include <memory>

class QDialog;
struct Program;
class TMainMenu;
class TKelvoScrn1;
class TChange1Dlg;
class TEqnDlg;
class TDomainDlg;
class TAxesDlg;
class TViewDlg;
class TParamDlg;
class TMovieDlg;
class TSweepDlg;
class TPlaneDlg;
class TLineDlg;
class TContourDlg;
class TZlevelsFm;
class THelpDlg;
class TSampleFm;
class TGraphsFm;
class TColorForm;
class TColorForm2;
class TFuncList;
class TJPGDlg;
class ParameterSliders;

class Forms {
public:
  // Creates the forms in start-up order; all hidden.
  explicit Forms(Program& program);
  ~Forms();
  Forms(const Forms&) = delete;
  Forms& operator=(const Forms&) = delete;

  // Shows a dialog modally and returns its result. Tests replace it so that a dialog can be
  // answered without a nested event loop. A file dialog starts in the folder last used, and an
  // accepted one leaves its folder to the next.
  int runModal(QDialog& dialog);
  std::function<int(QDialog&)> modalRunner;
  // The start-up form and the main window open maximized; tests use their own size.
  bool maximized = true;

  Program& program;
  std::unique_ptr<TMainMenu> mainMenu;
  std::unique_ptr<TKelvoScrn1> kelvoScrn1;
  std::unique_ptr<TChange1Dlg> change1Dlg;
  std::unique_ptr<TEqnDlg> eqnDlg;
  std::unique_ptr<TDomainDlg> domainDlg;
  std::unique_ptr<TAxesDlg> axesDlg;
  std::unique_ptr<TViewDlg> viewDlg;
  std::unique_ptr<TParamDlg> paramDlg;
  std::unique_ptr<TMovieDlg> movieDlg;
  std::unique_ptr<TSweepDlg> sweepDlg;
  std::unique_ptr<TPlaneDlg> planeDlg;
  std::unique_ptr<TLineDlg> lineDlg;
  std::unique_ptr<TContourDlg> contourDlg;
  std::unique_ptr<TZlevelsFm> zlevelsFm;
  std::unique_ptr<THelpDlg> helpDlg;
  std::unique_ptr<TSampleFm> sampleFm;
  std::unique_ptr<TGraphsFm> graphsFm;
  std::unique_ptr<TColorForm> colorForm;
  std::unique_ptr<TColorForm2> colorForm2;
  std::unique_ptr<TFuncList> funcList;
  std::unique_ptr<TJPGDlg> jpgDlg;
  std::unique_ptr<ParameterSliders> parameterSliders;
};
