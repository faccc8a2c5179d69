// Benchmarks of the companies table on the synthetic catalog of 100,000
// companies: filling it from the whole plain list (no record is read, the
// rows are only collected and sorted), from the topic tree's largest topic
// (entries in topic order, so the sort does all its work), and the first
// paint of a filled table, which reads the records of the visible rows.
//
// The catalog is the one catalog_bench builds and keeps (bench-data/ of the
// build folder); set MARVENIC_BENCH_DATA to use one kept elsewhere.
#include "bench_catalog.h"

#include "catalog/build_structures.h"
#include "catalog/dazi_data.h"
#include "catalog/topic_tree_model.h"
#include "platform/fb/fb.h"
#include "search/companies_table_form.h"

#include <benchmark/benchmark.h>

#include <QApplication>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

namespace fs = std::filesystem;

namespace {


catalog::TDaziData* data = nullptr;

void BM_FillFromTreeWholeList(benchmark::State& s) {
    catalog::TTopicTreeModel tree;
    data->OpenCompanyList(false);
    catalog::FillCompanyList(tree, *data, false);
    const QModelIndex root = tree.index(0, 0);
    search::TCompaniesTableForm form;
    for (auto _ : s)
        form.FillFromTree(tree, root);
    s.counters["rows"] = form.RowCount();
    s.SetItemsProcessed(s.iterations() * form.RowCount());
}
BENCHMARK(BM_FillFromTreeWholeList)->Unit(benchmark::kMillisecond);

// The top-level topic with the most companies below it.
QModelIndex largestTopic(const catalog::TTopicTreeModel& tree, search::TCompaniesTableForm& form) {
    QModelIndex best;
    int bestRows = -1;
    for (int row = 0; row < tree.rowCount(); ++row) {
        form.FillFromTree(tree, tree.index(row, 0));
        if (form.RowCount() > bestRows) {
            bestRows = form.RowCount();
            best = tree.index(row, 0);
        }
    }
    return best;
}

void BM_FillFromTreeLargestTopic(benchmark::State& s) {
    catalog::TTopicTreeModel tree;
    data->OpenTopics();
    catalog::FillTopicTree(tree, *data);
    search::TCompaniesTableForm form;
    const QModelIndex topic = largestTopic(tree, form);
    for (auto _ : s)
        form.FillFromTree(tree, topic);
    s.counters["rows"] = form.RowCount();
    s.SetItemsProcessed(s.iterations() * form.RowCount());
}
BENCHMARK(BM_FillFromTreeLargestTopic)->Unit(benchmark::kMillisecond);

// Fill (not timed) and the first paint of a table of the usual size: the
// visible rows' records are read and formatted then.
void BM_FirstPaintWholeList(benchmark::State& s) {
    catalog::TTopicTreeModel tree;
    data->OpenCompanyList(false);
    catalog::FillCompanyList(tree, *data, false);
    const QModelIndex root = tree.index(0, 0);
    search::TCompaniesTableForm form;
    int reads = 0;
    form.SetRecordReader([&reads](int id) {
        ++reads;
        return data->GetCompanyXML(id);
    });
    form.resize(640, 480);
    form.show();
    QCoreApplication::processEvents();
    int readsPerPaint = 0;
    for (auto _ : s) {
        s.PauseTiming();
        form.FillFromTree(tree, root);
        reads = 0;
        s.ResumeTiming();
        form.grab();
        readsPerPaint = reads;
    }
    s.counters["records read"] = readsPerPaint;
}
BENCHMARK(BM_FirstPaintWholeList)->Unit(benchmark::kMillisecond);

class GoalReporter : public benchmark::ConsoleReporter {
public:
    GoalReporter() : ConsoleReporter(OO_Tabular) {}  // no colour codes in logs
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration)
                realMs[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> realMs;
};

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);  // the table is a widget; the generator draws pictures
    benchmark::Initialize(&argc, argv);
    const fs::path folder = bench::SyntheticCatalog();
    catalog::TDaziData module;
    data = &module;
    module.Connect("", (folder / "tolvik.gdb").string());

    GoalReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    if (const auto whole = reporter.realMs.find("BM_FillFromTreeWholeList"); whole != reporter.realMs.end())
        std::printf("FillFromTree of the whole list: %.1f ms; goal: under 200 ms\n", whole->second);
    module.Disconnect();
    benchmark::Shutdown();
    return 0;
}
