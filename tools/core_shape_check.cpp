// Reads core shapes from standard input, one a line: the core type number and the six dimension
// field texts, separated by tabs. Writes for each the cross-section Ae, window area So, path
// length le and volume Ve that the calculation derives from them, tab-separated, in the
// shortest round-trip form. scripts/import-cores checks every catalogue shape with it, so the
// catalogue and the calculation can never disagree on what a shape means.

#include <algorithm>
#include <iostream>
#include <string>
#include <string_view>

#include "calc/design/stages.h"
#include "calc/text/result_format.h"

namespace {

// The next tab-separated piece of `line` from `pos`; `pos` moves past its tab.
std::string_view NextField(std::string_view line, std::size_t& pos) {
    const std::size_t tab = std::min(line.find('\t', pos), line.size());
    const std::string_view field = line.substr(pos, tab - pos);
    pos = tab + 1;
    return field;
}

}  // namespace

int main() {
    using namespace toroglav;
    for (std::string line; std::getline(std::cin, line);) {
        DesignRecord record;
        std::size_t pos = 0;
        record.m_nCoreType = std::stoi(std::string(NextField(line, pos)));
        for (Text* field : {&record.m_strDimD, &record.m_strDimd, &record.m_strDimh,
                            &record.m_strDimho, &record.m_strDimHs, &record.m_strDimL})
            *field = NextField(line, pos);
        const stages::Inputs in = stages::ConvertInputs(record);
        const stages::CoreGeometry core = stages::ComputeCoreGeometry(in);
        std::cout << FormatShortest(core.ae) << '\t' << FormatShortest(core.so) << '\t'
                  << FormatShortest(core.le) << '\t' << FormatShortest(core.ve) << '\n';
    }
}
