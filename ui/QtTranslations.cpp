#include "ui/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

namespace ui {

bool useQtTranslations(i18n::Language language) {
    static QPointer<QTranslator> installed;
    if (installed) {
        QCoreApplication::removeTranslator(installed);
        delete installed;
    }
    const char* code = language == i18n::Language::German   ? "qtbase_de"
                       : language == i18n::Language::French ? "qtbase_fr"
                                                            : nullptr;
    if (!code || !QCoreApplication::instance())
        return !code;
    // Owned by the application, so it goes when the program ends.
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QString::fromLatin1(code),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    installed = translator;
    return true;
}

} // namespace ui
