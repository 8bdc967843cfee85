// SPDX-License-Identifier: MIT
// TKelvoScrn1, the main window: the picture, its commands and the rotation panel. Each menu
// is built from its rows in a file of its own, beside its handlers (KelvoScrn1File.cpp,
// ...Edit.cpp, ...); KelvoScrn1Menus.cpp sets the menu bar's order.
#pragma once

#include <QElapsedTimer>
#include <QKeySequence>
#include <QMainWindow>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QDialog;
class QFileDialog;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPagedPaintDevice;
class QPoint;
class QPrinter;
class QPushButton;
class QTimer;
class Forms;
class PictureBox;
class RotationPanel;
struct FileResult;
struct FullGraphLabels;
struct Program;
enum class Arrow;

// The controls of the main window. The window keeps them to itself; tests reach them through
// TKelvoScrn1::controls(), and the menu items by the names their rows give them.
struct MainWindowControls {
  // The menu item ("Draw1", "Step1", ...) or the menu ("editMenu", ...) of that name; null
  // when no row has that name.
  QAction* item(const QString& name) const;
  QMenu* menu(const QString& name) const;

  PictureBox* PaintBox1 = nullptr;
  // The title line above the picture.
  QLabel* Panel2 = nullptr;
  // The function captions under the picture.
  QFrame* Panel1 = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* Label11 = nullptr;
  QFrame* panel10 = nullptr;
  // Label3 ... Label8 on panel10: the parameter captions a= ... f =.
  std::array<QLabel*, 6> parameterLabels{};
  RotationPanel* Panel3 = nullptr;
  QPushButton* DrawBtn = nullptr;
  // "Building Frames", written in red beside the picture while a movie is built.
  QLabel* buildingLabel = nullptr;

  std::map<QString, QAction*> items;
  std::map<QString, QMenu*> menus;
};

class TKelvoScrn1 : public QMainWindow, private MainWindowControls {
  Q_OBJECT
public:
  explicit TKelvoScrn1(Forms& forms);
  ~TKelvoScrn1() override;

  const MainWindowControls& controls() const { return *this; }

  // Hand-over from the start-up form once a kind has been chosen (FormShow): defaults,
  // caption, menus and labels of the kind, and the bare axes.
  void showForKind();
  // Called before each cancel poll of a draw, so that the progress reaches the screen.
  void pollRepaint();
  // For the colour windows, after they drew on the picture or changed its colours.
  void showRecoloredPicture();
  void showTitleInFontColor();
  // Once resizing has paused, a graph on show is drawn again at the new size. The timer
  // calls it; a test may call it directly.
  void redrawAfterResize();
  bool resizeRedrawWaiting() const;

  // What the file commands do once a name or a device is chosen; each shows its failure in a
  // message box (printing beeps) and returns whether it succeeded.
  // Opens a picture by the Open rules (its extension).
  bool openPictureFile(const QString& path);
  // Saves the picture (full: with title and labels) by the Save rules of the chosen name.
  bool savePictureAs(const QString& chosen, bool full);
  // Prints the picture with its title and labels scaled to the page.
  bool printPicture(QPagedPaintDevice& device);
  // Writes the picture as a vector drawing, SVG or PDF by the name's extension.
  bool saveVectorGraph(const QString& path);
  // Writes the built movie as a looping animated GIF.
  bool saveMovieGif(const QString& path);
  // Writes the shown surfaces as a mesh, OBJ or STL by the name's extension.
  bool saveMeshFile(const QString& path);

protected:
  void closeEvent(QCloseEvent* event) override;

private:
  using Handler = void (TKelvoScrn1::*)();
  // One row of a menu: the item's name (its object name), its text, its command and its key.
  // A row without a name is a separator; a row with rows of its own is a submenu.
  struct MenuRow {
    const char* name = nullptr;
    QString text;
    Handler handler = nullptr;
    QKeySequence key = {};
    std::vector<MenuRow> rows = {};
  };
  static MenuRow separator() { return {}; }
  static MenuRow submenu(const char* name, const QString& text, std::vector<MenuRow> rows) {
    return {name, text, nullptr, {}, std::move(rows)};
  }

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

  // Commands. While a draw runs, every one of them but DrawBtnClick is ignored: they are
  // reachable from the cancel poll and would otherwise draw inside the running drawing.

  // KelvoScrn1.cpp: Draw, Cancel Draw and the rotation buttons.
  QAction* createDrawMenu();
  void Draw1Click();
  void DrawBtnClick();
  void rotate(Arrow arrow);
  // KelvoScrn1File.cpp: the value listing, picture files, vector drawings, printing, Exit.
  QAction* createFileMenu();
  void ListFunctionvalues1Click();
  void OpenGraph1Click();
  void Savefullgraph1Click();
  void SaveOnlyinsiderectangle1Click();
  void SaveVectorGraph1Click();
  void PrintGraph1Click();
  void PrinterSetUp1Click();
  void Exit1Click();
  // KelvoScrn1Edit.cpp: clipboard, settings, colours, graph size, image editor.
  QAction* createEditMenu();
  void Edit1Click();
  void CopyGraph1Click();
  void PasteGraph1Click();
  void Parameters1Click();
  void ParameterSliders1Click();
  void Domain1Click();
  void Curves1Click();
  void Step1Click();
  void Colors2Click();
  void Colors1Click();
  void GraphTitle1Click();
  void Normal1Click();
  void N80Normal1Click();
  void N60Normal1Click();
  void Graph1Click();
  void ClearScreen1Click();
  void ExportMesh1Click();
  // Several graphs in one picture: keeping the current graph, the Graphs window, and a change
  // made there.
  void KeepGraph1Click();
  void Graphs1Click();
  void keptGraphsChanged();
  // KelvoScrn1Function.cpp: the function editor.
  QAction* createFunctionMenu();
  void Function1Click();
  void EditFunctionsAfterError();
  // KelvoScrn1Axes.cpp.
  QAction* createAxesMenu();
  void ChangeAxes1Click();
  void DrawAxes1Click();
  void FitAxes1Click();
  // KelvoScrn1View.cpp: the eye position and the zoom; the wheel, + and - and a double
  // click in the picture zoom it too (KelvoScrn1LiveView.cpp).
  QAction* createViewMenu();
  void View1Click();
  void ResetZoom1Click();
  void ExactHiding1Click();
  // KelvoScrn1Additions.cpp: the Plane, Line, Box and Contours menus.
  QAction* createPlaneMenu();
  QAction* createLineMenu();
  QAction* createBoxMenu();
  QAction* createContoursMenu();
  void Draw2Click();
  void Edit2Click();
  void Draw3Click();
  void Edit3Click();
  void Box1Click();
  void DrawBox1Click();
  void Draw4Click();
  void Edit6Click();
  // KelvoScrn1Movie.cpp.
  QAction* createMovieMenu();
  void Create1Click();
  void Play1Click();
  void Edit7Click();
  void AnimateParameter1Click();
  void buildMovie(const std::function<void()>& build);
  void updateMovieItems();
  void SaveMovieGif1Click();
  // KelvoScrn1Samples.cpp and KelvoScrn1Help.cpp.
  QAction* createSamplesMenu();
  void Samples1Click();
  // Where the samples and sliders windows open: beside the picture, below the rotation panel
  // and the Cancel Draw button (screen coordinates).
  QPoint toolWindowCorner() const;
  QAction* createHelpMenu();
  void Help1Click();

  // KelvoScrn1Menus.cpp: the menu bar, the rows' builder and the helpers every menu uses.
  void createMenus();
  QAction* buildMenu(const char* name, const QString& title, const std::vector<MenuRow>& rows);
  QAction* buildTopItem(const MenuRow& row);
  void addRows(QMenu& menu, const std::vector<MenuRow>& rows);
  QAction* commandItem(const MenuRow& row, QObject* owner);
  bool drawing() const;
  int runModal(QDialog& dialog);
  // Opens a settings dialog the way every settings command does: not while a draw runs, then
  // load, show modally and apply the result. Returns false when the draw guard refused.
  template <class Dialog, class... How> bool openSettings(Dialog& dialog, How... how) {
    if (drawing()) return false;
    dialog.load(how...);
    dialog.apply(runModal(dialog));
    return true;
  }
  // The same after a step of the program that prepares the dialog's data.
  template <class Dialog> bool openSettingsAfter(void (*prepare)(Program&), Dialog& dialog) {
    if (drawing()) return false;
    prepare(p);
    return openSettings(dialog);
  }
  // A command that draws on the picture: not while a draw runs, then the step, then the
  // picture on screen.
  void runPictureStep(void (*step)(Program&));
  // Captures the picture and shows it: a window or dialog opened over the picture starts
  // from the copy.
  void captureAndShow();
  // Shows a window of its own (listing, colours, help) in front, with the keyboard.
  static void bringForward(QWidget& window);
  void showInformation(const QString& text);
  void showWarning(const QString& text);
  // The name chosen in a save-file question (empty when cancelled) and the type it was
  // chosen under.
  struct SaveChoice {
    QString path;
    QString filter;
  };
  SaveChoice askSaveFile(const QString& title, const QString& filter,
                         const QString& defaultSuffix = {});
  // Shows the file dialog modally; the first name chosen, or empty.
  QString chosenFile(QFileDialog& dialog);
  // Shows a failed file or device result in a message box, after the name it concerns;
  // returns whether it succeeded.
  bool showFileResult(FileResult result, const QString& path);

  void createControls();
  // The one place that shows and hides the menus, items and captions of the graph kind.
  void updateMenusForKind();
  // The layout around the graphing rectangle for the current picture rectangle.
  void placeControls();
  void placeLevelsWindow();
  void savePicture(bool full);
  FullGraphLabels windowLabels() const;
  QPrinter& printer();
  void changeGraphSize(double factor);
  void ClearInfoLabels();

  // The live view: drag steps, zoom, parameters from the sliders and redraws wait in m_pending
  // while a frame is drawn; a newer view abandons the frame under way at its next poll
  // (KelvoScrn1LiveView.cpp).
  struct PendingView {
    double theta = 0, phi = 0;
    std::optional<double> zoom;
    std::array<std::optional<double>, 6> parameters{};
    bool redraw = false;
    bool any() const { return theta != 0 || phi != 0 || zoom || redraw; }
  };
  void createLiveView();
  bool liveInputRefused() const;
  void dragged(QPoint step);
  void dragEnded();
  void finishDrag();
  // A parameter slider moved: the value is taken at the start of the next frame, never in the
  // middle of one.
  void parameterSlid(int index, double value);
  void applyPendingParameters();
  void zoomBy(int notches);
  void askZoom(double zoom);
  void angleEntered(QLineEdit* edit);
  void requestLiveView();
  bool abandonAllowed() const;
  void runLiveRedraw();
  void showLiveFrame();
  // With KELVO_FRAME_LOG set, each live frame writes a line to the error output, and a command
  // that draws writes "kelvo NAME N ms" once the picture it ends with has been painted, N
  // counted from its start.
  static bool frameLogging();
  void logCommand(const char* name);
  void pictureShown();
  // The window's client area changed size: lay the picture out anew (FormPaint).
  void areaResized();
  void relayout();
  void showCommandPicture();
  void refreshAngleFields();
  void setFunctionCaptions(bool afterError = false);
  // The samples window was closed: the captions show the function it left.
  void samplesClosed();
  // An open value listing shows the list of the draw that just ended.
  void refreshValueListing();

  Forms& m_forms;
  Program& p;
  GraphArea* m_area;
  bool m_layoutPending = false;
  std::unique_ptr<QPrinter> m_printer;
  bool m_moviePlaying = false;
  bool m_exitAfterMovie = false;
  QTimer* m_resizeTimer = nullptr;
  PendingView m_pending;
  bool m_liveRedraw = false;
  bool m_dragTurned = false, m_dragOver = false;
  // When the live frame under way began, and how long the last finished one took, in ticks.
  std::uint32_t m_frameStartedAt = 0, m_frameMs = 0;
  int m_abandonedInRow = 0;
  const char* m_loggedCommand = nullptr;
  QElapsedTimer m_commandTimer;
};
