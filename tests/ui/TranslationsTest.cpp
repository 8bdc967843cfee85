// SPDX-License-Identifier: MIT
// The window's texts under a German locale and exactly as written under C and English ones, the
// engine's messages in German, numbers in their own formats whatever the locale, and the German
// translation file itself.
#include "WindowFixture.h"

#include "graph/Eye.h"
#include "graph/GraphFile.h"
#include "graph/KeptGraphs.h"
#include "graph/NumberField.h"
#include "graph/Samples.h"
#include "ui/Domain1.h"
#include "ui/EngineTexts.h"
#include "ui/FuncVals.h"
#include "ui/Translations.h"

#include <QAbstractButton>
#include <QFile>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTranslator>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <clocale>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

const QLocale German(QLocale::German, QLocale::Germany);

// Installs the locale's translations before the forms are made; none are left after the test.
class Translated {
protected:
  explicit Translated(const QLocale& locale) : loaded(InstallTranslations(locale)) {}
  ~Translated() { InstallTranslations(QLocale::c()); }
  LoadedTranslations loaded;
};

class GermanWindowTest : public Translated, public WindowTest {
protected:
  GermanWindowTest() : Translated(German) {}
};

class PlainWindowTest : public Translated,
                        public WindowTest,
                        public ::testing::WithParamInterface<const char*> {
protected:
  PlainWindowTest() : Translated(QLocale(QString::fromLatin1(GetParam()))) {}
};

// The letter after the one '&' of a text, lower case; none for a text without.
QChar accelerator(const QString& text) {
  for (qsizetype i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != QLatin1Char('&')) continue;
    if (text[i + 1] == QLatin1Char('&')) {
      ++i;
      continue;
    }
    return text[i + 1].toLower();
  }
  return {};
}

// The texts of the start-up form and the main window that show the language.
struct ShownTexts {
  QString startUpCaption, firstChoice, quitChoice, motto;
  QString fileMenu, quitItem, twiceItem, windowCaption;
};

ShownTexts shownTexts(Forms& forms, const MainWindowControls& controls) {
  ShownTexts shown;
  shown.startUpCaption = forms.mainMenu->windowTitle();
  shown.firstChoice = forms.mainMenu->button(1)->accessibleName();
  shown.quitChoice = forms.mainMenu->button(5)->accessibleName();
  shown.fileMenu = controls.menu("fileMenu")->title();
  shown.quitItem = controls.item("Quit1")->text();
  shown.twiceItem = controls.item("SavePicture2x1")->text();
  forms.mainMenu->button(1)->click();
  shown.windowCaption = forms.kelvoScrn1->windowTitle();
  return shown;
}

TEST_F(GermanWindowTest, TheFormsSpeakGerman) {
  EXPECT_TRUE(loaded.program);
  const ShownTexts shown = shownTexts(forms, controls());
  EXPECT_EQ(shown.startUpCaption, "  Kelvo  Hauptmenü");
  EXPECT_EQ(shown.firstChoice, "Flächen z = f(x,y) in kartesischen Koordinaten");
  EXPECT_EQ(shown.quitChoice, "Beenden");
  EXPECT_EQ(shown.fileMenu, "&Datei");
  EXPECT_EQ(shown.quitItem, "&Beenden");
  EXPECT_EQ(shown.twiceItem, "Bild in &2-facher Größe speichern...");
  EXPECT_EQ(shown.windowCaption, "        Kelvo  Kartesische Koordinaten");
  // The dialogs' buttons and the listing window too.
  QStringList buttons;
  for (const QPushButton* button : forms.domainDlg->findChildren<QPushButton*>())
    buttons << button->text();
  EXPECT_EQ(buttons, QStringList({"OK", "Abbrechen"}));
  EXPECT_EQ(forms.funcList->windowTitle(), "Funktionswerte");
}

// Where the toolkit's own German is installed (Debian's qt6-translations-l10n), the buttons of
// the standard dialogs speak German as well, as the question before a changed graph is lost.
TEST_F(GermanWindowTest, TheStandardButtonsFollowWhereTheToolkitSpeaksGerman) {
  const QString toolkit =
      QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_de.qm");
  if (!QFile::exists(toolkit)) GTEST_SKIP() << "no German translation of the toolkit installed";
  EXPECT_TRUE(loaded.toolkit);
  QMessageBox box;
  box.setStandardButtons(QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
  EXPECT_EQ(box.button(QMessageBox::Save)->text(), "Speichern");
  EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), "Abbrechen");
}

// Within one menu (and on the menu bar) no two items a kind shows share their key letter.
TEST_F(GermanWindowTest, EveryMenuKeepsItsKeyLettersApart) {
  for (int kind : {1, 2, 3, 4, 6}) {
    SCOPED_TRACE(kind);
    choose(kind);
    std::vector<std::pair<QString, QList<QAction*>>> rows = {
        {"menu bar", window().menuBar()->actions()}};
    for (const auto& [name, menu] : controls().menus) rows.push_back({name, menu->actions()});
    for (const auto& [name, actions] : rows) {
      std::map<QChar, QString> taken;
      for (QAction* action : actions) {
        const QChar letter = accelerator(action->text());
        if (!action->isVisible() || letter.isNull()) continue;
        const auto [at, fresh] = taken.emplace(letter, action->text());
        EXPECT_TRUE(fresh) << name.toStdString() << ": " << action->text().toStdString() << " and "
                           << at->second.toStdString();
      }
    }
    item("Exit1").trigger();
  }
}

TEST_P(PlainWindowTest, CAndEnglishLocalesShowTheTextsAsWritten) {
  EXPECT_FALSE(loaded.program);
  EXPECT_FALSE(loaded.help);
  EXPECT_FALSE(loaded.toolkit);
  const ShownTexts shown = shownTexts(forms, controls());
  EXPECT_EQ(shown.startUpCaption, "  Kelvo  Main Menu");
  EXPECT_EQ(shown.firstChoice, "Draw Surfaces z = f(x,y) in Rectangular Coordinates");
  EXPECT_EQ(shown.quitChoice, "Quit");
  EXPECT_EQ(shown.fileMenu, "&File");
  EXPECT_EQ(shown.quitItem, "&Quit");
  EXPECT_EQ(shown.twiceItem, "Save Picture at &2x...");
  EXPECT_EQ(shown.windowCaption, "        Kelvo  Rectangular Coordinates");
}

INSTANTIATE_TEST_SUITE_P(Locales, PlainWindowTest, ::testing::Values("C", "en_US", "en_GB"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                           return QString::fromLatin1(info.param).remove('_').toStdString();
                         });

// ---- The engine's messages -------------------------------------------------------------

struct EngineCase {
  std::string message; // as the engine writes it
  QString german;
};

std::vector<EngineCase> engineCases() {
  Session s;
  GraphFile file;
  std::string graphFileReason;
  ParseGraphFile("Kelvo graph 1\nKind = 1\nColour = red\n", file, graphFileReason);
  const Eye asked{1, GraphState::Pi / 6, GraphState::Pi * 4 / 9};
  return {
      {NumberFieldProblem(s, "1+").reason, "Spalte 3: der Text endet zu früh"},
      {graphFileReason, "Zeile 3: unbekannter Schlüssel 'Colour'"},
      {RefusedEyeMessage(asked, {200, asked.theta, asked.phi}),
       "Bei Theta = 30, Phi = 80, Rho = 1 stünde das Auge in dem Achsenquader oder zu nahe "
       "daran, um alles davon zu sehen; Rho bleibt bei 200."},
      {RefusedEyeMessage(asked, {200, 0, 0}),
       "Bei Theta = 30, Phi = 80, Rho = 1 stünde das Auge in dem Achsenquader oder zu nahe "
       "daran, um alles davon zu sehen; Theta, Phi und Rho bleiben bei 0, 0 und 200."},
      {PictureFullText(), "Ein Bild fasst höchstens 16 Graphen: Entfernen Sie zuerst einen "
                          "behaltenen Graphen im Fenster Graphen"},
      {"the folder '/a and b' cannot be written to (Permission denied)",
       "in den Ordner '/a and b' kann nicht geschrieben werden (Permission denied)"},
      {"Z at u = 0.5, v = 1: no value there (a domain error)",
       "Z bei u = 0.5, v = 1: dort kein Wert (außerhalb des Definitionsbereichs)"},
      // A piece that looks like a placeholder stays as it is.
      {"unknown key '%1x'", "unbekannter Schlüssel '%1x'"},
      // A message the translation does not know is shown as the engine wrote it.
      {"a message of a later version", "a message of a later version"},
  };
}

TEST(EngineTexts, GermanMessagesAreBuiltFromTranslatedPieces) {
  InstallTranslations(German);
  for (const EngineCase& c : engineCases()) {
    SCOPED_TRACE(c.message);
    EXPECT_EQ(EngineText(c.message), c.german) << EngineText(c.message).toStdString();
  }
  InstallTranslations(QLocale::c());
}

TEST(EngineTexts, WithoutATranslationEveryMessageStaysExactlyAsWritten) {
  InstallTranslations(QLocale::c());
  for (const EngineCase& c : engineCases()) {
    SCOPED_TRACE(c.message);
    EXPECT_EQ(EngineText(c.message), QString::fromStdString(c.message));
  }
}

// Every sample's name is in the translation, and its domain and formulas stay as they are.
TEST(EngineTexts, EverySampleNameIsTranslated) {
  QTranslator german;
  ASSERT_TRUE(german.load(QStringLiteral(":/i18n/kelvo_de.qm")));
  static const QRegularExpression named(QStringLiteral("^([A-Za-z][A-Za-z -]*)[:;]"));
  int names = 0;
  for (char kind : {'1', '2', '3', '4', ImplicitKind}) {
    for (const Sample& sample : SamplesOf(kind)) {
      const QString label = QString::fromUtf8(sample.label);
      const QRegularExpressionMatch m = named.match(label);
      if (!m.hasMatch()) continue;
      ++names;
      SCOPED_TRACE(label.toStdString());
      EXPECT_FALSE(german.translate("Engine", m.captured(1).toUtf8().constData()).isEmpty());
    }
  }
  EXPECT_GT(names, 20);
  InstallTranslations(German);
  EXPECT_EQ(SampleLabelText("Mexican Hat: 0.01<r<12; Z=Sin(r)/r"),
            "Mexikanerhut: 0.01<r<12; Z=Sin(r)/r");
  EXPECT_EQ(SampleLabelText("-5<x,y<5; Z=5Sin(xy)/xy"), "-5<x,y<5; Z=5Sin(xy)/xy");
  InstallTranslations(QLocale::c());
}

// ---- Numbers ---------------------------------------------------------------------------

// The window runs under the user's locale (the toolkit sets it from the environment): fields,
// listings and graph files keep their points all the same.
TEST_F(GermanWindowTest, NumbersKeepTheirFormatsUnderACommaLocale) {
  const char* previous = std::setlocale(LC_ALL, nullptr);
  const std::string saved = previous ? previous : "C";
  if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "de_DE.UTF-8 is not installed";
  choose(1);
  g().XMin = -2.5;
  TDomainDlg& domain = *forms.domainDlg;
  domain.load();
  const QString field = domain.field(0)->text();
  drawFunction("x*y/4");
  forms.funcList->load();
  const std::vector<std::string> listed = forms.funcList->lines();
  g().Rho = 12.5;
  const std::string graphFile = WriteGraphFile(g(), {}, {});
  std::setlocale(LC_ALL, saved.c_str());
  EXPECT_EQ(field, "-2.50000");
  ASSERT_FALSE(listed.empty());
  EXPECT_EQ(listed.front(), "    -2.500     -3.000     1.8750");
  for (const std::string& line : listed) EXPECT_EQ(line.find(','), std::string::npos) << line;
  EXPECT_NE(graphFile.find("12.5"), std::string::npos);
  EXPECT_EQ(graphFile.find("12,5"), std::string::npos);
}

// ---- The translation files -------------------------------------------------------------

struct TsMessage {
  QString context, source, translation, type;
};

// The messages of a TS file and its language, read as the translation tools write them.
std::vector<TsMessage> readTs(const QString& path, QString& language) {
  QFile file(path);
  std::vector<TsMessage> messages;
  if (!file.open(QIODevice::ReadOnly)) return messages;
  QXmlStreamReader xml(&file);
  QString context;
  TsMessage message;
  while (!xml.atEnd()) {
    xml.readNext();
    if (!xml.isStartElement()) continue;
    const QStringView name = xml.name();
    if (name == QLatin1String("TS")) language = xml.attributes().value("language").toString();
    if (name == QLatin1String("name")) context = xml.readElementText();
    if (name == QLatin1String("message")) message = {context, {}, {}, {}};
    if (name == QLatin1String("source")) message.source = xml.readElementText();
    if (name == QLatin1String("translation")) {
      message.type = xml.attributes().value("type").toString();
      message.translation = xml.readElementText();
      messages.push_back(message);
    }
  }
  EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
  return messages;
}

std::multiset<QString> placeholders(const QString& text) {
  static const QRegularExpression marker(QStringLiteral("%\\d+"));
  std::multiset<QString> found;
  for (const QRegularExpressionMatch& m : marker.globalMatch(text)) found.insert(m.captured());
  return found;
}

// The single ampersands of a text ("&&" is a written one).
int accelerators(const QString& text) {
  return static_cast<int>(text.count(QLatin1Char('&')) - 2 * text.count(QStringLiteral("&&")));
}

TEST(TranslationFiles, EveryGermanMessageIsTranslatedKeepingItsPlaceholdersAndKeys) {
  QString language;
  const std::vector<TsMessage> messages =
      readTs(QStringLiteral(KELVO_TRANSLATIONS_DIR "/kelvo_de.ts"), language);
  EXPECT_EQ(language, "de_DE");
  EXPECT_GT(messages.size(), 300u);
  for (const TsMessage& m : messages) {
    SCOPED_TRACE((m.context + ": " + m.source).toStdString());
    EXPECT_TRUE(m.type.isEmpty()) << m.type.toStdString();
    EXPECT_FALSE(m.translation.trimmed().isEmpty());
    EXPECT_EQ(placeholders(m.translation), placeholders(m.source)) << m.translation.toStdString();
    EXPECT_EQ(accelerators(m.translation), accelerators(m.source)) << m.translation.toStdString();
    // Two-line headings are laid out by their line breaks.
    EXPECT_EQ(m.translation.count('\n'), m.source.count('\n')) << m.translation.toStdString();
    // The help text has a file of its own.
    EXPECT_NE(m.context, "Help");
  }
}

TEST(TranslationFiles, TheHelpFileHoldsTheHelpTextOnly) {
  QString language;
  const std::vector<TsMessage> messages =
      readTs(QStringLiteral(KELVO_TRANSLATIONS_DIR "/kelvo_help_de.ts"), language);
  EXPECT_EQ(language, "de_DE");
  for (const TsMessage& m : messages) EXPECT_EQ(m.context, "Help") << m.source.toStdString();
}

} // namespace
