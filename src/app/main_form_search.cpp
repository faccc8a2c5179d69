// The search command, which keeps its results as a selection tab, and the
// help pages.
#include "app/catalogue_discovery.h"
#include "app/help_window.h"
#include "app/main_form.h"

#include "catalog/dazi_data.h"
#include "catalog/data_mediator.h"
#include "catalog/search_sql.h"
#include "catalog/selection_conditions.h"
#include "lang/lang_util.h"
#include "platform/ui/wait_cursor.h"
#include "search/search_dialog.h"

#include <QApplication>
#include <QMessageBox>
#include <QTabBar>

namespace app {

std::optional<TSearchRequest> TMainForm::RunSearchDialog() {
    search::TSearchDialog dialog(this);
    lang::TranslateWindow(&dialog);
    connect(&dialog, &search::TSearchDialog::HelpRequested, this, &TMainForm::ShowHelpTopic);
    dialog.Initialize(*catalog::DataMediator, true);
    if (!dialog.Execute())
        return std::nullopt;
    return TSearchRequest{dialog.GetConditions(), dialog.AllConditionsRequired(), dialog.AddToTarget(),
                          dialog.GetSearchIn(), dialog.GetTarget()};
}

void TMainForm::SearchActionExecute() {
    const std::optional<TSearchRequest> request = SearchDialogHook ? SearchDialogHook() : RunSearchDialog();
    if (!request)
        return;
    ui::TWaitCursor cursor;
    QApplication::processEvents();

    catalog::TDaziData& data = *catalog::DaziData;
    const int newId = data.GetMaxSelectionID() + 1;
    if (request->SearchIn.ID <= 0)
        catalog::CreateSelection(data, newId, request->Conditions, request->AllConditions);
    else
        catalog::CreateSelectionWithin(data, request->SearchIn.ID, newId, request->AllConditions,
                                       request->Conditions);

    const int targetId = request->Target.ID;
    if (data.GetSelectionCount(newId) != 0) {
        data.AddSelectionName(newId, request->Target.Name, catalog::ConditionsToText(request->Conditions));
        if (request->AddToTarget && targetId > 0)
            data.CopySelection(targetId, newId);
        if (targetId > 0)
            data.DeleteSelection(targetId);  // the new selection takes its place
        RefillSelectionTabs();
        ChangeSelectionTab(SelectionsTabControl->count() - 1);
    } else {
        QMessageBox::warning(this, lang::Translate(QStringLiteral("Марвеник")),
                             lang::Translate(QStringLiteral("Нет записей, соответствующих заданному условию!")),
                             QMessageBox::Ok);
        if (targetId > 0)
            SelectSelectionTab(targetId);
    }
}

void TMainForm::HelpTopicsActionExecute() { ShowHelpTopic(QStringLiteral("index.html")); }

void TMainForm::ShowHelpTopic(const QString& Topic) {
    if (!HelpWindow)
        HelpWindow = new THelpWindow(this);
    HelpWindow->ShowTopic(ProgramFolder + QStringLiteral("Help/") + lang::CurrentLanguage() + QStringLiteral("/"),
                          Topic);
}

}  // namespace app
