// Cost of one SUPERSELECT row without the engine: unscramble + scan of a
// record of about 2 KB, value near the start and near the end; whole record
// or only as far as needed.
#include "superselect_scan.h"

#include "catalog/scramble.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

std::string sampleRecord() {
    std::string xml = "<company><name>\xCE\xCE\xCE \xCC\xE5\xE4\xF2\xE5\xF5\xED\xE8\xEA\xE0</name>";
    xml += "<address><zip>220004</zip><street prefix=\"\xF3\xEB.\">\xCF\xEE\xE1\xE5\xE4\xE8\xF2\xE5\xEB\xE5\xE9</street></address>";
    for (int i = 0; xml.size() < 1900; ++i)
        xml += "<phone code=\"017\">2" + std::to_string(100000 + i) + "</phone><activity>\xCF\xF0\xEE\xE4\xE0\xE6\xE0 &amp; \xF1\xE5\xF0\xE2\xE8\xF1</activity>";
    xml += "<email>info@example.by</email></company>";
    catalog::UnscrambleRecord(xml);
    return xml;
}

void scan(benchmark::State& state, const char* path) {
    const std::string stored = sampleRecord();
    std::string buffer;
    std::string value;
    for (auto _ : state) {
        buffer.assign(stored);
        superselect::FindTextInScrambledInPlace(buffer.data(), buffer.size(), path, catalog::RecordKey,
                                                value);
        benchmark::DoNotOptimize(value.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(stored.size()));
}

void unscrambleOnly(benchmark::State& state) {
    const std::string stored = sampleRecord();
    std::string buffer;
    for (auto _ : state) {
        buffer.assign(stored);
        catalog::UnscrambleRecord(buffer.data(), buffer.size(), catalog::RecordKey);
        benchmark::DoNotOptimize(buffer.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(stored.size()));
}

void scanOnly(benchmark::State& state, const char* path) {
    std::string plain = sampleRecord();
    catalog::UnscrambleRecord(plain);
    std::string value;
    for (auto _ : state) {
        superselect::FindTextInto(plain, path, value);
        benchmark::DoNotOptimize(value.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(plain.size()));
}

// The way the database function works: unscramble only as far as needed.
void scanPrefix(benchmark::State& state, const char* path) {
    const std::string stored = sampleRecord();
    const catalog::RecordMask mask(catalog::RecordKey);
    std::string buffer;
    std::string value;
    for (auto _ : state) {
        buffer.assign(stored);
        std::size_t plain = 0;
        superselect::FindTextInScrambledPrefix(buffer.data(), buffer.size(), true, plain, path, mask,
                                               value);
        benchmark::DoNotOptimize(value.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(stored.size()));
}

void BM_UnscrambleOnly(benchmark::State& state) { unscrambleOnly(state); }
void BM_PrefixNameNearStart(benchmark::State& state) { scanPrefix(state, "name"); }
void BM_PrefixEmailAtEnd(benchmark::State& state) { scanPrefix(state, "email"); }
void BM_ScanOnlyEmailAtEnd(benchmark::State& state) { scanOnly(state, "email"); }
void BM_ScanOnlyAbsent(benchmark::State& state) { scanOnly(state, "nothing/here"); }
void BM_NameNearStart(benchmark::State& state) { scan(state, "name"); }
void BM_EmailAtEnd(benchmark::State& state) { scan(state, "email"); }
void BM_Absent(benchmark::State& state) { scan(state, "nothing/here"); }

}  // namespace

BENCHMARK(BM_UnscrambleOnly);
BENCHMARK(BM_ScanOnlyEmailAtEnd);
BENCHMARK(BM_ScanOnlyAbsent);
BENCHMARK(BM_NameNearStart);
BENCHMARK(BM_EmailAtEnd);
BENCHMARK(BM_Absent);
BENCHMARK(BM_PrefixNameNearStart);
BENCHMARK(BM_PrefixEmailAtEnd);
