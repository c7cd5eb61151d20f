#include "ui/services/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

namespace toroglav::ui {

using namespace Qt::StringLiterals;

namespace {

// The user's settings of the program (on Linux ~/.config/toroglav/toroglav.conf).
constexpr QLatin1StringView kSettingsName = "toroglav"_L1;
constexpr QLatin1StringView kLanguageKey = "language"_L1;
// Marks the translators this file installed, so that installing again replaces them.
constexpr QLatin1StringView kTranslatorName = "toroglav translator"_L1;

Language installed = Language::Russian;

QString CodeOf(Language language) {
    return language == Language::Russian ? u"ru"_s : u"en"_s;
}

void Install(QCoreApplication& application, const QString& file, const QString& folder) {
    auto* translator = new QTranslator(&application);
    translator->setObjectName(kTranslatorName);
    if (translator->load(file, folder))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

}  // namespace

Language SystemLanguage() {
    const QStringList languages = QLocale::system().uiLanguages();
    return !languages.isEmpty() && languages.constFirst().startsWith("ru"_L1) ? Language::Russian
                                                                              : Language::English;
}

std::optional<Language> ChosenLanguage() {
    const QString code = QSettings(kSettingsName, kSettingsName).value(kLanguageKey).toString();
    if (code == CodeOf(Language::Russian)) return Language::Russian;
    if (code == CodeOf(Language::English)) return Language::English;
    return std::nullopt;
}

void ChooseLanguage(std::optional<Language> language) {
    QSettings settings(kSettingsName, kSettingsName);
    if (language)
        settings.setValue(kLanguageKey, CodeOf(*language));
    else
        settings.remove(kLanguageKey);
}

Language WindowLanguage() {
    return ChosenLanguage().value_or(SystemLanguage());
}

void InstallTranslations(QCoreApplication& application) {
    for (QTranslator* old :
         application.findChildren<QTranslator*>(kTranslatorName, Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(old);
        delete old;
    }
    installed = WindowLanguage();
    Install(application, u"qtbase_"_s + CodeOf(installed),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    // qt_add_translations (ui/CMakeLists.txt) puts the compiled translation there.
    if (installed == Language::English) Install(application, u"toroglav_en"_s, u":/i18n"_s);
}

Language InstalledLanguage() {
    return installed;
}

}  // namespace toroglav::ui
