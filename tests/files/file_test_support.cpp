#include "file_test_support.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "calc/text/cp1251.h"
#include "files/design_file.h"

namespace toroglav {

void PrintTo(const DesignRecord& record, std::ostream* out) {
    DesignRecord copy = record;  // the accessors hand out mutable references
    *out << "{";
    for (const auto& option : test::StoredOptions())
        *out << " " << option.name << "=" << option.get(copy);
    for (const auto& text : test::StoredTexts()) {
        const Text& value = text.get(copy);
        *out << " " << text.name << "=";
        if (value.size() > 40)
            *out << "<" << value.size() << " bytes>";
        else
            *out << "\"" << Cp1251ToUtf8(value) << "\"";
    }
    *out << " }";
}

}  // namespace toroglav

namespace toroglav::test {

std::string Hex(std::string_view hex) {
    std::string bytes;
    for (std::size_t i = 0; i < hex.size();) {
        if (hex[i] == ' ') {
            ++i;
            continue;
        }
        bytes += static_cast<char>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16));
        i += 2;
    }
    return bytes;
}

std::string Written(const DesignRecord& record) {
    std::string bytes;
    StringSink sink(bytes);
    if (!WriteDesignRecord(sink, record)) throw std::runtime_error("write into memory failed");
    return bytes;
}

#define OPTION(member)                                                      \
    {                                                                       \
#member, [](DesignRecord & r) -> std::int32_t& { return r.member; } \
    }
#define TEXT(member)                                                \
    {                                                               \
#member, [](DesignRecord & r) -> Text& { return r.member; } \
    }
#define OUTPUTS(member) \
    TEXT(member[0]), TEXT(member[1]), TEXT(member[2]), TEXT(member[3]), TEXT(member[4])

const std::vector<StoredOption>& StoredOptions() {
    static const std::vector<StoredOption> options = {
        OPTION(m_nConverter),    OPTION(m_nCoreType),     OPTION(m_nMaterial),
        OPTION(m_nController),   OPTION(m_nSupplyKind),   OPTION(m_nStabilization),
        OPTION(m_nRectifier[0]), OPTION(m_nRectifier[1]), OPTION(m_nRectifier[2]),
        OPTION(m_nRectifier[3]), OPTION(m_nRectifier[4]), OPTION(m_nSwitchDrop),
    };
    return options;
}

const std::vector<StoredText>& StoredTexts() {
    static const std::vector<StoredText> texts = {
        TEXT(m_strDimD),         TEXT(m_strDimd),          TEXT(m_strDimh),
        TEXT(m_strDimho),        TEXT(m_strDimHs),         TEXT(m_strDimL),
        TEXT(m_strPermeability), TEXT(m_strInductionMax),  TEXT(m_strFrequency),
        TEXT(m_strDutyMax),      TEXT(m_strDeadTime),      TEXT(m_strCurrentDensity),
        TEXT(m_strWindowFill),   TEXT(m_strSupplyMin),     TEXT(m_strSupplyNom),
        TEXT(m_strSupplyMax),    OUTPUTS(m_strOutVoltage), TEXT(m_strUsat),
        TEXT(m_strRdsOn),        OUTPUTS(m_strOutCurrent), OUTPUTS(m_strOutCurrentMin),
        OUTPUTS(m_strDiodeDrop), TEXT(m_strWirePrimary),   OUTPUTS(m_strWireOut),
    };
    return texts;
}

#undef OPTION
#undef TEXT
#undef OUTPUTS

DesignRecord EmptyInputs() {
    DesignRecord record;
    for (const auto& option : StoredOptions()) option.get(record) = 0;
    for (const auto& text : StoredTexts()) text.get(record).clear();
    return record;
}

std::size_t PrefixSize(std::size_t n) {
    return n < 255 ? 1 : n < 65534 ? 3 : 7;
}

bool FailAfterSink::Write(const char* /*data*/, std::size_t size) {
    if (failed_) wroteAfterFailure_ = true;
    if (failed_ || size > capacity_ - written_) {
        failed_ = true;
        return false;
    }
    written_ += size;
    return true;
}

std::size_t FailingDeviceSource::Read(char* data, std::size_t size) {
    const std::size_t available = std::min(bytes_.size(), good_) - std::min(position_, good_);
    const std::size_t count = std::min(size, available);
    std::memcpy(data, bytes_.data() + position_, count);
    position_ += count;
    if (count < size && position_ < bytes_.size()) failed_ = true;
    return count;
}

}  // namespace toroglav::test
