// SPDX-License-Identifier: MIT
// Loading the window's translations for a locale.
#include "ui/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QString>
#include <QTranslator>

#include <array>
#include <memory>

namespace {

// The translators in force; installed and removed together, so that a second call (a test
// switching locales) leaves no texts of the first behind.
std::array<std::unique_ptr<QTranslator>, 3>& installed() {
  static std::array<std::unique_ptr<QTranslator>, 3> translators;
  return translators;
}

bool install(std::unique_ptr<QTranslator>& slot, const QLocale& locale, const QString& name,
             const QString& folder) {
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(locale, name, QStringLiteral("_"), folder) || translator->isEmpty())
    return false;
  QCoreApplication::installTranslator(translator.get());
  slot = std::move(translator);
  return true;
}

} // namespace

LoadedTranslations InstallTranslations(const QLocale& locale) {
  auto& translators = installed();
  for (std::unique_ptr<QTranslator>& translator : translators) {
    if (translator) QCoreApplication::removeTranslator(translator.get());
    translator.reset();
  }
  LoadedTranslations loaded;
  const QString resources = QStringLiteral(":/i18n");
  loaded.program = install(translators[0], locale, QStringLiteral("kelvo"), resources);
  loaded.help = install(translators[1], locale, QStringLiteral("kelvo_help"), resources);
  // The toolkit's own texts (the buttons of the standard dialogs) follow only where the
  // program itself speaks the language.
  if (loaded.program)
    loaded.toolkit = install(translators[2], locale, QStringLiteral("qtbase"),
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  return loaded;
}
