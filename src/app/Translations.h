#pragma once

#include <QLocale>
#include <QTranslator>

// The player's language, for as long as this lives: Qt's own texts (the file dialogs, the
// buttons of message boxes) from Qt's translations folder, the game's from the translations
// compiled into it. For a language without a translation every text stays as written.
class TTranslations {
public:
    explicit TTranslations(const QLocale& locale);
    ~TTranslations();
    TTranslations(const TTranslations&) = delete;
    TTranslations& operator=(const TTranslations&) = delete;

private:
    QTranslator QtTexts;
    QTranslator GameTexts;
};
