// Every window the program can create so far, switched to English, shows no
// Cyrillic text but the catalogs' own names and descriptions.
#include "test_app_fixture.h"

#include "app/catalogue_discovery.h"
#include "app/lobby_form.h"
#include "app/main_form.h"
#include "app/program.h"
#include "lang/lang_util.h"
#include "platform/text/cp1251.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QSet>

using app_test::infoFile;
using app_test::UiScript;
using app_test::visibleWindow;

namespace {

// The product's own names come from the data and stay as they are.
QSet<QString> catalogueTexts() {
    QSet<QString> texts;
    for (const app::TDatabaseInfo& entry : app::Databases) {
        texts.insert(text::fromCp1251(entry.Name));
        texts.insert(text::fromCp1251(entry.Description));
    }
    return texts;
}

QStringList cyrillicLeft(QWidget* window) {
    const QSet<QString> allowed = catalogueTexts();
    QStringList left;
    for (const QString& text : app_test::visibleTexts(window))
        if (app_test::hasCyrillic(text) && !allowed.contains(text) && !left.contains(text))
            left << text;
    return left;
}

TEST(Language, EveryWindowInEnglishLeavesNoCyrillic) {
    app_test::TestProgramFolder folder;
    folder.addLanguageFiles();
    folder.addCatalogue("Belarus", "Russian", infoFile("Деловая Беларусь", "Все области", 0));
    folder.addCatalogue("Belarus", "English", infoFile("Business Belarus", "All regions", 0));
    QStringList lobbyLeft, mainLeft, mainRussian;
    UiScript script({[&] {
                         auto* lobby = visibleWindow<app::TLobbyForm>();
                         if (!lobby)
                             return false;
                         lang::SetCurrentLanguage("English");
                         lobbyLeft = cyrillicLeft(lobby);
                         lang::SetCurrentLanguage("Russian");
                         lobby->CatalogueButtons().at(1)->click();  // the Russian catalog
                         return true;
                     },
                     [&] {
                         auto* form = visibleWindow<app::TMainForm>();
                         if (!form)
                             return false;
                         // Opened in Russian: the check below must have something to find.
                         mainRussian = cyrillicLeft(form);
                         form->EnglishLanguageItem->trigger();
                         mainLeft = cyrillicLeft(form);
                         form->close();
                         return true;
                     }});
    EXPECT_EQ(app::RunProgram(folder.path()), 0);
    ASSERT_TRUE(script.finished());
    EXPECT_FALSE(mainRussian.isEmpty());
    EXPECT_EQ(lobbyLeft, QStringList()) << lobbyLeft.join(" | ").toStdString();
    EXPECT_EQ(mainLeft, QStringList()) << mainLeft.join(" | ").toStdString();
}

}  // namespace
