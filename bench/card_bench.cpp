// From a click on a company to its card shown: ShowCompany on the shipped
// demo catalog (record read, marks, transform, layout and pictures), with
// the events it leaves processed.
#include "app/catalogue_discovery.h"
#include "app/main_form.h"
#include "catalog/dazi_data.h"
#include "lang/lang_util.h"
#include "platform/fb/fb.h"

#include <benchmark/benchmark.h>

#include <QApplication>

#include <vector>

namespace {

app::TMainForm* form = nullptr;
std::vector<int> companies;

void BM_ShowCompany(benchmark::State& state) {
    std::size_t next = 0;
    for (auto _ : state) {
        form->ShowCompany(companies[next++ % companies.size()]);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_ShowCompany)->Unit(benchmark::kMillisecond)->MinTime(3.0);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    fb::usePrivateRoot(MARVENIC_DIST_DIR "/firebird");

    app::ProgramFolder = QStringLiteral(MARVENIC_DIST_DIR "/");
    lang::InitLanguageLayer(app::ProgramFolder);
    app::CurrentDatabase = app::TDatabaseInfo();
    app::CurrentDatabase.Language = "Russian";
    app::CurrentDatabase.Path = QStringLiteral(MARVENIC_DIST_DIR "/Data/Belarus/Russian/");
    catalog::DaziData = std::make_unique<catalog::TDaziData>();
    {
        app::TMainForm window;
        form = &window;
        window.OpenCatalogue();
        window.resize(1280, 800);
        window.show();
        fb::ResultSet& rows = catalog::DaziData->OpenSQL(
            "SELECT FIRST 200 CompanyID FROM Companies ORDER BY CompanyID");
        while (rows.next())
            companies.push_back(rows.getInt(0));
        catalog::DaziData->CloseDataSet();
        benchmark::RunSpecifiedBenchmarks();
    }
    catalog::DaziData.reset();
    lang::DoneLanguageLayer();
    return 0;
}
