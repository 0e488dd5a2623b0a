#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

TTranslations::TTranslations(const QLocale& locale) {
    if (QtTexts.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&QtTexts);
    }
    if (GameTexts.load(locale, QStringLiteral("vyxzeziz"), QStringLiteral("_"),
                       QStringLiteral(":/translations"))) {
        QCoreApplication::installTranslator(&GameTexts);
    }
}

TTranslations::~TTranslations() {
    QCoreApplication::removeTranslator(&GameTexts);
    QCoreApplication::removeTranslator(&QtTexts);
}
