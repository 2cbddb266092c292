#pragma once

class QCoreApplication;

// Qt's own texts (message box and file dialog buttons, context menus of text fields) in
// French, from the translations of the qt6-translations-l10n package. Returns false when they
// are not installed: those texts then stay in English and the program works on.
bool InstallQtFrenchTranslations(QCoreApplication& application);
