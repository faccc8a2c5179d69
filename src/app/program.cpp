#include "app/program.h"

#include "app/application.h"
#include "app/catalogue_discovery.h"
#include "app/main_form.h"
#include "catalog/build_structures.h"
#include "catalog/dazi_data.h"
#include "catalog/data_mediator.h"
#include "catalog/entities.h"
#include "lang/lang_util.h"
#include "platform/fb/fb.h"

#include <QDir>
#include <QFile>

#include <memory>

namespace app {
namespace {

// What RunProgram sets up and must take down again, in reverse order, also
// when start-up fails.
class ProgramScope {
public:
    explicit ProgramScope(const QString& folder) {
        ProgramFolder = QDir(folder).absolutePath();
        if (!ProgramFolder.endsWith(QLatin1Char('/')))
            ProgramFolder += QLatin1Char('/');
        QDir::setCurrent(ProgramFolder);
        fb::usePrivateRoot(QFile::encodeName(ProgramFolder + QStringLiteral("firebird")).toStdString());
        lang::InitLanguageLayer(ProgramFolder);
        // The tree builders' own texts ("Все компании") in the interface language.
        catalog::SetTranslateFunction(&lang::Translate);
    }
    ~ProgramScope() {
        catalog::SetTranslateFunction(nullptr);
        catalog::DataMediator.reset();
        catalog::DaziData.reset();
        catalog::FreeEntityTables();
        Databases.clear();
        CurrentDatabase = TDatabaseInfo();
        lang::DoneLanguageLayer();
    }
    ProgramScope(const ProgramScope&) = delete;
    ProgramScope& operator=(const ProgramScope&) = delete;
};

}  // namespace

int RunProgram(const QString& ProgramFolderPath) {
    // Outlives the error box, which is shown in the interface language.
    std::unique_ptr<ProgramScope> scope;
    try {
        scope = std::make_unique<ProgramScope>(ProgramFolderPath);
        // The main window first, so that it is the application's first
        // window; then the data module.
        auto mainForm = std::make_unique<TMainForm>();
        catalog::DaziData = std::make_unique<catalog::TDaziData>();
        catalog::DataMediator = std::make_unique<catalog::TDataMediator>(*catalog::DaziData);
        return mainForm->StartUp();
    } catch (const std::exception& error) {
        ShowException(error);
        return 1;
    }
}

}  // namespace app
