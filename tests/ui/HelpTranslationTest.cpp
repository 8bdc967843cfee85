// SPDX-License-Identifier: MIT
// The help text in the units a translator sees: the English text is their join, the translated
// text asks for each unit in the "Help" context, and the German translation covers every unit,
// keeps the function table as it is and fits the text box as the English lines do.
#include "ui/Helpunit.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QMap>
#include <QStringList>
#include <QTranslator>
#include <QXmlStreamReader>

#include <algorithm>
#include <functional>
#include <string>

namespace {

const QString GermanHelpFile = QStringLiteral(KELVO_SOURCE_DIR "/translations/kelvo_help_de.ts");

// The width of a line in the text box's columns: a tab runs to the next multiple of eight.
int columns(const QString& line) {
  int width = 0;
  for (const QChar c : line) width = c == '\t' ? (width / 8 + 1) * 8 : width + 1;
  return width;
}

int widestLine(const QString& text) {
  int widest = 0;
  for (const QString& line : text.split('\n')) widest = std::max(widest, columns(line));
  return widest;
}

// A unit of the function table begins with its line "NAME<tab>EXAMPLE".
bool isFunctionEntry(const QString& unit) {
  const QString first = unit.section('\n', 0, 0);
  return first.count('\t') == 1 && !first.startsWith('\t');
}

// Answers the "Help" context with what `answer` makes of each source text, while it lives.
class HelpTranslator : public QTranslator {
public:
  explicit HelpTranslator(std::function<QString(const QString&)> answer)
      : m_answer(std::move(answer)) {
    QCoreApplication::installTranslator(this);
  }
  ~HelpTranslator() override { QCoreApplication::removeTranslator(this); }

  QString translate(const char* context, const char* source, const char*, int) const override {
    return qstrcmp(context, "Help") == 0 ? m_answer(QString::fromUtf8(source)) : QString();
  }
  bool isEmpty() const override { return false; }

private:
  std::function<QString(const QString&)> m_answer;
};

struct TsMessage {
  QString translation;
  QString type; // "unfinished", "vanished" or "obsolete" for one not in use; empty when done
};

// The messages of the context "Help" in a Qt Linguist file, by source text.
QMap<QString, TsMessage> readHelpMessages(const QString& path, QString& error) {
  QMap<QString, TsMessage> messages;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    error = path + ": " + file.errorString();
    return messages;
  }
  QXmlStreamReader xml(&file);
  QString context, source;
  TsMessage message;
  while (!xml.atEnd()) {
    xml.readNext();
    if (xml.isStartElement()) {
      const auto name = xml.name();
      if (name == u"context") {
        context.clear();
      } else if (name == u"name") {
        context = xml.readElementText();
      } else if (name == u"message") {
        source.clear();
        message = {};
      } else if (name == u"source") {
        source = xml.readElementText();
      } else if (name == u"translation") {
        message.type = xml.attributes().value("type").toString();
        message.translation = xml.readElementText();
      }
    } else if (xml.isEndElement() && xml.name() == u"message" && context == "Help") {
      messages.insert(source, message);
    }
  }
  if (xml.hasError())
    error = QStringLiteral("%1:%2: %3").arg(path).arg(xml.lineNumber()).arg(xml.errorString());
  return messages;
}

TEST(HelpText, IsTheJoinOfItsUnits) {
  std::string joined;
  for (const HelpTextUnit& unit : HelpTextUnits()) {
    const std::string text = unit.text, after = unit.after;
    SCOPED_TRACE(text);
    // A unit neither begins nor ends with a line break: the breaks between units are the
    // program's, so that a translator cannot lose or double them.
    ASSERT_FALSE(text.empty());
    EXPECT_NE(text.front(), '\n');
    EXPECT_NE(text.back(), '\n');
    EXPECT_TRUE(after == "\n" || after == "\n\n" || after == "\n\n\n");
    joined += text + after;
  }
  EXPECT_EQ(joined, HelpText());
  // Without a translator the window shows the English text itself.
  EXPECT_EQ(TranslatedHelpText(), QString::fromUtf8(HelpText()));
}

TEST(HelpText, TranslatedTextAsksForEveryUnitInTheHelpContext) {
  const HelpTranslator marking([](const QString& source) { return "<" + source + ">"; });
  QString expected;
  for (const HelpTextUnit& unit : HelpTextUnits())
    expected += "<" + QString::fromUtf8(unit.text) + ">" + QString::fromUtf8(unit.after);
  EXPECT_EQ(TranslatedHelpText(), expected);
}

TEST(HelpTranslation, GermanCoversEveryUnitAndKeepsTheTable) {
  QString error;
  const QMap<QString, TsMessage> messages = readHelpMessages(GermanHelpFile, error);
  ASSERT_TRUE(error.isEmpty()) << error.toStdString();
  const int widestEnglish = widestLine(QString::fromUtf8(HelpText()));

  QStringList units;
  for (const HelpTextUnit& unit : HelpTextUnits()) units << QString::fromUtf8(unit.text);
  for (const QString& unit : units) {
    SCOPED_TRACE(unit.toStdString());
    const auto found = messages.find(unit);
    // A unit whose English changed needs its translation brought up to date (lupdate).
    ASSERT_NE(found, messages.end()) << "no German translation";
    EXPECT_TRUE(found->type.isEmpty()) << found->type.toStdString();
    const QString& german = found->translation;
    ASSERT_FALSE(german.trimmed().isEmpty());
    const QStringList lines = german.split('\n');
    for (const QString& line : lines) {
      EXPECT_LE(columns(line), widestEnglish) << line.toStdString();
      EXPECT_FALSE(line.endsWith(' ')) << "trailing space: " << line.toStdString();
    }
    if (isFunctionEntry(unit)) {
      // NAME<tab>EXAMPLE stays as it is; the meaning follows on lines that begin with a tab.
      EXPECT_EQ(lines.front(), unit.section('\n', 0, 0));
      EXPECT_GE(lines.size(), 2);
      for (qsizetype i = 1; i < lines.size(); ++i) {
        EXPECT_TRUE(lines[i].startsWith('\t')) << lines[i].toStdString();
        EXPECT_EQ(lines[i].count('\t'), 1) << lines[i].toStdString();
      }
    } else {
      // Outside the table a tab would throw the text out of line.
      EXPECT_FALSE(german.contains('\t'));
    }
  }
  // Every translation in the file belongs to a unit of today's text.
  for (auto it = messages.begin(); it != messages.end(); ++it)
    EXPECT_TRUE(units.contains(it.key())) << "stale: " << it.key().toStdString();
}

// The German help text as the window would show it keeps every table line in its place.
TEST(HelpTranslation, GermanTextKeepsTheFunctionTableInOrder) {
  QString error;
  const QMap<QString, TsMessage> messages = readHelpMessages(GermanHelpFile, error);
  ASSERT_TRUE(error.isEmpty()) << error.toStdString();
  const HelpTranslator german([&messages](const QString& source) {
    const auto found = messages.find(source);
    return found != messages.end() && found->type.isEmpty() ? found->translation : QString();
  });
  const auto tableLines = [](const QString& text) {
    QStringList lines;
    for (const QString& line : text.split('\n'))
      if (line.count('\t') == 1 && !line.startsWith('\t')) lines << line;
    return lines;
  };
  const QString text = TranslatedHelpText();
  const QStringList english = tableLines(QString::fromUtf8(HelpText()));
  EXPECT_GE(english.size(), 20);
  EXPECT_EQ(tableLines(text), english);
  EXPECT_NE(text, QString::fromUtf8(HelpText()));
}

} // namespace
