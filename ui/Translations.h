// SPDX-License-Identifier: MIT
// The translations of the window's texts: which are loaded for a locale.
#pragma once

#include <QLocale>

// What was found for the locale: the program's texts, the help text, the toolkit's own.
struct LoadedTranslations {
  bool program = false;
  bool help = false;
  bool toolkit = false;
};

// Installs the translations of the locale's languages (kelvo_*.qm and kelvo_help_*.qm from the
// resources under :/i18n, Qt's qtbase_*.qm from its translations folder where one is there),
// in place of any this function installed before. A locale with none, "C" and English ones
// among them, leaves the texts as they are written. Needs the application object.
LoadedTranslations InstallTranslations(const QLocale& locale);
