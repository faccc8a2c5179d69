// Benchmarks of the catalog data module on a synthetic catalog of 100,000
// companies: walking the topic tree, fetching records, and the SUPERSELECT
// scan that every search runs, against the same scan over a plain column.
//
// The catalog is built once into the build folder (bench-data/, delete it
// after changing the generator) and reused; the bench works on a copy of it
// that carries the helper table BENCH_NAMES.
#include "bench_catalog.h"

#include "catalog/dazi_data.h"
#include "catalog/scramble.h"
#include "platform/fb/fb.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

using bench::complete;
using bench::markComplete;

struct BenchState {
    catalog::TDaziData data;
    std::vector<int> companyIds;
    std::string syllable;  // cp1251, upper case
    std::string superselectScan;
    std::string plainScan;
};
BenchState* state = nullptr;

// The bench copy: the catalog plus BENCH_NAMES(CompanyID, Name) holding the
// names SUPERSELECT returns, so that both scans see the same values.
fs::path ensureBenchCopy(const fs::path& catalogFolder) {
    const fs::path folder = catalogFolder / "bench";
    if (complete(folder) && fs::last_write_time(folder / "tolvik.gdb") >=
                                fs::last_write_time(catalogFolder / "tolvik.gdb"))
        return folder / "tolvik.gdb";
    fs::remove_all(folder);
    fs::create_directories(folder);
    fs::copy_file(catalogFolder / "tolvik.gdb", folder / "tolvik.gdb");
    fb::Connection db;
    db.attach((folder / "tolvik.gdb").string());
    db.execute("CREATE TABLE BENCH_NAMES (CompanyID INTEGER, Name VARCHAR(255) CHARACTER SET WIN1251)");
    db.execute("INSERT INTO BENCH_NAMES (CompanyID, Name) SELECT CompanyID, "
               "SUPERSELECT(XML, 'name', '" + std::string(catalog::RecordKey) + "') FROM Companies");
    db.detach();
    markComplete(folder);
    return folder / "tolvik.gdb";
}

bool cyrillicLetter(unsigned char c) { return c >= 0xC0 || c == 0xA8; }

// The most frequent three-letter Cyrillic run of the upper-cased names.
std::string commonSyllable(catalog::TDaziData& data) {
    std::map<std::string, int> counts;
    fb::ResultSet& ds = data.OpenSQL("SELECT UPPER(Name) FROM BENCH_NAMES");
    while (ds.next()) {
        const std::string name = ds.getText(0);
        for (size_t i = 0; i + 3 <= name.size(); ++i)
            if (cyrillicLetter(name[i]) && cyrillicLetter(name[i + 1]) && cyrillicLetter(name[i + 2]))
                ++counts[name.substr(i, 3)];
    }
    data.CloseDataSet();
    std::string best;
    int bestCount = 0;
    for (const auto& [syllable, count] : counts)
        if (count > bestCount) {
            best = syllable;
            bestCount = count;
        }
    return best;
}

int countOf(catalog::TDaziData& data, const std::string& sql) {
    fb::ResultSet& ds = data.OpenSQL(sql);
    const int n = ds.next() ? ds.getInt(0) : 0;
    data.CloseDataSet();
    return n;
}

void BM_OpenTopicsWalk(benchmark::State& s) {
    int64_t rows = 0;
    for (auto _ : s) {
        state->data.OpenTopics();
        fb::ResultSet& ds = state->data.DataSet();
        const int id = ds.column("TopicID"), name = ds.column("TopicName"), l = ds.column("L"),
                  r = ds.column("R"), company = ds.column("CompanyID"), property = ds.column("Property");
        while (ds.next()) {
            benchmark::DoNotOptimize(ds.getInt(id) + ds.getInt(l) + ds.getInt(r) +
                                     ds.getInt(company) + ds.getInt(property));
            benchmark::DoNotOptimize(ds.getText(name));
            ++rows;
        }
        state->data.CloseDataSet();
    }
    s.SetItemsProcessed(rows);
}
BENCHMARK(BM_OpenTopicsWalk)->Unit(benchmark::kMillisecond);

void BM_GetCompanyXML(benchmark::State& s) {
    std::mt19937 random(42);
    std::uniform_int_distribution<size_t> pick(0, state->companyIds.size() - 1);
    int64_t bytes = 0;
    for (auto _ : s) {
        const std::string xml = state->data.GetCompanyXML(state->companyIds[pick(random)]);
        bytes += static_cast<int64_t>(xml.size());
        benchmark::DoNotOptimize(xml.data());
    }
    s.SetItemsProcessed(s.iterations());
    s.SetBytesProcessed(bytes);
}
BENCHMARK(BM_GetCompanyXML)->Unit(benchmark::kMicrosecond);

void BM_SuperselectScan(benchmark::State& s) {
    int matches = 0;
    for (auto _ : s)
        matches = countOf(state->data, state->superselectScan);
    s.counters["matches"] = matches;
    s.SetItemsProcessed(s.iterations() * static_cast<int64_t>(state->companyIds.size()));
}
BENCHMARK(BM_SuperselectScan)->Unit(benchmark::kMillisecond);

void BM_PlainColumnScan(benchmark::State& s) {
    int matches = 0;
    for (auto _ : s)
        matches = countOf(state->data, state->plainScan);
    s.counters["matches"] = matches;
    s.SetItemsProcessed(s.iterations() * static_cast<int64_t>(state->companyIds.size()));
}
BENCHMARK(BM_PlainColumnScan)->Unit(benchmark::kMillisecond);

// The floor under the SUPERSELECT scan: the engine opening every record
// blob, with no function call and no unscrambling.
void BM_RecordBlobScan(benchmark::State& s) {
    int matches = 0;
    for (auto _ : s)
        matches = countOf(state->data, "SELECT COUNT(*) FROM Companies WHERE OCTET_LENGTH(XML) > 0");
    s.counters["matches"] = matches;
    s.SetItemsProcessed(s.iterations() * static_cast<int64_t>(state->companyIds.size()));
}
BENCHMARK(BM_RecordBlobScan)->Unit(benchmark::kMillisecond);

// The console report, remembering the two scan times for the ratio.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    RatioReporter() : ConsoleReporter(OO_Tabular) {}  // no colour codes in logs
    void ReportRuns(const std::vector<Run>& runs) override {
        // One run, or the mean of repetitions.
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration || run.aggregate_name == "mean")
                times[run.run_name.str()] = {run.GetAdjustedRealTime(), run.GetAdjustedCPUTime()};
        ConsoleReporter::ReportRuns(runs);
    }
    struct Times {
        double real, cpu;
    };
    std::map<std::string, Times> times;
};

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);  // the generator draws the companies' pictures
    benchmark::Initialize(&argc, argv);
    const fs::path database = ensureBenchCopy(bench::SyntheticCatalog());
    BenchState bench;
    state = &bench;
    bench.data.Connect("", database.string());
    {
        fb::ResultSet& ds = bench.data.OpenSQL("SELECT CompanyID FROM Companies");
        while (ds.next())
            bench.companyIds.push_back(ds.getInt(0));
        bench.data.CloseDataSet();
    }
    bench.syllable = commonSyllable(bench.data);
    bench.superselectScan = "SELECT COUNT(*) FROM Companies WHERE UPPER(SUPERSELECT(XML, 'name', '" +
                            std::string(catalog::RecordKey) + "')) LIKE '%" + bench.syllable + "%'";
    bench.plainScan =
        "SELECT COUNT(*) FROM BENCH_NAMES WHERE UPPER(Name) LIKE '%" + bench.syllable + "%'";
    const int viaSuperselect = countOf(bench.data, bench.superselectScan);
    const int viaColumn = countOf(bench.data, bench.plainScan);
    std::printf("%zu companies; syllable (cp1251) %02X %02X %02X matches %d via SUPERSELECT, %d via "
                "the plain column\n",
                bench.companyIds.size(), static_cast<unsigned char>(bench.syllable[0]),
                static_cast<unsigned char>(bench.syllable[1]),
                static_cast<unsigned char>(bench.syllable[2]), viaSuperselect, viaColumn);

    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto superselect = reporter.times.find("BM_SuperselectScan");
    const auto plain = reporter.times.find("BM_PlainColumnScan");
    if (superselect != reporter.times.end() && plain != reporter.times.end() &&
        plain->second.real > 0 && plain->second.cpu > 0)
        std::printf("SUPERSELECT scan %.1f ms (CPU %.1f), plain column scan %.1f ms (CPU %.1f): "
                    "ratio %.2f (CPU %.2f); goal: under 1000 ms and within 5x\n",
                    superselect->second.real, superselect->second.cpu, plain->second.real,
                    plain->second.cpu, superselect->second.real / plain->second.real,
                    superselect->second.cpu / plain->second.cpu);
    bench.data.Disconnect();
    benchmark::Shutdown();
    return 0;
}
