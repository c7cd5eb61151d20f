// Cost of saving a design and reading it back, in memory, as on every exit and start.

#include <benchmark/benchmark.h>

#include <string>

#include "calc/record/design_record.h"
#include "files/design_file.h"

namespace {

void BM_WriteAndReadDefaultRecord(benchmark::State& state) {
    const toroglav::DesignRecord original;
    toroglav::DesignRecord record;
    std::size_t fileSize = 0;
    for (auto _ : state) {
        std::string bytes;
        toroglav::StringSink sink(bytes);
        if (!toroglav::WriteDesignRecord(sink, original)) state.SkipWithError("write failed");
        toroglav::MemorySource source(bytes);
        if (toroglav::ReadDesignRecord(source, record) != toroglav::ReadStatus::kOk)
            state.SkipWithError("read failed");
        benchmark::DoNotOptimize(record);
        fileSize = bytes.size();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * fileSize));
}
BENCHMARK(BM_WriteAndReadDefaultRecord);

}  // namespace
