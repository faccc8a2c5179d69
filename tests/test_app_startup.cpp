// The program from its folder to the end of its event loop: discovery, the
// lobby, the catalog open, start-up errors, the stored font size, catalog and
// language switches, and the error box for errors in event handlers.
#include "test_app_fixture.h"

#include "app/application.h"
#include "app/catalogue_discovery.h"
#include "app/html_viewer.h"
#include "app/lobby_form.h"
#include "app/main_form.h"
#include "app/program.h"
#include "catalog/topic_tree_model.h"
#include "lang/lang_util.h"
#include "platform/settings/settings.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QEventLoop>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QStandardItemModel>
#include <QTabBar>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeView>

#include <stdexcept>

using app_test::infoFile;
using app_test::UiScript;
using app_test::visibleWindow;

namespace {

// Closes the error boxes that appear and keeps their texts.
class ErrorBoxes {
public:
    ErrorBoxes() {
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            if (auto* box = visibleWindow<QMessageBox>()) {
                captions.push_back(box->windowTitle());
                texts.push_back(box->text());
                box->done(QMessageBox::Ok);
            }
        });
        m_timer.start();
    }
    std::vector<QString> captions, texts;

private:
    QTimer m_timer;
};

class StartUpTest : public ::testing::Test {
protected:
    int run() { return app::RunProgram(folder.path()); }
    app_test::TestProgramFolder folder;
};

TEST_F(StartUpTest, OneCatalogueOpensInItsOwnLanguageWithoutTheLobby) {
    folder.addLanguageFiles();
    folder.addCatalogue("Belarus", "English", infoFile("Business Belarus", "All regions", 3));
    bool lobbySeen = false;
    QString title, language, count, search, tab;
    int topics = -1;
    bool maximized = false;
    UiScript script({[&] {
        lobbySeen = lobbySeen || visibleWindow<app::TLobbyForm>();
        auto* form = visibleWindow<app::TMainForm>();
        if (!form)
            return false;
        title = form->windowTitle();
        maximized = form->isMaximized();
        language = lang::CurrentLanguage();
        topics = form->TopicsModel->rowCount();
        count = form->CmpCountLabel->text();
        search = form->SearchAction->text();
        tab = form->SelectionsTabControl->tabText(0);
        form->close();
        return true;
    }});
    EXPECT_EQ(run(), 0);
    ASSERT_TRUE(script.finished());
    EXPECT_FALSE(lobbySeen);
    EXPECT_EQ(title, "Marvenic - Business Belarus");
    EXPECT_TRUE(maximized);
    EXPECT_EQ(language, "English");
    EXPECT_EQ(topics, 3);
    EXPECT_EQ(count, "4 records");
    EXPECT_EQ(search, "Search...");
    EXPECT_EQ(tab, "All companies");
}

TEST_F(StartUpTest, TwoCataloguesShowTheLobbyAndOpenThePickedOne) {
    folder.addLanguageFiles();
    folder.addCatalogue("Belarus", "Russian", infoFile("Деловая Беларусь", "Все области", 0));
    folder.addCatalogue("Belarus", "English", infoFile("Business Belarus", "All regions", 0));
    QStringList buttons, tips;
    QString title, language;
    UiScript script({[&] {
                         auto* lobby = visibleWindow<app::TLobbyForm>();
                         if (!lobby)
                             return false;
                         for (QAbstractButton* button : lobby->CatalogueButtons()) {
                             buttons << button->text();
                             tips << button->toolTip();
                         }
                         lobby->CatalogueButtons().at(1)->click();
                         return true;
                     },
                     [&] {
                         auto* form = visibleWindow<app::TMainForm>();
                         if (!form)
                             return false;
                         title = form->windowTitle();
                         language = lang::CurrentLanguage();
                         form->close();
                         return true;
                     }});
    EXPECT_EQ(run(), 0);
    ASSERT_TRUE(script.finished());
    EXPECT_EQ(buttons, QStringList({"Business Belarus", "Деловая Беларусь"}));
    EXPECT_EQ(tips, QStringList({"All regions", "Все области"}));
    EXPECT_EQ(title, "Марвеник - Деловая Беларусь");
    EXPECT_EQ(language, "Russian");
}

TEST_F(StartUpTest, ClosingTheLobbyEndsTheProgramWithoutTheMainWindow) {
    folder.addEmptyCatalogue("A", "Russian");
    folder.addEmptyCatalogue("B", "Russian");
    bool mainWindowSeen = false;
    UiScript script({[&] {
        mainWindowSeen = mainWindowSeen || visibleWindow<app::TMainForm>();
        auto* lobby = visibleWindow<app::TLobbyForm>();
        if (!lobby)
            return false;
        lobby->findChild<QAbstractButton*>("bnClose")->click();
        return true;
    }});
    EXPECT_EQ(run(), 0);
    EXPECT_TRUE(script.finished());
    EXPECT_FALSE(mainWindowSeen);
}

TEST_F(StartUpTest, ErrorsBeforeTheEventLoopEndWithTheErrorBoxAndCodeOne) {
    struct Case {
        const char* what;
        std::function<void(app_test::TestProgramFolder&)> arrange;
    };
    const Case cases[] = {
        {"malformed tolvik.xml",
         [](app_test::TestProgramFolder& f) {
             f.addEmptyCatalogue("A", "Russian", "<databaseInfo><name>x</databaseInfo>");
         }},
        {"missing Org.xsl",
         [](app_test::TestProgramFolder& f) {
             f.addCatalogue("A", "Russian", {});
             f.removeFile("Data/A/Russian/Org.xsl");
         }},
        {"Org.xsl not XML",
         [](app_test::TestProgramFolder& f) {
             f.addCatalogue("A", "Russian", {});
             f.writeFile("Data/A/Russian/Org.xsl", "<xsl:stylesheet");
         }},
        {"Org.xsl not a style sheet",
         [](app_test::TestProgramFolder& f) {
             f.addCatalogue("A", "Russian", {});
             f.writeFile("Data/A/Russian/Org.xsl", "<card/>");
         }},
        {"no database in tolvik.gdb",
         [](app_test::TestProgramFolder& f) {
             f.addEmptyCatalogue("A", "Russian");
             f.writeFile("Data/A/Russian/Org.xsl", app_test::cp1251(
                 "<xsl:stylesheet version='1.0' xmlns:xsl='http://www.w3.org/1999/XSL/Transform'/>"));
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        app_test::TestProgramFolder own;
        c.arrange(own);
        ErrorBoxes boxes;
        EXPECT_EQ(app::RunProgram(own.path()), 1);
        ASSERT_EQ(boxes.texts.size(), 1u);
        EXPECT_FALSE(boxes.texts[0].isEmpty());
        EXPECT_EQ(boxes.captions[0], "Марвеник");
        EXPECT_EQ(visibleWindow<app::TMainForm>(), nullptr);
    }
}

TEST_F(StartUpTest, StoredFontSizeSetsTheViewerAndOneCheckedCommand) {
    folder.addCatalogue("A", "Russian", {});
    struct Case {
        const char* stored;  // nullptr: nothing stored
        int points;
        const char* checked;
    };
    const Case cases[] = {
        {"huge", 16, "FontHugeAction"}, {"large", 14, "FontLargeAction"}, {"normal", 12, "FontNormalAction"},
        {"small", 10, "FontSmallAction"}, {"HUGE", 10, "FontSmallAction"}, {"big", 10, "FontSmallAction"},
        {nullptr, 10, "FontSmallAction"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored ? c.stored : "(none)");
        if (c.stored)
            settings::WriteFontSizeSetting(c.stored);
        else
            QSettings(QSettings::NativeFormat, QSettings::UserScope, "Marvenic").remove("DefaultFontSize");
        int points = 0, viewerPoints = 0;
        QStringList checked;
        UiScript script({[&] {
            auto* form = visibleWindow<app::TMainForm>();
            if (!form)
                return false;
            points = form->DefaultFontSize();
            viewerPoints = form->HTMLViewer->document()->defaultFont().pointSize();
            for (QAction* action : {form->FontHugeAction, form->FontLargeAction, form->FontNormalAction,
                                    form->FontSmallAction})
                if (action->isChecked())
                    checked << action->objectName();
            form->close();
            return true;
        }});
        EXPECT_EQ(run(), 0);
        ASSERT_TRUE(script.finished());
        EXPECT_EQ(points, c.points);
        EXPECT_EQ(viewerPoints, c.points);
        EXPECT_EQ(checked, QStringList({c.checked}));
    }
}

TEST_F(StartUpTest, StartPageIsTheCataloguesOwnOrTheProgramOne) {
    folder.addCatalogue("A", "Russian", {});
    folder.writeFile("Welcome.htm", app_test::cp1251("<html><body><p>Страница программы</p></body></html>"));
    for (bool own : {false, true}) {
        SCOPED_TRACE(own ? "catalog page" : "program page");
        if (own)
            folder.writeFile("Data/A/Russian/welcome.HTM",
                             app_test::cp1251("<html><body><p>Страница каталога</p></body></html>"));
        QString shown;
        UiScript script({[&] {
            auto* form = visibleWindow<app::TMainForm>();
            if (!form)
                return false;
            shown = form->HTMLViewer->toPlainText().trimmed();
            form->close();
            return true;
        }});
        EXPECT_EQ(run(), 0);
        ASSERT_TRUE(script.finished());
        EXPECT_EQ(shown, own ? "Страница каталога" : "Страница программы");
    }
}

// Switches from the "Каталог" menu and the hidden "Язык" menu re-open the
// catalog and re-caption the window.
TEST_F(StartUpTest, CatalogueAndLanguageSwitches) {
    folder.addLanguageFiles();
    folder.addCatalogue("Belarus", "Russian", infoFile("Деловая Беларусь", "Все области", 0));
    folder.addCatalogue("Belarus", "English", infoFile("Business Belarus", "All regions", 0));
    struct Seen {
        QString title, search, tab, language, entry;
        QStringList menu;
    };
    std::vector<Seen> seen;
    auto record = [&seen](app::TMainForm* form) {
        QStringList menu;
        for (QAction* item : form->CatalogueMItem->actions())
            menu << item->text();
        seen.push_back({form->windowTitle(), form->SearchAction->text(), form->SelectionsTabControl->tabText(0),
                        lang::CurrentLanguage(), app::CurrentDatabase.Language, menu});
    };
    auto catalogueItem = [](app::TMainForm* form, int tag) {
        for (QAction* item : form->CatalogueMItem->actions())
            if (item->property("tag").toInt() == tag)
                return item;
        return static_cast<QAction*>(nullptr);
    };
    UiScript script({[&] {
                         auto* lobby = visibleWindow<app::TLobbyForm>();
                         if (!lobby)
                             return false;
                         lobby->CatalogueButtons().at(1)->click();  // Russian
                         return true;
                     },
                     [&] {
                         auto* form = visibleWindow<app::TMainForm>();
                         if (!form)
                             return false;
                         record(form);
                         form->EnglishLanguageItem->trigger();
                         record(form);
                         catalogueItem(form, 1)->trigger();  // back to the Russian catalog
                         record(form);
                         catalogueItem(form, 0)->trigger();
                         record(form);
                         form->RussianLanguageItem->trigger();
                         record(form);
                         form->close();
                         return true;
                     }});
    EXPECT_EQ(run(), 0);
    ASSERT_TRUE(script.finished());
    ASSERT_EQ(seen.size(), 5u);
    const QStringList menu = {"Business Belarus", "Деловая Беларусь"};
    const Seen russian{"Марвеник - Деловая Беларусь", "Поиск...", "Все компании", "Russian", "Russian", menu};
    const Seen english{"Marvenic - Business Belarus", "Search...", "All companies", "English", "English", menu};
    const Seen expected[] = {russian, english, russian, english, russian};
    for (std::size_t i = 0; i < seen.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(seen[i].title, expected[i].title);
        EXPECT_EQ(seen[i].search, expected[i].search);
        EXPECT_EQ(seen[i].tab, expected[i].tab);
        EXPECT_EQ(seen[i].language, expected[i].language);
        EXPECT_EQ(seen[i].entry, expected[i].entry);
        EXPECT_EQ(seen[i].menu, expected[i].menu);
    }
}

TEST_F(StartUpTest, EnglishForAFolderWithoutAnEnglishCatalogueKeepsTheCatalogue) {
    folder.addLanguageFiles();
    folder.addCatalogue("Belarus", "Russian", infoFile("Деловая Беларусь", "", 0));
    QString title, entry, language;
    UiScript script({[&] {
        auto* form = visibleWindow<app::TMainForm>();
        if (!form)
            return false;
        form->EnglishLanguageItem->trigger();
        title = form->windowTitle();
        entry = app::CurrentDatabase.Language;
        language = lang::CurrentLanguage();
        form->close();
        return true;
    }});
    EXPECT_EQ(run(), 0);
    ASSERT_TRUE(script.finished());
    EXPECT_EQ(title, "Marvenic - Business Belarus");  // the catalog name through the phrase files
    EXPECT_EQ(entry, "Russian");
    EXPECT_EQ(language, "English");
}

TEST_F(StartUpTest, CommandsFollowTheChosenNodeAndTab) {
    folder.addCatalogue("A", "Russian", {});
    struct State {
        bool print, find, closeDocumentVisible, treeMode;
    };
    std::vector<State> states;
    QString caption;
    UiScript script({[&] {
        auto* form = visibleWindow<app::TMainForm>();
        if (!form)
            return false;
        auto note = [&] {
            states.push_back({form->PrintAction->isEnabled(), form->FindInDocAction->isEnabled(),
                              form->CloseDocumentPageAction->isVisible(), form->TreeModeAction->isEnabled()});
        };
        note();  // nothing chosen
        const QModelIndex medicine = form->TopicsModel->index(0, 0);
        form->TopicsTree->setCurrentIndex(medicine);
        note();
        form->TopicsTree->setCurrentIndex(form->TopicsModel->index(0, 0, medicine));  // "Клиника"
        note();
        caption = form->SelectedCompanyNameLabel->text();
        form->close();
        return true;
    }});
    EXPECT_EQ(run(), 0);
    ASSERT_TRUE(script.finished());
    ASSERT_EQ(states.size(), 3u);
    EXPECT_FALSE(states[0].print || states[0].find);
    EXPECT_FALSE(states[1].print || states[1].find);
    EXPECT_TRUE(states[2].print && states[2].find);
    for (const State& s : states) {
        EXPECT_FALSE(s.closeDocumentVisible);
        EXPECT_TRUE(s.treeMode);
    }
    EXPECT_EQ(caption, "Клиника");
}

TEST(ErrorHandler, AnExceptionInAnEventHandlerIsShownAndTheProgramCarriesOn) {
    struct Case {
        std::string thrown;
        QString shown;
    };
    const Case cases[] = {
        {"Сбой чтения", "Сбой чтения"},                        // our layers write UTF-8
        {app_test::cp1251("Ошибка каталога"), "Ошибка каталога"},  // catalog text is code page 1251
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shown.toStdString());
        ErrorBoxes boxes;
        QEventLoop loop;
        bool later = false;
        QTimer::singleShot(0, [&c] { throw std::runtime_error(c.thrown); });
        QTimer::singleShot(0, [&] {
            later = true;
            loop.quit();
        });
        loop.exec();
        EXPECT_TRUE(later);
        EXPECT_EQ(boxes.texts, std::vector<QString>{c.shown});
        EXPECT_EQ(boxes.captions, std::vector<QString>{"Марвеник"});
    }
}

}  // namespace
