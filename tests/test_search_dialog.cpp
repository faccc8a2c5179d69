// The search dialog against a fake data mediator: the rows made from
// Search.xml, adding and removing rows and their scrolling, the collected
// conditions and options, suggestions loaded at every drop-down, "Сброс",
// the warning for nothing to find, the remembered search and the texts in
// both languages.
#include "search/search_dialog.h"

#include "catalog/data_mediator.h"
#include "lang/lang_util.h"
#include "platform/text/cp1251.h"
#include "platform/xml/xml.h"
#include "test_application.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <functional>
#include <memory>
#include <ostream>
#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace catalog {
void PrintTo(const TQueryCondition& c, std::ostream* os) {
    *os << "{" << text::cp1251ToUtf8(c.Path) << ", \"" << text::cp1251ToUtf8(c.Value) << "\", "
        << (c.Negate ? "not" : "contains") << "}";
}
void PrintTo(const TSelection& s, std::ostream* os) { *os << "{" << s.ID << ", " << text::cp1251ToUtf8(s.Name) << "}"; }
}  // namespace catalog

namespace {

using catalog::TQueryCondition;
using catalog::TQueryConditions;
using catalog::TSelection;
using search::TSearchDialog;

std::string cp(const char* utf8) { return text::utf8ToCp1251(utf8); }
QString U(const char* utf8) { return QString::fromUtf8(utf8); }

// Five fields: own captions, a caption taken from the parent element, an
// indexed field and the keyword table.
const char* const FiveFields =
    "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n"
    "<Search>\n"
    "  <Entity Name=\"Название\">name</Entity>\n"
    "  <Group Name=\"Адрес\">\n"
    "    <Entity>address/city</Entity>\n"
    "    <Entity Name=\"Улица\">address/street</Entity>\n"
    "  </Group>\n"
    "  <Entity Name=\"Рубрика\" index=\"db:topics/topicname\">topic</Entity>\n"
    "  <Entity Name=\"Ключевые слова\">db:keywords/keyword</Entity>\n"
    "</Search>\n";

using TRequests = std::vector<std::pair<std::string, std::string>>;  // kind, path

class TFakeMediator final : public catalog::IDataMediator {
public:
    explicit TFakeMediator(const char* definitionUtf8 = FiveFields) {
        if (definitionUtf8) {
            Definition = cp(definitionUtf8);
            if (!Definition.starts_with("<?xml"))
                Definition = "<?xml version=\"1.0\" encoding=\"windows-1251\"?>" + Definition;
        }
        Selections = {{0, cp("Все компании")}, {3, cp("Минск")}, {7, cp("Магазины")}};
    }

    void GetSelections(catalog::TSelectionList& List) override {
        ++SelectionCalls;
        List = Selections;
    }
    void LoadSearchDefinition(xml::XmlDocument& Document) override {
        ++DefinitionCalls;
        if (Definition.empty())
            Document = xml::XmlDocument();
        else
            Document.loadBytes(Definition);
    }
    void ListIndexValues(const std::string& Path, std::vector<std::string>& Strings) override {
        Suggest("index", Path, Strings);
    }
    void ListDistinctValues(const std::string& Path, std::vector<std::string>& Strings) override {
        Suggest("distinct", Path, Strings);
    }

    std::string Definition;  // code page 1251; empty: no Search.xml
    catalog::TSelectionList Selections;
    std::vector<std::string> Values;  // what every list request returns
    bool FailSuggestions = false;
    TRequests Requests;
    int SelectionCalls = 0;
    int DefinitionCalls = 0;

private:
    void Suggest(const char* kind, const std::string& path, std::vector<std::string>& strings) {
        Requests.emplace_back(kind, path);
        if (FailSuggestions)
            throw std::runtime_error("no such column");
        strings = Values;
    }
};

// A row as the user sees it: field number, value text, operator number.
using TRowState = std::tuple<int, QString, int>;

std::vector<TRowState> Rows(const TSearchDialog& dialog) {
    std::vector<TRowState> rows;
    for (int i = 0; i < dialog.RowCount(); ++i) {
        const search::TConditionRow& row = dialog.Row(i);
        rows.emplace_back(row.FieldBox->currentIndex(), row.ValueBox->currentText(), row.OperatorBox->currentIndex());
    }
    return rows;
}

void SetRows(TSearchDialog& dialog, const std::vector<TRowState>& rows) {
    while (dialog.RowCount() < static_cast<int>(rows.size()))
        dialog.AddConditionButtonClick();
    while (dialog.RowCount() > std::max<int>(1, static_cast<int>(rows.size())))
        dialog.RemoveConditionButtonClick();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const search::TConditionRow& row = dialog.Row(static_cast<int>(i));
        row.FieldBox->setCurrentIndex(std::get<0>(rows[i]));
        row.ValueBox->setEditText(std::get<1>(rows[i]));
        row.OperatorBox->setCurrentIndex(std::get<2>(rows[i]));
    }
}

std::vector<TRowState> DefinitionRows(int count) {
    std::vector<TRowState> rows;
    for (int i = 0; i < count; ++i)
        rows.emplace_back(i, QString(), 0);
    return rows;
}

// Types Text as key presses (QTest::keyClicks knows Latin letters only).
void Type(QWidget* widget, const QString& text) {
    for (const QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(widget, &release);
    }
}

QStringList Items(const QComboBox& box) {
    QStringList items;
    for (int i = 0; i < box.count(); ++i)
        items.append(box.itemText(i));
    return items;
}

std::vector<int> ItemIDs(const QComboBox& box) {
    std::vector<int> ids;
    for (int i = 0; i < box.count(); ++i)
        ids.push_back(box.itemData(i).toInt());
    return ids;
}

// Runs Action; a message box it opens is answered with OK. Returns the
// box's text (empty when none opened) and whether OK was its only button.
std::pair<QString, bool> AnswerMessageBox(const std::function<void()>& Action) {
    QString text;
    bool onlyOk = false;
    QTimer answer;
    answer.setSingleShot(true);
    QObject::connect(&answer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            text = box->text();
            onlyOk = box->standardButtons() == QMessageBox::Ok;
            box->button(QMessageBox::Ok)->click();
        }
    });
    answer.start(0);
    Action();
    return {text, onlyOk};
}

// Runs Execute; Inside runs while the dialog is open and must close it.
bool ExecuteWith(TSearchDialog& dialog, const std::function<void()>& Inside) {
    QTimer::singleShot(0, &dialog, [&] {
        Inside();
        if (dialog.isVisible()) {
            ADD_FAILURE() << "the dialog stayed open";
            dialog.reject();
        }
    });
    return dialog.Execute();
}

class SearchDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        TSearchDialog::ClearSavedState();
        application()->errors.clear();
        lang::InitLanguageLayer(QStringLiteral(MARVENIC_DIST_DIR));
        ASSERT_TRUE(lang::LanguageComponent()->Active()) << "the program folder's Lang.lng";
    }
    void TearDown() override {
        lang::DoneLanguageLayer();
        TSearchDialog::ClearSavedState();
    }

    // As the search command makes it: created, translated, initialized.
    // Open also shows it, which lays it out at its initial size.
    std::unique_ptr<TSearchDialog> Create(TFakeMediator& mediator, bool restore = true) {
        auto dialog = std::make_unique<TSearchDialog>();
        lang::TranslateWindow(dialog.get());
        dialog->Initialize(mediator, restore);
        return dialog;
    }
    std::unique_ptr<TSearchDialog> Open(TFakeMediator& mediator, bool restore = true) {
        auto dialog = Create(mediator, restore);
        dialog->show();
        return dialog;
    }
};

TEST_F(SearchDialogTest, OpensWithOneRowPerFieldOfTheDefinition) {
    TFakeMediator mediator;
    const auto dialog = Open(mediator);

    EXPECT_EQ(dialog->Captions(), (std::vector<std::string>{cp("Название"), cp("Адрес"), cp("Улица"), cp("Рубрика"),
                                                            cp("Ключевые слова")}));
    EXPECT_EQ(dialog->IndexPaths(), (std::vector<std::string>{"", "", "", "db:topics/topicname", ""}));
    EXPECT_EQ(dialog->FieldPaths(), (std::vector<std::string>{"name", "address/city", "address/street", "topic",
                                                              "db:keywords/keyword"}));
    ASSERT_EQ(dialog->RowCount(), 5);
    EXPECT_EQ(Rows(*dialog), DefinitionRows(5));
    for (int i = 0; i < 5; ++i) {
        const search::TConditionRow& row = dialog->Row(i);
        EXPECT_EQ(Items(*row.FieldBox), (QStringList{U("Название"), U("Адрес"), U("Улица"), U("Рубрика"),
                                                     U("Ключевые слова")}));
        EXPECT_EQ(Items(*row.OperatorBox), (QStringList{U("содержит"), U("не содержит")}));
        EXPECT_EQ(row.ValueBox->Tag(), i);
        EXPECT_TRUE(row.ValueBox->isEditable());
        EXPECT_EQ(row.ValueBox->completer(), nullptr);
        EXPECT_EQ(row.FieldBox->x(), TSearchDialog::FieldLeft);
        EXPECT_EQ(row.FieldBox->width(), dialog->FieldBoxWidth());
        EXPECT_EQ(row.OperatorBox->x(), dialog->OperatorBoxLeft());
        EXPECT_EQ(row.OperatorBox->width(), dialog->OperatorBoxWidth());
        EXPECT_EQ(row.ValueBox->x(), dialog->ValueBoxLeft());
    }

    // Every tab to search in, the whole catalog first and chosen; every saved
    // one as a target, with "Результаты поиска" added for a new tab.
    EXPECT_EQ(Items(*dialog->FindInComboBox), (QStringList{U("Все компании"), U("Минск"), U("Магазины")}));
    EXPECT_EQ(ItemIDs(*dialog->FindInComboBox), (std::vector<int>{0, 3, 7}));
    EXPECT_EQ(dialog->FindInComboBox->currentIndex(), 0);
    EXPECT_EQ(Items(*dialog->PlaceInComboBox), (QStringList{U("Минск"), U("Магазины"), U("Результаты поиска")}));
    EXPECT_EQ(ItemIDs(*dialog->PlaceInComboBox), (std::vector<int>{3, 7, 0}));
    EXPECT_EQ(dialog->PlaceInComboBox->currentText(), U("Результаты поиска"));

    EXPECT_TRUE(dialog->LogicAndRadioButton->isChecked());
    EXPECT_TRUE(dialog->ReplaceResultRadioButton->isChecked());
    EXPECT_TRUE(dialog->FindButton->isDefault());
}

TEST_F(SearchDialogTest, ColumnsWidenForTheirLongestText) {
    struct Case {
        const char* language;
        const char* definition;
        int fieldWidth;  // 0: as wide as the longest caption asks
    };
    const Case cases[] = {
        {"Russian", "<Search><Entity Name=\"Код\">zip</Entity></Search>", TSearchDialog::MinFieldWidth},
        {"Russian", "<Search><Entity Name=\"Населённый пункт\">settlement</Entity></Search>", 0},
        {"Russian",
         "<Search><Entity Name=\"Населённый пункт, район, область, страна и ещё что-нибудь\">x</Entity></Search>",
         TSearchDialog::MaxFieldWidth},
        {"English", "<Search><Entity Name=\"Zip\">zip</Entity></Search>", TSearchDialog::MinFieldWidth},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.definition);
        lang::SetCurrentLanguage(QString::fromLatin1(c.language));
        TFakeMediator mediator(c.definition);
        const auto dialog = Open(mediator);
        const search::TConditionRow& row = dialog->Row(0);
        if (c.fieldWidth)
            EXPECT_EQ(row.FieldBox->width(), c.fieldWidth);
        else
            EXPECT_EQ(row.FieldBox->width(), row.FieldBox->sizeHint().width());
        EXPECT_GT(row.FieldBox->width(), TSearchDialog::MinFieldWidth - 1);
        // The operators are never cut, in either language.
        EXPECT_GE(row.OperatorBox->width(), row.OperatorBox->sizeHint().width());
        EXPECT_GE(row.OperatorBox->width(), TSearchDialog::MinOperatorWidth);
        EXPECT_EQ(row.FieldBox->x(), TSearchDialog::FieldLeft);
        EXPECT_EQ(row.OperatorBox->x(), row.FieldBox->x() + row.FieldBox->width() + TSearchDialog::ColumnGap);
        EXPECT_EQ(row.ValueBox->x(), row.OperatorBox->x() + row.OperatorBox->width() + TSearchDialog::ColumnGap);
        EXPECT_EQ(row.ValueBox->x() + row.ValueBox->width(),
                  dialog->ConditionPanel->width() - TSearchDialog::BevelWidth);
    }
}

TEST_F(SearchDialogTest, ASavedSelectionNamedLikeTheResultsIsTheDefaultTarget) {
    TFakeMediator mediator;
    mediator.Selections.push_back({9, cp("результаты ПОИСКА")});
    const auto dialog = Open(mediator);
    EXPECT_EQ(Items(*dialog->PlaceInComboBox), (QStringList{U("Минск"), U("Магазины"), U("результаты ПОИСКА")}));
    EXPECT_EQ(dialog->PlaceInComboBox->currentIndex(), 2);
    EXPECT_EQ(dialog->GetTarget(), (TSelection{9, cp("результаты ПОИСКА")}));
}

TEST_F(SearchDialogTest, WithoutDefinitionThereAreNoRowsAndEveryFindWarns) {
    TFakeMediator mediator(nullptr);
    const auto dialog = Open(mediator);
    EXPECT_EQ(dialog->RowCount(), 0);
    EXPECT_TRUE(dialog->Captions().empty());
    EXPECT_EQ(dialog->AddConditionButton->y(), TSearchDialog::FirstRowTop);
    EXPECT_FALSE(dialog->RemoveConditionButton->isEnabled());

    // An added row has nothing to choose from.
    dialog->AddConditionButtonClick();
    dialog->Row(0).ValueBox->setEditText(U("Ромашка"));
    EXPECT_EQ(dialog->Row(0).FieldBox->count(), 0);
    EXPECT_EQ(AnswerMessageBox([&] { dialog->FindButton->click(); }).first,
              U("Нечего искать. Пожалуйста, задайте верное условие!"));
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(SearchDialogTest, RowsAreAddedAndRemovedAtTheEnd) {
    TFakeMediator mediator;
    const auto dialog = Open(mediator);
    const int step = dialog->Row(0).ValueBox->height() + TSearchDialog::RowGap;
    dialog->Row(0).ValueBox->setEditText(U("Ромашка"));

    // The tool buttons sit beside the last row while it can be removed.
    for (int rows = 5; rows > 1; --rows) {
        ASSERT_EQ(dialog->RowCount(), rows);
        EXPECT_TRUE(dialog->RemoveConditionButton->isEnabled());
        EXPECT_EQ(dialog->AddConditionButton->y(), dialog->Row(rows - 1).ValueBox->y());
        EXPECT_EQ(dialog->RemoveConditionButton->y(), dialog->Row(rows - 1).ValueBox->y());
        dialog->RemoveConditionButton->click();
    }
    // The only row stays; the buttons move to the line below it.
    ASSERT_EQ(dialog->RowCount(), 1);
    EXPECT_FALSE(dialog->RemoveConditionButton->isEnabled());
    EXPECT_EQ(dialog->AddConditionButton->y(), dialog->Row(0).ValueBox->y() + step);
    dialog->RemoveConditionButtonClick();
    EXPECT_EQ(dialog->RowCount(), 1);

    // A new row comes last, without field, with "содержит" and no value.
    dialog->AddConditionButton->click();
    ASSERT_EQ(dialog->RowCount(), 2);
    EXPECT_EQ(Rows(*dialog), (std::vector<TRowState>{{0, U("Ромашка"), 0}, {-1, QString(), 0}}));
    EXPECT_EQ(dialog->Row(1).ValueBox->Tag(), 1);
    EXPECT_EQ(dialog->Row(1).ValueBox->y(), dialog->Row(0).ValueBox->y() + step);
    EXPECT_TRUE(dialog->RemoveConditionButton->isEnabled());

    // Removing takes the second row, boxes and all.
    dialog->RemoveConditionButton->click();
    EXPECT_EQ(Rows(*dialog), (std::vector<TRowState>{{0, U("Ромашка"), 0}}));
    EXPECT_EQ(dialog->ConditionPanel->findChildren<search::TValueComboBox*>().size(), 1);
    EXPECT_EQ(dialog->ConditionPanel->findChildren<search::TFieldComboBox*>().size(), 1);
}

TEST_F(SearchDialogTest, TheScrollRangeFollowsTheRows) {
    TFakeMediator mediator("<Search><Entity Name=\"Название\">name</Entity></Search>");
    const auto dialog = Open(mediator);
    const int panelWidth = dialog->ConditionPanel->width();
    const int panelHeight = dialog->ConditionPanel->height();
    const int step = dialog->Row(0).ValueBox->height() + TSearchDialog::RowGap;
    ASSERT_GT(panelHeight, 0);

    // After every added row: the range fits the rows, the last row is in
    // view and the value boxes make room for the scroll bar.
    bool sawHidden = false;
    bool sawShown = false;
    for (int rows = 1; rows <= 16; ++rows) {
        SCOPED_TRACE(rows);
        ASSERT_EQ(dialog->RowCount(), rows);
        const int maximum = TSearchDialog::FirstRowTop + rows * step + 4;
        const bool scrolling = panelHeight < maximum;
        (scrolling ? sawShown : sawHidden) = true;
        EXPECT_EQ(dialog->ScrollMaximum(), maximum);
        EXPECT_EQ(dialog->ScrollBar->isVisible(), scrolling);
        EXPECT_EQ(dialog->ScrollBar->maximum(), std::max(0, maximum - panelHeight));
        EXPECT_EQ(dialog->ScrollBar->pageStep(), panelHeight);
        EXPECT_EQ(dialog->ScrollBar->singleStep(), 16);
        if (rows > 1) {
            EXPECT_EQ(dialog->ScrollBar->value(), dialog->ScrollBar->maximum()) << "scrolled to the bottom";
            const QWidget* last = dialog->Row(rows - 1).ValueBox;
            EXPECT_GE(last->y(), 0);
            EXPECT_LE(last->y() + last->height(), panelHeight);
        }
        EXPECT_EQ(dialog->Row(0).ValueBox->y(), TSearchDialog::FirstRowTop - dialog->ScrollBar->value());
        const int valueWidth =
            panelWidth - TSearchDialog::BevelWidth - (scrolling ? 16 + 8 : 0) - dialog->ValueBoxLeft();
        for (int i = 0; i < rows; ++i)
            EXPECT_EQ(dialog->Row(i).ValueBox->width(), valueWidth) << "row " << i;
        if (scrolling) {
            EXPECT_EQ(dialog->ScrollBar->geometry(),
                      QRect(panelWidth - TSearchDialog::BevelWidth - 16, 0, 16, panelHeight));
        }
        dialog->AddConditionButton->click();
    }
    EXPECT_TRUE(sawHidden);
    EXPECT_TRUE(sawShown);

    // Dragging moves the rows and the caption with them, no further than the end.
    dialog->ScrollBar->setValue(0);
    EXPECT_EQ(dialog->Row(0).ValueBox->y(), TSearchDialog::FirstRowTop);
    EXPECT_EQ(dialog->ConditionLabel->y(), TSearchDialog::FirstRowTop);
    dialog->ScrollBar->setValue(20);
    EXPECT_EQ(dialog->Row(0).ValueBox->y(), TSearchDialog::FirstRowTop - 20);
    EXPECT_EQ(dialog->ConditionLabel->y(), TSearchDialog::FirstRowTop - 20);
    dialog->ScrollBar->setValue(100000);
    EXPECT_EQ(dialog->ScrollBar->value(), dialog->ScrollMaximum() - panelHeight);

    // A taller window takes the range along and scrolls to the bottom.
    dialog->ScrollBar->setValue(0);
    dialog->resize(dialog->width(), dialog->height() + 3 * step);
    const int taller = dialog->ConditionPanel->height();
    ASSERT_EQ(taller, panelHeight + 3 * step);
    EXPECT_EQ(dialog->ScrollBar->maximum(), std::max(0, dialog->ScrollMaximum() - taller));
    EXPECT_EQ(dialog->ScrollBar->value(), dialog->ScrollBar->maximum());

    // Back to few rows: no scroll bar, full widths, first row on top.
    while (dialog->RowCount() > 1)
        dialog->RemoveConditionButton->click();
    EXPECT_FALSE(dialog->ScrollBar->isVisible());
    EXPECT_EQ(dialog->ScrollBar->value(), 0);
    EXPECT_EQ(dialog->Row(0).ValueBox->y(), TSearchDialog::FirstRowTop);
    EXPECT_EQ(dialog->Row(0).ValueBox->width(),
              dialog->ConditionPanel->width() - TSearchDialog::BevelWidth - dialog->ValueBoxLeft());
}

TEST_F(SearchDialogTest, ConditionsAreTheFilledRowsInOrder) {
    struct Case {
        const char* name;
        std::vector<TRowState> rows;
        TQueryConditions expected;
    };
    const Case cases[] = {
        {"fields with values, blanks count",
         {{0, U("ООО Ромашка"), 0}, {1, QString(), 0}, {2, U("   "), 1}, {4, U("хлеб"), 1}},
         {{"name", cp("ООО Ромашка"), false},
          {"address/street", "   ", true},
          {"db:keywords/keyword", cp("хлеб"), true}}},
        {"rows without field are left out", {{-1, U("Ромашка"), 0}, {3, U("Аптеки"), 0}, {-1, U("x"), 1}},
         {{"topic", cp("Аптеки"), false}}},
        {"one field twice, values as typed", {{3, U(" А "), 0}, {3, U("Б"), 1}},
         {{"topic", cp(" А "), false}, {"topic", cp("Б"), true}}},
        {"nothing filled", {{0, QString(), 1}, {1, QString(), 0}}, {}},
    };
    TFakeMediator mediator;
    const auto dialog = Open(mediator);
    for (const Case& c : cases) {
        SetRows(*dialog, c.rows);
        EXPECT_EQ(dialog->GetConditions(), c.expected) << c.name;
    }
}

TEST_F(SearchDialogTest, OptionsAndTheTabToSearchIn) {
    TFakeMediator mediator;
    const auto dialog = Open(mediator);
    EXPECT_TRUE(dialog->AllConditionsRequired());
    EXPECT_FALSE(dialog->AddToTarget());
    EXPECT_EQ(dialog->GetSearchIn(), (TSelection{0, cp("Все компании")}));

    dialog->LogicOrRadioButton->click();
    dialog->AddResultRadioButton->click();
    dialog->FindInComboBox->setCurrentIndex(2);
    EXPECT_FALSE(dialog->AllConditionsRequired());
    EXPECT_TRUE(dialog->AddToTarget());
    EXPECT_EQ(dialog->GetSearchIn(), (TSelection{7, cp("Магазины")}));

    dialog->LogicAndRadioButton->click();
    dialog->ReplaceResultRadioButton->click();
    EXPECT_TRUE(dialog->AllConditionsRequired());
    EXPECT_FALSE(dialog->AddToTarget());
}

TEST_F(SearchDialogTest, TheTargetIsAChosenTabOrANewOne) {
    struct Case {
        const char* name;
        int choose;          // item chosen from the list, -1 for none
        const char* typed;   // then typed over the box's text, null for nothing
        TSelection expected;
    };
    const Case cases[] = {
        {"as opened", -1, nullptr, {-1, cp("Результаты поиска")}},
        {"a saved tab", 0, nullptr, {3, cp("Минск")}},
        {"another saved tab", 1, nullptr, {7, cp("Магазины")}},
        {"a typed name", -1, "Аптеки Гродно", {-1, cp("Аптеки Гродно")}},
        {"typed over a saved tab", 0, "Минск 2", {-1, cp("Минск 2")}},
        {"emptied", 0, "", {-1, cp("Результаты поиска")}},
    };
    for (const Case& c : cases) {
        TFakeMediator mediator;
        const auto dialog = Open(mediator);
        if (c.choose >= 0)
            dialog->PlaceInComboBox->setCurrentIndex(c.choose);
        if (c.typed) {
            QLineEdit* edit = dialog->PlaceInComboBox->lineEdit();
            edit->clear();
            Type(edit, U(c.typed));
        }
        EXPECT_EQ(dialog->GetTarget(), c.expected) << c.name;
    }

    // Emptied while a saved tab carries the results' name: that tab.
    TFakeMediator mediator;
    mediator.Selections.push_back({9, cp("Результаты поиска")});
    const auto dialog = Open(mediator);
    dialog->PlaceInComboBox->setCurrentIndex(0);
    dialog->PlaceInComboBox->lineEdit()->clear();
    EXPECT_EQ(dialog->GetTarget(), (TSelection{9, cp("Результаты поиска")}));
}

TEST_F(SearchDialogTest, SuggestionsAreLoadedAtEveryDropDown) {
    TFakeMediator mediator;
    const auto dialog = Open(mediator);
    search::TValueComboBox* topic = dialog->Row(3).ValueBox;
    search::TValueComboBox* name = dialog->Row(0).ValueBox;
    topic->setEditText(U("Апт"));

    // An indexed field asks for the index values; the typed text stays.
    mediator.Values = {cp("Аптеки"), cp("Банки")};
    QTest::keyClick(topic, Qt::Key_F4);
    EXPECT_EQ(mediator.Requests, (TRequests{{"index", "db:topics/topicname"}}));
    EXPECT_EQ(Items(*topic), (QStringList{U("Аптеки"), U("Банки")}));
    EXPECT_EQ(topic->currentText(), U("Апт"));
    topic->hidePopup();

    // Again at the next drop-down, with what the catalog says now.
    mediator.Values = {cp("Аптеки"), cp("Больницы"), cp("Банки")};
    QTest::keyClick(topic, Qt::Key_F4);
    EXPECT_EQ(mediator.Requests, (TRequests{{"index", "db:topics/topicname"}, {"index", "db:topics/topicname"}}));
    EXPECT_EQ(Items(*topic), (QStringList{U("Аптеки"), U("Больницы"), U("Банки")}));
    EXPECT_EQ(topic->currentText(), U("Апт"));
    topic->hidePopup();

    // Any other field asks for its own distinct values.
    mediator.Requests.clear();
    QTest::keyClick(name, Qt::Key_F4);
    name->hidePopup();
    dialog->Row(0).FieldBox->setCurrentIndex(4);
    QTest::keyClick(name, Qt::Key_F4);
    name->hidePopup();
    EXPECT_EQ(mediator.Requests, (TRequests{{"distinct", "name"}, {"distinct", "db:keywords/keyword"}}));

    // A row without field asks nothing.
    mediator.Requests.clear();
    dialog->Row(1).FieldBox->setCurrentIndex(-1);
    QTest::keyClick(dialog->Row(1).ValueBox, Qt::Key_F4);
    dialog->Row(1).ValueBox->hidePopup();
    EXPECT_TRUE(mediator.Requests.empty());
    EXPECT_TRUE(application()->errors.empty());
}

TEST_F(SearchDialogTest, AFailedSuggestionReachesTheErrorDisplayAndRestoresTheCursor) {
    TFakeMediator mediator;
    const auto dialog = Open(mediator);
    mediator.FailSuggestions = true;
    QTest::keyClick(dialog->Row(2).ValueBox, Qt::Key_F4);
    EXPECT_EQ(application()->errors, (std::vector<std::string>{"no such column"}));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(mediator.Requests.size(), 1u);
}

TEST_F(SearchDialogTest, ResetShowsTheDefinitionAgain) {
    TFakeMediator mediator;
    const auto dialog = Open(mediator);
    SetRows(*dialog, {{2, U("Ленина"), 1}, {-1, U("x"), 0}, {0, QString(), 1}, {1, U("y"), 0}, {4, U("z"), 0},
                      {3, U("w"), 1}, {0, U("v"), 0}});
    dialog->FindInComboBox->setCurrentIndex(1);
    mediator.Selections.push_back({12, cp("Новая")});

    dialog->ResetButton->click();
    EXPECT_EQ(Rows(*dialog), DefinitionRows(5));
    EXPECT_EQ(mediator.DefinitionCalls, 2);
    EXPECT_EQ(mediator.SelectionCalls, 2);
    EXPECT_EQ(Items(*dialog->FindInComboBox), (QStringList{U("Все компании"), U("Минск"), U("Магазины"), U("Новая")}));
    EXPECT_EQ(dialog->FindInComboBox->currentIndex(), 0);
    EXPECT_EQ(dialog->ScrollBar->value(), dialog->ScrollBar->maximum());
}

TEST_F(SearchDialogTest, FindWithoutAFilledRowWarnsAndStaysOpen) {
    TFakeMediator mediator;
    const auto dialog = std::make_unique<TSearchDialog>();
    lang::TranslateWindow(dialog.get());
    dialog->Initialize(mediator);
    std::pair<QString, bool> warning;
    bool stayedOpen = false;
    const bool confirmed = ExecuteWith(*dialog, [&] {
        // Values only where the field was cleared by the user.
        QTest::keyClick(dialog->Row(0).FieldBox, Qt::Key_Delete);
        dialog->Row(0).ValueBox->setEditText(U("Ромашка"));
        QTest::keyClick(dialog->Row(1).FieldBox, Qt::Key_Backspace);
        dialog->Row(1).ValueBox->setEditText(U("Минск"));
        ASSERT_EQ(dialog->Row(0).FieldBox->currentIndex(), -1);
        warning = AnswerMessageBox([&] { dialog->FindButton->click(); });
        stayedOpen = dialog->isVisible();
        dialog->CancelButton->click();
    });
    EXPECT_FALSE(confirmed);
    EXPECT_EQ(warning.first, U("Нечего искать. Пожалуйста, задайте верное условие!"));
    EXPECT_TRUE(warning.second) << "an OK button only";
    EXPECT_TRUE(stayedOpen);

    // One filled row is enough.
    dialog->Initialize(mediator);
    std::pair<QString, bool> none;
    const bool found = ExecuteWith(*dialog, [&] {
        dialog->Row(4).ValueBox->setEditText(U("хлеб"));
        none = AnswerMessageBox([&] { dialog->FindButton->click(); });
    });
    EXPECT_TRUE(found);
    EXPECT_TRUE(none.first.isEmpty());
    EXPECT_EQ(dialog->GetConditions(), (TQueryConditions{{"db:keywords/keyword", cp("хлеб"), false}}));
}

TEST_F(SearchDialogTest, TheConfirmedSearchIsOfferedAtTheNextOpening) {
    TFakeMediator mediator;
    // More rows than the panel shows.
    std::vector<TRowState> confirmedRows{
        {0, U("Ромашка"), 1}, {-1, U("Минск"), 0}, {4, U("хлеб"), 0},
        {3, QString(), 1},    {-1, QString(), 0},  {1, U(" "), 0}};
    for (int i = 0; i < 8; ++i)
        confirmedRows.emplace_back(i % 5, QString::number(i), i % 2);
    {
        const auto first = Open(mediator);
        ASSERT_TRUE(ExecuteWith(*first, [&] {
            SetRows(*first, confirmedRows);
            first->LogicOrRadioButton->click();
            first->AddResultRadioButton->click();
            first->FindInComboBox->setCurrentIndex(1);
            first->PlaceInComboBox->setCurrentIndex(1);
            first->FindButton->click();
        }));
    }

    // Shown again from the first row; cancelling keeps what was confirmed.
    for (int opening = 0; opening < 2; ++opening) {
        SCOPED_TRACE(opening);
        const auto next = Create(mediator);
        EXPECT_EQ(Rows(*next), confirmedRows);
        EXPECT_FALSE(next->AllConditionsRequired());
        EXPECT_TRUE(next->AddToTarget());
        EXPECT_EQ(next->GetSearchIn(), (TSelection{3, cp("Минск")}));
        EXPECT_EQ(next->GetTarget(), (TSelection{7, cp("Магазины")}));
        EXPECT_FALSE(ExecuteWith(*next, [&] {
            EXPECT_TRUE(next->ScrollBar->isVisible());
            EXPECT_EQ(next->ScrollBar->value(), 0);
            EXPECT_EQ(next->Row(0).ValueBox->y(), TSearchDialog::FirstRowTop);
            SetRows(*next, {{2, U("другое"), 0}});
            next->CancelButton->click();
        }));
    }

    // Restoring into a dialog scrolled down goes back to the top.
    {
        const auto scrolled = Open(mediator);
        scrolled->ScrollBar->setValue(scrolled->ScrollBar->maximum());
        ASSERT_GT(scrolled->ScrollBar->value(), 0);
        scrolled->Initialize(mediator);
        EXPECT_EQ(scrolled->ScrollBar->value(), 0);
        EXPECT_EQ(scrolled->Row(0).ValueBox->y(), TSearchDialog::FirstRowTop);
    }

    // "Сброс" shows the definition but forgets nothing.
    {
        const auto reset = Open(mediator);
        reset->ResetButton->click();
        EXPECT_EQ(Rows(*reset), DefinitionRows(5));
    }
    EXPECT_EQ(Rows(*Open(mediator)), confirmedRows);
    // Opened without restoring: the definition.
    EXPECT_EQ(Rows(*Open(mediator, false)), DefinitionRows(5));
}

TEST_F(SearchDialogTest, ARememberedTypedTargetAndAVanishedFieldComeBack) {
    TFakeMediator mediator;
    {
        const auto first = Open(mediator);
        ASSERT_TRUE(ExecuteWith(*first, [&] {
            SetRows(*first, {{2, U("Ленина"), 1}, {0, U("Ромашка"), 0}});
            first->PlaceInComboBox->lineEdit()->clear();
            Type(first->PlaceInComboBox->lineEdit(), U("Мои находки"));
            first->FindButton->click();
        }));
    }
    // The street field is gone and the name path is now written in capitals.
    TFakeMediator changed(
        "<Search><Entity Name=\"Название\">NAME</Entity><Entity Name=\"Город\">city</Entity></Search>");
    const auto next = Open(changed);
    EXPECT_EQ(Rows(*next), (std::vector<TRowState>{{-1, U("Ленина"), 1}, {0, U("Ромашка"), 0}}));
    EXPECT_EQ(next->PlaceInComboBox->currentText(), U("Мои находки"));
    EXPECT_EQ(next->GetTarget(), (TSelection{-1, cp("Мои находки")}));
    EXPECT_EQ(next->GetSearchIn(), (TSelection{0, cp("Все компании")}));
}

TEST_F(SearchDialogTest, HelpAsksForTheSearchTopic) {
    TFakeMediator mediator;
    const auto dialog = Open(mediator);
    QSignalSpy help(dialog.get(), &TSearchDialog::HelpRequested);
    dialog->HelpButton->click();
    ASSERT_EQ(help.count(), 1);
    EXPECT_EQ(help.at(0).at(0).toString(), U("search.html"));

    // F1 anywhere in the window does the same.
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    dialog->Row(0).ValueBox->setFocus();
    QTest::keyClick(dialog->Row(0).ValueBox, Qt::Key_F1);
    ASSERT_EQ(help.count(), 2);
    EXPECT_EQ(help.at(1).at(0).toString(), U("search.html"));
}

TEST_F(SearchDialogTest, TextsComeInTheCurrentLanguage) {
    lang::SetCurrentLanguage(QStringLiteral("English"));
    TFakeMediator mediator;
    mediator.Selections[0].Name = "All companies";  // as GetSelections translates it
    const auto dialog = Open(mediator);
    EXPECT_EQ(dialog->windowTitle(), U("Search"));
    EXPECT_EQ(dialog->FindButton->text(), U("Find"));
    EXPECT_EQ(dialog->CancelButton->text(), U("Cancel"));
    EXPECT_EQ(dialog->ResetButton->text(), U("Reset"));
    EXPECT_EQ(dialog->HelpButton->text(), U("Help"));
    EXPECT_EQ(dialog->FindInLabel->text(), U("Search in tab"));
    EXPECT_EQ(dialog->ConditionLabel->text(), U("Look for"));
    EXPECT_EQ(dialog->AddConditionButton->toolTip(), U("Add condition"));
    EXPECT_EQ(dialog->RemoveConditionButton->toolTip(), U("Remove condition"));
    EXPECT_EQ(dialog->OptionsGroupBox->title(), U("Options"));
    EXPECT_EQ(dialog->LogicAndRadioButton->text(), U("All conditions must hold (AND)"));
    EXPECT_EQ(dialog->LogicOrRadioButton->text(), U("Any of the conditions may hold (OR)"));
    EXPECT_EQ(dialog->PlaceInLabel->text(), U("Put the results into tab"));
    EXPECT_EQ(dialog->ReplaceResultRadioButton->text(), U("Replace results"));
    EXPECT_EQ(dialog->AddResultRadioButton->text(), U("Add results"));
    EXPECT_EQ(dialog->ProblemsLabel->text(),
              U("* If the search does not work as expected, press \"Reset\" and search again"));
    EXPECT_EQ(Items(*dialog->Row(0).OperatorBox), (QStringList{U("contains"), U("does not contain")}));
    // The field captions are the catalog's own.
    EXPECT_EQ(dialog->Row(0).FieldBox->currentText(), U("Название"));

    EXPECT_EQ(Items(*dialog->PlaceInComboBox), (QStringList{U("Минск"), U("Магазины"), U("Search results")}));
    dialog->PlaceInComboBox->lineEdit()->clear();
    EXPECT_EQ(dialog->GetTarget(), (TSelection{-1, "Search results"}));

    SetRows(*dialog, {{0, QString(), 0}});
    EXPECT_EQ(AnswerMessageBox([&] { dialog->FindButtonClick(); }).first,
              U("Nothing to search for. Please enter a valid condition!"));
}

TEST_F(SearchDialogTest, TheTargetBoxStartsEightPixelsAfterItsLabelInEveryLanguage) {
    for (const char* language : {"Russian", "English"}) {
        lang::SetCurrentLanguage(QString::fromLatin1(language));
        TFakeMediator mediator;
        const auto dialog = Open(mediator);
        EXPECT_EQ(dialog->PlaceInComboBox->x(), dialog->PlaceInLabel->x() + dialog->PlaceInLabel->width() + 8)
            << language;
        EXPECT_GE(dialog->PlaceInLabel->width(), dialog->PlaceInLabel->sizeHint().width()) << language;
        EXPECT_EQ(dialog->font().family(), U("Arial"));
        EXPECT_EQ(dialog->font().pixelSize(), 13);
        EXPECT_EQ(dialog->size(), QSize(679, 451));
        EXPECT_EQ(dialog->minimumSize(), QSize(671, 390));
        EXPECT_EQ(dialog->ButtonPanel->width(), 90);
    }
}

}  // namespace

int main(int argc, char** argv) {
    // Discovery runs the binary at build time, where no display may exist.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TTestApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
