// Benchmarks of the search statements on the synthetic catalog of 100,000
// companies: a record-path search over the whole catalog (SUPERSELECT once
// per company), a keyword search of two words through SEARCH_TEMP, and a
// record-path search within a selection of 10,000 companies. Each iteration
// runs the whole CreateSelection / CreateSelectionWithin under a new id.
// The keyword search is also shown
// step by step (fill SEARCH_TEMP with the first word, keep the second, the
// final INSERT) so that a slow part can be told apart. The first step scans
// all of Keywords unless the catalog has an index on UPPER(Keyword), which
// its STARTING WITH then uses.
//
// The catalog is the one catalog_bench builds and keeps (bench-data/ of the
// build folder); set MARVENIC_BENCH_DATA to use one kept elsewhere. The
// selections written here use identifiers far above any real one and are
// removed again at the start and at the end.
#include "bench_catalog.h"

#include "catalog/dazi_data.h"
#include "catalog/search_sql.h"
#include "platform/fb/fb.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

constexpr int BenchSelections = 2000000000;  // every id at or above is the benchmark's
constexpr int SourceID = BenchSelections;
int NewID = BenchSelections;

const std::string Med = "\xec\xe5\xe4";  // мед, in about 2.7 % of the names
// медицина врач: about 2,000 companies have both keywords
const std::string TwoWords = "\xec\xe5\xe4\xe8\xf6\xe8\xed\xe0 \xe2\xf0\xe0\xf7";

catalog::TDaziData* data = nullptr;

void removeBenchSelections() {
    data->ExecSQL("DELETE FROM Selections WHERE SelectionID >= " + std::to_string(BenchSelections));
}

// Each search gets a new id, as in the program; the rows stay until the end,
// so that no iteration pays for the garbage of the one before.
int nextID() { return ++NewID; }

void countRows(benchmark::State& s) {
    s.PauseTiming();
    s.counters["rows"] = data->GetSelectionCount(NewID);
    s.ResumeTiming();
}

void BM_SearchRecordPath(benchmark::State& s) {
    const catalog::TQueryConditions conditions = {{"name", Med, false}};
    for (auto _ : s) {
        catalog::CreateSelection(*data, nextID(), conditions, true);
        countRows(s);
    }
}
BENCHMARK(BM_SearchRecordPath)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_SearchKeywordsTwoWords(benchmark::State& s) {
    const catalog::TQueryConditions conditions = {{std::string(catalog::KeywordPath), TwoWords, false}};
    for (auto _ : s) {
        catalog::CreateSelection(*data, nextID(), conditions, true);
        countRows(s);
    }
}
BENCHMARK(BM_SearchKeywordsTwoWords)->Unit(benchmark::kMillisecond);

// The parts of the keyword search: the first word's scan of Keywords, the
// second word's check per row of SEARCH_TEMP, and the INSERT joining both.
void BM_KeywordStep(benchmark::State& s) {
    const auto words = catalog::KeywordWords(TwoWords);
    const catalog::TQueryConditions conditions = {{std::string(catalog::KeywordPath), TwoWords, false}};
    for (auto _ : s) {
        s.PauseTiming();
        catalog::ClearSearchTemp(*data);
        if (s.range(0) > 0)
            catalog::AddKeywordMatches(*data, words[0]);
        if (s.range(0) > 1)
            catalog::KeepKeywordMatches(*data, words[1]);
        s.ResumeTiming();
        switch (s.range(0)) {
        case 0: catalog::AddKeywordMatches(*data, words[0]); break;
        case 1: catalog::KeepKeywordMatches(*data, words[1]); break;
        default: {
            const auto statement = catalog::SelectionStatement(
                nextID(), conditions, "Companies.CompanyID = SEARCH_TEMP.CompanyID ");
            data->ExecSQL(statement.SQL, statement.Params);
            countRows(s);
        }
        }
    }
}
BENCHMARK(BM_KeywordStep)->ArgName("step")->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void BM_SearchWithinSelection(benchmark::State& s) {
    const catalog::TQueryConditions conditions = {{"name", Med, false}};
    for (auto _ : s) {
        catalog::CreateSelectionWithin(*data, SourceID, nextID(), true, conditions);
        countRows(s);
    }
    s.counters["source"] = data->GetSelectionCount(SourceID);
}
BENCHMARK(BM_SearchWithinSelection)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);  // the generator draws the companies' pictures
    benchmark::Initialize(&argc, argv);
    const fs::path folder = bench::SyntheticCatalog();
    catalog::TDaziData module;
    data = &module;
    module.Connect("", (folder / "tolvik.gdb").string());

    removeBenchSelections();
    // Every tenth company, spread over the whole catalog.
    module.ExecSQL("INSERT INTO Selections (SelectionID, CompanyID) SELECT " + std::to_string(SourceID) +
                   ", CompanyID FROM Companies WHERE MOD(CompanyID, 10) = 3");

    benchmark::ConsoleReporter reporter(benchmark::ConsoleReporter::OO_Tabular);  // no colour codes in logs
    benchmark::RunSpecifiedBenchmarks(&reporter);

    removeBenchSelections();
    catalog::ClearSearchTemp(module);
    module.Disconnect();
    benchmark::Shutdown();
    return 0;
}
