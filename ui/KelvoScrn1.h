// SPDX-License-Identifier: MIT
// TKelvoScrn1, the main window: the picture, its commands and the rotation panel. The
// handlers of each menu live in a file of their own (KelvoScrn1File.cpp, ...Edit.cpp, ...).
#pragma once

#include <QMainWindow>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

class QAction;
class QDialog;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPoint;
class QPushButton;
class QTimer;
class QToolButton;
class Forms;
class PictureBox;
struct FileResult;
struct FullGraphLabels;
class QPagedPaintDevice;
class QPrinter;
class RotationPanel;
struct Program;
enum class Arrow;

class TKelvoScrn1 : public QMainWindow {
  Q_OBJECT
public:
  explicit TKelvoScrn1(Forms& forms);
  ~TKelvoScrn1() override;

  // Hand-over from the start-up form once a kind has been chosen (FormShow): defaults,
  // caption, menus and labels of the kind, and the bare axes.
  void showForKind();

  // The layout around the graphing rectangle for the current picture rectangle.
  void placeControls();
  // Called before each cancel poll of a draw, so that the progress reaches the screen.
  void pollRepaint();

  // Commands. While a draw runs, every one of them but DrawBtnClick is ignored: they are
  // reachable from the cancel poll and would otherwise draw inside the running drawing.
  void Draw1Click();
  void DrawBtnClick();
  void BitBtn1Click();
  void BitBtn2Click();
  void BitBtn3Click();
  void BitBtn4Click();
  void Exit1Click();
  void Parameters1Click();
  void Domain1Click();
  void Curves1Click();
  void Step1Click();
  void GraphTitle1Click();
  void ClearScreen1Click();
  void Function1Click();
  void ChangeAxes1Click();
  void DrawAxes1Click();
  void FitAxes1Click();
  void View1Click();
  // View > Reset Zoom; the wheel, + and - and a double click in the picture zoom it
  // (KelvoScrn1View.cpp, with dragging, arrow keys, typed angles and the resize redraw).
  void ResetZoom1Click();
  // Once resizing has paused, a graph on show is drawn again at the new size. The timer
  // calls it; a test may call it directly.
  void redrawAfterResize();
  bool resizeRedrawWaiting() const;
  void Samples1Click();
  void Help1Click();
  void EditFunctionsAfterError();
  void ClearInfoLabels();
  // File menu: pictures and printing.
  void OpenGraph1Click();
  void Savefullgraph1Click();
  void SaveOnlyinsiderectangle1Click();
  void PrintGraph1Click();
  void PrinterSetUp1Click();
  // Opens a picture by the Open rules (its extension); false with a message on failure.
  bool openPictureFile(const QString& path);
  // Saves the picture (full: with title and labels) by the Save rules of the chosen name.
  bool savePictureAs(const QString& chosen, bool full);
  // Prints the picture with its title and labels scaled to the page; false (a beep) on failure.
  bool printPicture(QPagedPaintDevice& device);
  // Edit menu: clipboard, graph size, image editor.
  void Edit1Click();
  void CopyGraph1Click();
  void PasteGraph1Click();
  void Normal1Click();
  void N80Normal1Click();
  void N60Normal1Click();
  void Graph1Click();
  // Plane, Line, Box and Contours menus.
  void Draw2Click();
  void Edit2Click();
  void Draw3Click();
  void Edit3Click();
  void Box1Click();
  void DrawBox1Click();
  void Draw4Click();
  void Edit6Click();
  // Movie menu.
  void Create1Click();
  void Play1Click();
  void Edit7Click();
  void SaveMovieGif1Click();
  // Writes the built movie as a looping animated GIF; false (with a message shown) on failure.
  bool saveMovieGif(const QString& path);
  void ListFunctionvalues1Click();
  void Colors2Click();
  void Colors1Click();
  // File > Save Graph > Save as SVG or PDF: the picture as a vector drawing.
  void SaveVectorGraph1Click();
  // Writes it to the path (SVG or PDF by its extension); false (with a message shown) on
  // failure.
  bool saveVectorGraph(const QString& path);

  // For the colour windows, after they drew on the picture or changed its colours.
  void showRecoloredPicture();
  void showTitleInFontColor();

  PictureBox* PaintBox1;
  QLabel* Panel2;
  QFrame* Panel1;
  QLabel* Label1;
  QLabel* Label11;
  QFrame* panel10;
  // Label3 ... Label8: the parameter captions a= ... f =.
  std::array<QLabel*, 6> parameterLabels;
  RotationPanel* Panel3;
  QLineEdit* Edit4;
  QLineEdit* Edit5;
  QToolButton* BitBtn1;
  QToolButton* BitBtn2;
  QToolButton* BitBtn3;
  QToolButton* BitBtn4;
  QPushButton* DrawBtn;

  QMenu* fileMenu;
  QMenu* editMenu;
  QMenu* axesMenu;
  QAction* Exit1;
  QAction* Parameters1;
  QAction* Domain1;
  QAction* Curves1;
  QAction* Step1;
  QAction* GraphTitle1;
  QAction* ClearScreen1;
  QAction* Function1;
  QAction* Draw1;
  QAction* ChangeAxes1;
  QAction* DrawAxes1;
  QAction* FitAxes1;
  QMenu* viewMenu;
  QAction* View1;
  QAction* ResetZoom1;
  QAction* OpenGraph1;
  QMenu* saveGraphMenu;
  QAction* Savefullgraph1;
  QAction* SaveOnlyinsiderectangle1;
  QAction* PrintGraph1;
  QAction* PrinterSetUp1;
  QAction* CopyGraph1;
  QAction* PasteGraph1;
  QAction* Normal1;
  QAction* N80Normal1;
  QAction* N60Normal1;
  QAction* Graph1;
  QMenu* planeMenu;
  QMenu* lineMenu;
  QMenu* boxMenu;
  QMenu* contoursMenu;
  QAction* Draw2;
  QAction* Edit2;
  QAction* Draw3;
  QAction* Edit3;
  QAction* DrawBox1;
  QAction* Draw4;
  QAction* Edit6;
  QMenu* movieMenu;
  QAction* Create1;
  QAction* Play1;
  QAction* Edit7;
  QAction* SaveMovieGif1;
  // "Building Frames", written in red beside the picture while a movie is built.
  QLabel* buildingLabel;
  QAction* Samples1;
  QAction* Help1;
  QAction* ListFunctionvalues1;
  QAction* Colors2;
  QAction* Colors1;
  QAction* SaveVectorGraph1;

protected:
  void closeEvent(QCloseEvent* event) override;

private:
  class GraphArea;
  // Marks a command's drawing as running and lays the window out afterwards if it was
  // resized meanwhile.
  class DrawingScope {
  public:
    explicit DrawingScope(TKelvoScrn1& window);
    ~DrawingScope();
    DrawingScope(const DrawingScope&) = delete;
    DrawingScope& operator=(const DrawingScope&) = delete;

  private:
    TKelvoScrn1& m_window;
  };
  class EscapeCancels;

  void createControls();
  // Each menu file builds its own menus, in the menu bar's order.
  void createFileMenu();
  void createVectorItems();
  void createEditMenu();
  void createFunctionMenu();
  void createDrawMenu();
  void createAxesMenu();
  void createViewMenu();
  QString askPictureFile(bool save);
  void savePicture(bool full);
  FullGraphLabels windowLabels() const;
  QPrinter& printer();
  void changeGraphSize(double factor);
  void showMessage(const QString& text);
  void createAdditionMenus();
  void createMovieMenu();
  void placeLevelsWindow();
  void createSamplesMenu();
  void createHelpMenu();
  QAction* addItem(QMenu* menu, const QString& text, void (TKelvoScrn1::*handler)());
  QAction* addTopItem(const QString& text, void (TKelvoScrn1::*handler)());
  // The one place that shows and hides the menus, items and captions of the graph kind.
  void updateMenusForKind();
  void assignShortcuts();

  // Opens a settings dialog the way every settings command does: not while a draw runs, then
  // load, show modally and apply the result. Returns false when the draw guard refused.
  template <class Dialog, class... How> bool openSettings(Dialog& dialog, How... how) {
    if (drawing()) return false;
    dialog.load(how...);
    dialog.apply(runModal(dialog));
    return true;
  }
  bool drawing() const;
  int runModal(QDialog& dialog);
  // Shows a failed file or device result in a message box; returns whether it succeeded.
  bool showFileResult(const FileResult& result);

  void rotate(Arrow arrow);
  // The live view: drag steps, zoom and redraws wait in m_pending while a frame is drawn; a
  // newer view abandons the frame under way at its next poll (KelvoScrn1View.cpp).
  struct PendingView {
    double theta = 0, phi = 0;
    std::optional<double> zoom;
    bool redraw = false;
    bool any() const { return theta != 0 || phi != 0 || zoom || redraw; }
  };
  void createLiveView();
  bool liveInputRefused() const;
  void dragged(QPoint step);
  void dragEnded();
  void finishDrag();
  void zoomBy(int notches);
  void askZoom(double zoom);
  void angleEntered(QLineEdit* edit);
  void requestLiveView();
  bool abandonAllowed() const;
  void runLiveRedraw();
  void showLiveFrame();
  // The window's client area changed size: lay the picture out anew (FormPaint).
  void areaResized();
  void relayout();
  void showCommandPicture();
  void refreshAngleFields();
  void setFunctionCaptions(bool afterError = false);
  // The samples window was closed: the captions show the function it left.
  void samplesClosed();
  void captureBeforeWindow();
  // An open value listing shows the list of the draw that just ended.
  void refreshValueListing();

  Forms& m_forms;
  Program& p;
  GraphArea* m_area;
  bool m_layoutPending = false;
  // The picture is an opened or pasted image with no graph behind it.
  bool m_pictureWithoutGraph = false;
  std::unique_ptr<QPrinter> m_printer;
  bool m_moviePlaying = false;
  bool m_exitAfterMovie = false;
  QTimer* m_resizeTimer = nullptr;
  PendingView m_pending;
  bool m_liveRedraw = false;
  bool m_dragTurned = false, m_dragOver = false;
  // When the live frame under way began, and how long the last finished one took, in ticks.
  std::uint32_t m_frameStartedAt = 0, m_frameMs = 0;
};
