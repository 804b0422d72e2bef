#pragma once
// The window's language: its own texts and Qt's (standard buttons, file dialogs) in the
// language of the given locale when the program has a translation for it; English otherwise.

class QLocale;

// Replaces the translations installed before. True when the program's own texts are now
// translated; false leaves the English texts (and Qt's) as they are.
bool InstallTranslations(const QLocale& locale);
