// Benchmarks of the tree builders on the synthetic catalog of 100,000
// companies: the topic tree, the plain list by name with its sort, and a
// grouped index tree. Each query is also walked alone (...RowsOnly,
// IndexScanOnly), so the building part is the difference. The index
// statement's time is mostly the engine's: the SUPERSELECT scan and its sort
// of the VARCHAR(4000) values, shown by two variants of the statement. The
// memory of the full topic tree is reported per node.
//
// The catalog is the one catalog_bench builds and keeps (bench-data/ of the
// build folder); set MARVENIC_BENCH_DATA to use one kept elsewhere.
#include "bench_catalog.h"

#include "catalog/build_structures.h"
#include "catalog/collation.h"
#include "catalog/dazi_data.h"
#include "catalog/paths.h"
#include "catalog/scramble.h"
#include "catalog/topic_tree_model.h"
#include "platform/fb/fb.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include <malloc.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// A record path every synthetic company has, with a few hundred values.
const std::vector<std::string> IndexPaths = {"settlement"};

catalog::TDaziData* data = nullptr;

std::size_t heapInUse() {
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

void BM_FillTopicTree(benchmark::State& s) {
    catalog::TTopicTreeModel tree;
    int leaves = 0;
    for (auto _ : s) {
        data->OpenTopics();
        leaves = catalog::FillTopicTree(tree, *data);
    }
    s.counters["leaves"] = leaves;
    s.counters["nodes"] = tree.nodeCount();
    s.SetItemsProcessed(s.iterations() * tree.nodeCount());
}
BENCHMARK(BM_FillTopicTree)->Unit(benchmark::kMillisecond);

// The query and the walk of its rows alone: the floor under FillTopicTree.
void BM_TopicRowsOnly(benchmark::State& s) {
    for (auto _ : s) {
        data->OpenTopics();
        fb::ResultSet& rows = data->DataSet();
        while (rows.next()) {
            benchmark::DoNotOptimize(rows.getInt(0) + rows.getInt(2) + rows.getInt(3) + rows.getInt(4));
            benchmark::DoNotOptimize(catalog::UnscrambleText(rows.getText(1)));
        }
        data->CloseDataSet();
    }
}
BENCHMARK(BM_TopicRowsOnly)->Unit(benchmark::kMillisecond);

// The query and the walk of its rows alone: the floor under FillCompanyList.
void BM_CompanyRowsOnly(benchmark::State& s) {
    for (auto _ : s) {
        data->OpenCompanyList(false);
        fb::ResultSet& rows = data->DataSet();
        while (rows.next()) {
            benchmark::DoNotOptimize(rows.getInt(1) + rows.getInt(2));
            benchmark::DoNotOptimize(catalog::UnscrambleText(rows.getText(0)));
        }
        data->CloseDataSet();
    }
}
BENCHMARK(BM_CompanyRowsOnly)->Unit(benchmark::kMillisecond);

void BM_FillCompanyList(benchmark::State& s) {
    catalog::TTopicTreeModel tree;
    const bool descending = s.range(0) != 0;
    int entries = 0;
    for (auto _ : s) {
        data->OpenCompanyList(descending);
        entries = catalog::FillCompanyList(tree, *data, descending);
    }
    s.counters["entries"] = entries;
    s.SetItemsProcessed(s.iterations() * entries);
}
BENCHMARK(BM_FillCompanyList)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The sort inside FillCompanyList, on its own, against sorting with one
// CompareRussian call per comparison.
std::vector<std::string> companyNames() {
    std::vector<std::string> names;
    data->OpenCompanyList(false);
    fb::ResultSet& rows = data->DataSet();
    while (rows.next())
        names.push_back(catalog::UnscrambleText(rows.getText(0)));
    data->CloseDataSet();
    return names;
}

void BM_SortRussian(benchmark::State& s) {
    const std::vector<std::string> names = companyNames();
    for (auto _ : s) {
        std::vector<std::string> list = names;
        catalog::SortRussian(list);
        benchmark::DoNotOptimize(list.data());
    }
    s.SetItemsProcessed(s.iterations() * static_cast<int64_t>(names.size()));
}
BENCHMARK(BM_SortRussian)->Unit(benchmark::kMillisecond);

void BM_SortByCompareRussian(benchmark::State& s) {
    const std::vector<std::string> names = companyNames();
    for (auto _ : s) {
        std::vector<std::string> list = names;
        std::stable_sort(list.begin(), list.end(),
                         [](const std::string& a, const std::string& b) { return catalog::CompareRussian(a, b) < 0; });
        benchmark::DoNotOptimize(list.data());
    }
    s.SetItemsProcessed(s.iterations() * static_cast<int64_t>(names.size()));
}
BENCHMARK(BM_SortByCompareRussian)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_FillIndexTree(benchmark::State& s) {
    catalog::TTopicTreeModel tree;
    int companies = 0;
    for (auto _ : s)
        companies = catalog::FillIndexTree(tree, *data, IndexPaths);
    s.counters["companies"] = companies;
    s.counters["groups"] = tree.childCount(catalog::TTopicTreeModel::RootNode);
}
BENCHMARK(BM_FillIndexTree)->Unit(benchmark::kMillisecond)->Iterations(3);

// The scan part of FillIndexTree: the statement with SUPERSELECT and the
// walk of its rows, no tree.
void BM_IndexScanOnly(benchmark::State& s) {
    int64_t rows = 0;
    for (auto _ : s) {
        const int first = data->OpenIndexedTopics(IndexPaths) - 1;
        fb::ResultSet& result = data->DataSet();
        while (result.next()) {
            benchmark::DoNotOptimize(result.getInt(0) + result.getInt(2) + result.getInt(3) + result.getInt(4) +
                                     result.getInt(5));
            benchmark::DoNotOptimize(catalog::UnscrambleText(result.getText(1)));
            benchmark::DoNotOptimize(catalog::Trim(catalog::UnscrambleText(result.getText(first))));
            ++rows;
        }
        data->CloseDataSet();
    }
    s.counters["rows"] = static_cast<double>(rows) / static_cast<double>(s.iterations());
}
BENCHMARK(BM_IndexScanOnly)->Unit(benchmark::kMillisecond)->Iterations(3);

// The same statement without its ORDER BY: what the engine's sort of the
// rows by the value columns adds to the scan.
void BM_IndexStatementUnordered(benchmark::State& s) {
    std::string sql = "SELECT Topics0.TopicID, Topics0.TopicName, Topics0.L, Topics0.R, Topics0.CompanyID, "
                      "Topics0.Property, " + catalog::PathExpression(IndexPaths[0]) +
                      " FROM Topics0, Companies WHERE Topics0.CompanyID = Companies.CompanyID";
    for (auto _ : s) {
        fb::ResultSet& result = data->OpenSQL(sql);
        while (result.next())
            benchmark::DoNotOptimize(result.getText(6));
        data->CloseDataSet();
    }
}
BENCHMARK(BM_IndexStatementUnordered)->Unit(benchmark::kMillisecond)->Iterations(3);

// The statement with its ORDER BY, the value cut to VARCHAR(255): the sort
// then moves short records instead of the function's VARCHAR(4000).
void BM_IndexStatementShortValue(benchmark::State& s) {
    std::string sql = "SELECT Topics0.TopicID, Topics0.TopicName, Topics0.L, Topics0.R, Topics0.CompanyID, "
                      "Topics0.Property, CAST(" + catalog::PathExpression(IndexPaths[0]) +
                      " AS VARCHAR(255) CHARACTER SET WIN1251) FROM Topics0, Companies "
                      "WHERE Topics0.CompanyID = Companies.CompanyID ORDER BY 7;";
    for (auto _ : s) {
        fb::ResultSet& result = data->OpenSQL(sql);
        while (result.next())
            benchmark::DoNotOptimize(result.getText(6));
        data->CloseDataSet();
    }
}
BENCHMARK(BM_IndexStatementShortValue)->Unit(benchmark::kMillisecond)->Iterations(3);

// Heap taken by the full topic tree, per node, against the model's own count.
void reportTopicTreeMemory() {
    auto tree = std::make_unique<catalog::TTopicTreeModel>();
    data->OpenTopics();
    data->CloseDataSet();  // the result set's buffers are not the tree's
    const std::size_t before = heapInUse();
    data->OpenTopics();
    catalog::FillTopicTree(*tree, *data);
    const std::size_t after = heapInUse();
    const double nodes = tree->nodeCount();
    std::printf("Topic tree: %d nodes; heap %.1f MB, %.1f bytes per node (model's count %.1f)\n",
                tree->nodeCount(), static_cast<double>(after - before) / 1e6,
                static_cast<double>(after - before) / nodes, static_cast<double>(tree->memoryUsage()) / nodes);
}

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

    reportTopicTreeMemory();
    benchmark::ConsoleReporter reporter(benchmark::ConsoleReporter::OO_Tabular);  // no colour codes in logs
    benchmark::RunSpecifiedBenchmarks(&reporter);
    module.Disconnect();
    benchmark::Shutdown();
    return 0;
}
