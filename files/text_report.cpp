#include "files/text_report.h"

#include <algorithm>

#include "calc/record/option_values.h"
#include "calc/text/cp1251.h"
#include "calc/text/joined_text.h"
#include "calc/text/result_format.h"

namespace toroglav {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

void Line(Text& out, std::initializer_list<std::string_view> pieces) {
    AppendJoined(out, pieces);
    out += kLineEnd;
}

std::string_view ConverterName(std::int32_t converter) {
    switch (ConverterOf(converter)) {
        case Converter::PushPull:
            return Cp1251<"Пуш-пул">;
        case Converter::HalfBridge:
            return Cp1251<"Полумостовая">;
        case Converter::Bridge:
            return Cp1251<"Мостовая">;
    }
    return {};
}

// The core's line: the "x" is Latin, "Ш" and "Е" are Cyrillic; a core given by its parameters
// has none.
void AppendCoreLine(Text& out, const DesignRecord& r) {
    constexpr std::string_view x = " x ";
    switch (KnownCoreType(r.m_nCoreType).value_or(CoreType::Other)) {
        case CoreType::Ring:
            Line(out, {Cp1251<"Расчёт кольца ">, r.m_strDimD, x, r.m_strDimd, x, r.m_strDimh});
            break;
        case CoreType::E:
            Line(out, {Cp1251<"Расчёт Ш(Е) ">, r.m_strDimD, x, r.m_strDimd, x, r.m_strDimh, x,
                       r.m_strDimho});
            break;
        case CoreType::Etd:
            Line(out, {Cp1251<"Расчёт ETD ">, r.m_strDimD, x, r.m_strDimd, x, r.m_strDimh, x,
                       r.m_strDimho});
            break;
        case CoreType::Other:
            break;
    }
}

// "<heading>: 17 В, 5 В": output 1 always, the others when their own text is not empty.
void AppendOutputList(Text& out, std::string_view heading, const OutputTexts& texts,
                      std::string_view unit) {
    AppendJoined(out, {heading, texts[0], unit});
    for (int k = 1; k < kOutputCount; ++k)
        if (!texts[k].empty()) AppendJoined(out, {", ", texts[k], unit});
    out += kLineEnd;
}

}  // namespace

Text ReportInductionText(const DesignRecord& record) {
    Text text = FormatFixed(record.m_dInduction.value_or(0), 4);
    std::replace(text.begin(), text.end(), ',', '.');
    return text;
}

Text ComposeTextReport(const DesignRecord& r) {
    Text out;
    out.reserve(1024);
    Line(out, {Cp1251<"Исходные данные:">});
    Line(out, {Cp1251<"Схема преобразователя: ">, ConverterName(r.m_nConverter)});
    AppendCoreLine(out, r);
    Line(out, {Cp1251<"Амплитуда индукции: ">, r.m_strInductionMax, " T"});
    Line(out, {Cp1251<"Магнитная проницаемость, эффективная: ">, r.m_strPermeability});
    Line(out, {Cp1251<"Коэффициент заполнения окна (заданный): ">, r.m_strWindowFill});
    Line(out, {Cp1251<"Плотность тока: ">, r.m_strCurrentDensity, Cp1251<" А/мм2">});
    Line(out, {Cp1251<"Частота преобразования: ">, r.m_strFrequency, Cp1251<" кГц">});
    // The report tells the options apart as 0 or not, as it always has.
    if (r.m_nController == IndexOf(Controller::DutyLimited))
        Line(out,
             {Cp1251<"Коэффициент заполнения импульса (duty cicle), максимум: ">, r.m_strDutyMax});
    else
        Line(out,
             {Cp1251<"Мертвое время (dead time), минимум: ">, r.m_strDeadTime, Cp1251<" мкс">});
    Line(out, {Cp1251<"Напряжение насыщения транзисторов: ">, r.m_strUsat, Cp1251<" В">});
    Line(out, {Cp1251<"Напряжение питания (мин. - макс.): ">, r.m_strSupplyMin, Cp1251<" В - ">,
               r.m_strSupplyMax, Cp1251<" В, ">,
               r.m_nSupplyKind == IndexOf(SupplyKind::Dc) ? Cp1251<"постоянного тока">.view()
                                                          : Cp1251<"переменного тока">.view()});
    Line(out, {Cp1251<"Стабилизация выходных напряжений: ">,
               r.m_nStabilization == IndexOf(Stabilization::Off) ? Cp1251<"Нет">.view()
                                                                 : Cp1251<"Есть">.view()});
    AppendOutputList(out, Cp1251<"Выходные напряжения, не менее: ">, r.m_strOutVoltage,
                     Cp1251<" В">);
    AppendOutputList(out, Cp1251<"Токи вторичных обмоток: ">, r.m_strOutCurrent, Cp1251<" А">);

    Line(out, {});
    Line(out, {Cp1251<"Результаты расчета:">});
    Line(out, {Cp1251<"Рассчитанная амплитуда индукции: ">, ReportInductionText(r), " T"});
    Line(out, {Cp1251<"Число витков и диаметр провода первичной обмотки: ">, r.m_strPrimaryTurns});
    Line(out, {Cp1251<"Число витков и диаметр провода вторичных обмоток">});
    // Outputs in use are numbered from 1, skipping the empty ones.
    int number = 0;
    for (int k = 0; k < kOutputCount; ++k)
        if (!r.m_strOutVoltage[k].empty())
            Line(out, {std::to_string(++number), ". ", r.m_strOutTurns[k], " ", r.m_strOutWire[k]});
    return out;
}

FileWriteResult SaveTextReport(const std::filesystem::path& path, const DesignRecord& record) {
    const Text report = ComposeTextReport(record);
    return ReplaceFile(path,
                       [&](ByteSink& sink) { return sink.Write(report.data(), report.size()); });
}

}  // namespace toroglav
