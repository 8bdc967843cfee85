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
class QDragEnterEvent;
class QDragMoveEvent;
class QDropEvent;
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
struct GraphExtras;
struct GraphFile;
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
  // Saves the picture (full: with title and labels) by the Save rules of the chosen name,
  // drawn again at scale times its size (1 to MaxPictureScale) as kelvo render --scale does.
  bool savePictureAs(const QString& chosen, bool full, int scale = 1);
  // Prints the picture with its title and labels scaled to the page.
  bool printPicture(QPagedPaintDevice& device);
  // Writes the picture as a vector drawing, SVG or PDF by the name's extension.
  bool saveVectorGraph(const QString& path);
  // Writes the built movie as a looping animated GIF.
  bool saveMovieGif(const QString& path);
  // Writes the shown surfaces as a mesh, OBJ or STL by the name's extension.
  bool saveMeshFile(const QString& path);

  // Graph files (KelvoScrn1GraphFiles.cpp). Opens the graph file at path: it is read and
  // checked first, so that one that cannot be taken changes nothing; a changed graph is asked
  // about before it is set aside. Returns whether the file's graph is shown.
  bool openGraphFile(const QString& path);
  // Shows the graph of a file already read (by Open, or the command line's hand-over), in the
  // window size the file names, and draws it.
  void showGraphFile(const QString& path, const GraphFile& file);
  // Writes the graph file to path; a failure is shown. The graph then counts as unchanged.
  bool saveGraphFileAs(const QString& path);
  // The graph file shown (absolute), empty for a graph not opened or saved yet.
  const QString& graphFilePath() const { return m_graphPath; }
  // Whether the graph differs from what its file holds, or from the kind's defaults for a
  // graph without a file. The size of the window does not count.
  bool graphChanged() const;
  // Whether the graph may be set aside (Exit, closing, Quit, opening another graph): it is
  // unchanged, or the user saved it or chose to discard it when asked.
  bool maySetGraphAside();

protected:
  void closeEvent(QCloseEvent* event) override;
  // A graph file dropped on the window is opened; a picture is opened as Open Picture does.
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

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
  // The desktop's key for a standard command where it has one, else the given key.
  static QKeySequence standardKey(QKeySequence::StandardKey key, QKeySequence otherwise) {
    const QList<QKeySequence> bindings = QKeySequence::keyBindings(key);
    return bindings.isEmpty() ? otherwise : bindings.constFirst();
  }
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
  // After a click, a key or the wheel in any of the program's windows, the caption is brought
  // up to date: the colour, samples and slider windows change settings outside the menus.
  class InputWatcher;

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
  // KelvoScrn1GraphFiles.cpp: graph files, their recent list, the changed mark, the question
  // before a changed graph is set aside, and dropped files.
  void OpenGraphFile1Click();
  void SaveGraphFile1Click();
  void SaveGraphFileAs1Click();
  QMenu* createRecentGraphFilesMenu(QMenu& parent);
  void updateRecentGraphFiles();
  void openRecentGraphFile(const QString& path);
  // Save, or Save As for a graph without a file; whether it was saved.
  bool saveGraph();
  bool saveGraphAsked();
  // The graph is now that of the file at path, as it stands: unchanged, named in the caption,
  // first among the recent files.
  void takeAsGraphFile(const QString& path);
  void setClientSize(int width, int height);
  // The captions "a=" ... "f =" of the parameters the file shows, at their values.
  void showParameterCaptions(const GraphExtras& extras);
  // The controls that show settings (angles, title, Draw Box, sliders, colour windows), after
  // a file set them.
  void showGraphSettings();
  GraphExtras currentExtras() const;
  // The graph file's text, with the window's size left out.
  std::string graphText() const;
  // The caption: the kind, the file's name, and " *" while the graph has changed. Run after
  // every command.
  void updateCaption();
  void queueCaptionUpdate();
  // Whether something drawn while the picture count stood at begun is still in the picture.
  bool stillShown(const std::optional<std::uint64_t>& begun) const;
  void OpenGraph1Click();
  void Savefullgraph1Click();
  void SaveOnlyinsiderectangle1Click();
  // The picture inside the rectangle at twice its size, sharp.
  void SavePicture2x1Click();
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
  void Quit1Click();
  // Exit and Quit: a changed graph is asked about, then the start-up form or the end.
  enum class Leaving { ToStartUp, Program };
  void leaveGraph(Leaving where);
  void AboutKelvo1Click();
  void AboutQt1Click();

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
  // chosen under; offered is the name the question starts with.
  struct SaveChoice {
    QString path;
    QString filter;
  };
  SaveChoice askSaveFile(const QString& title, const QString& filter,
                         const QString& defaultSuffix = {}, const QString& offered = {});
  // Shows the file dialog modally; the first name chosen, or empty.
  QString chosenFile(QFileDialog& dialog);
  // Shows a failed file or device result in a message box, after the name it concerns;
  // returns whether it succeeded.
  bool showFileResult(FileResult result, const QString& path);

  void createControls();
  // What showing the window for a kind does, but the showing: defaults, labels, layout, menus.
  void prepareForKind();
  // Exit's clean-up of the graph and its windows, without leaving the window.
  void setGraphAside();
  // Draw without the failure's beeps and editor; whether an evaluation failed.
  bool drawGraph();
  void reportFailedDraw();
  // The kept graphs the last drawing could not draw, named in one warning; none, no warning.
  void showGraphFailures();
  // The one place that shows and hides the menus, items and captions of the graph kind.
  void updateMenusForKind();
  // The layout around the graphing rectangle for the current picture rectangle.
  void placeControls();
  // Keeps the window, frame included, within its screen's free area.
  void fitToScreen();
  // What the picture shows, in words, for screen readers.
  QString graphDescription() const;
  void placeLevelsWindow();
  void savePicture(bool full, int scale = 1);
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
  bool m_quitAfterMovie = false;
  QTimer* m_resizeTimer = nullptr;
  PendingView m_pending;
  bool m_liveRedraw = false;
  bool m_dragTurned = false, m_dragOver = false;
  // When the live frame under way began, and how long the last finished one took, in ticks.
  std::uint32_t m_frameStartedAt = 0, m_frameMs = 0;
  int m_abandonedInRow = 0;
  const char* m_loggedCommand = nullptr;
  QElapsedTimer m_commandTimer;

  // The graph file shown and its text when it was opened or saved (the kind's defaults for a
  // graph without a file), the window's size left out.
  QString m_graphPath;
  std::string m_savedText;
  bool m_captionUpdateQueued = false;
  // The picture file opened into the picture box and the contours drawn, with the picture
  // count they were drawn at (PictureRecorder::picturesBegun): while it stands, they are part
  // of the picture, and a saved graph file names them.
  QString m_picturePath;
  std::optional<std::uint64_t> m_pictureBegun, m_contoursBegun;
};
