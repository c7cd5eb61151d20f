#include "ui/main_window/record_words.h"

#include <QCoreApplication>
#include <array>

#include "calc/design/shown_results.h"
#include "files/default_file_name.h"
#include "ui/services/qstring_cp1251.h"

namespace toroglav::ui {

namespace {

constexpr const char* kContext = "RecordWords";

// What lupdate needs to see of the words below, written as the record has them; the translations
// are looked up by the words themselves, so a word that no longer matches stays Russian, which
// the English window test catches.
[[maybe_unused]] constexpr const char* kSources[] = {
    QT_TRANSLATE_NOOP("RecordWords", "мГн"),
    QT_TRANSLATE_NOOP("RecordWords", "мкГн"),
    QT_TRANSLATE_NOOP("RecordWords", " (расчет)"),
    QT_TRANSLATE_NOOP("RecordWords",
                      "Потери слишком велики.\nНет данных для расчета потерь!\nСнизте индукцию "
                      "и(или) частоту!"),
    QT_TRANSLATE_NOOP("RecordWords",
                      "Ожидаемый перегрев сердечника более 50 градусов.\nСнизте индукцию и(или) "
                      "частоту!"),
    QT_TRANSLATE_NOOP("RecordWords", "Расчёт кольца "),
    QT_TRANSLATE_NOOP("RecordWords", "Расчёт Е(Ш) "),
    QT_TRANSLATE_NOOP("RecordWords", "Расчёт ETD "),
    QT_TRANSLATE_NOOP("RecordWords", "кГц, "),
    QT_TRANSLATE_NOOP("RecordWords", "В, "),
    QT_TRANSLATE_NOOP("RecordWords", "Вх"),
    QT_TRANSLATE_NOOP("RecordWords", "А"),
};

QString Translated(const QString& word) {
    return QCoreApplication::translate(kContext, word.toUtf8().constData());
}

// Each result word with its translation; a result ends in at most one of them.
struct Word {
    QString recorded;
    QString shown;
};

std::array<Word, 3> ResultWords() {
    std::array<Word, 3> words;
    const std::string_view recorded[] = {shown::kMillihenry, shown::kMicrohenry,
                                         shown::kCalculatedMark};
    for (std::size_t i = 0; i < words.size(); ++i) {
        words[i].recorded = QStringFromCp1251(recorded[i]);
        words[i].shown = Translated(words[i].recorded);
    }
    return words;
}

}  // namespace

QString ShownResult(std::string_view text) {
    QString shown = QStringFromCp1251(text);
    for (const Word& word : ResultWords())
        if (shown.endsWith(word.recorded)) return shown.chopped(word.recorded.size()) + word.shown;
    return shown;
}

Text RecordedResult(const QString& shown) {
    for (const Word& word : ResultWords())
        if (shown.endsWith(word.shown))
            return Cp1251FromQString(shown.chopped(word.shown.size()) + word.recorded);
    return Cp1251FromQString(shown);
}

QString ShownWarning(std::string_view warning) {
    return Translated(QStringFromCp1251(warning));
}

Text ShownDefaultFileName(const DesignRecord& record) {
    FileNameWords words;
    std::string_view* const each[] = {&words.ring,      &words.eCore, &words.etdCore,
                                      &words.kilohertz, &words.volts, &words.voltsBy,
                                      &words.amperes};
    std::array<Text, std::size(each)> shown;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        shown[i] = Cp1251FromQString(Translated(QStringFromCp1251(*each[i])));
        *each[i] = shown[i];
    }
    return BuildDefaultFileName(record, words);
}

}  // namespace toroglav::ui
