#include "test_app_fixture.h"

#include "builder.h"
#include "platform/text/cp1251.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QStatusBar>
#include <QTabBar>
#include <QTimer>

#include <algorithm>
#include <map>
#include <memory>

namespace app_test {
namespace {

const char* const StyleSheet = R"(<?xml version="1.0" encoding="windows-1251"?>
<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform">
  <xsl:output method="html" encoding="windows-1251"/>
  <xsl:template match="/"><html><body><h1><xsl:value-of select="company/name"/></h1></body></html></xsl:template>
</xsl:stylesheet>
)";

makecatalog::CatalogSource catalogueSource(bool english) {
    using makecatalog::TopicNode;
    auto name = [english](const char* ru, const char* en) { return cp1251(english ? en : ru); };
    makecatalog::CatalogSource source;
    TopicNode medicine{name("Медицина", "Medicine"), -1, 0, false, {}};
    medicine.children.push_back({name("Клиника", "Clinic"), 1, 2, false, {}});
    medicine.children.push_back({name("Аптека", "Pharmacy"), 2, 1, false, {}});
    TopicNode transport{name("Транспорт", "Transport"), -1, 0, false, {}};
    transport.children.push_back({name("Автобаза", "Depot"), 3, 4, false, {}});
    TopicNode empty{name("Разное", "Other"), -1, 0, false, {}};
    empty.children.push_back({name("Типография", "Printing house"), 4, 0, false, {}});
    source.topics = {medicine, transport, empty};
    for (int id = 1; id <= 4; ++id)
        source.companies.push_back({id, "<company><name>" + std::to_string(id) + "</name></company>", {}, {}});
    source.files["Org.xsl"] = StyleSheet;
    return source;
}

// Built once per language and process; every program folder gets a copy.
const QString& builtDatabase(bool english) {
    static std::map<bool, std::unique_ptr<QTemporaryDir>> built;
    static std::map<bool, QString> paths;
    if (!built.count(english)) {
        auto dir = std::make_unique<QTemporaryDir>();
        makecatalog::buildCatalog(catalogueSource(english), dir->path().toStdString());
        paths[english] = dir->path() + "/tolvik.gdb";
        built[english] = std::move(dir);
    }
    return paths[english];
}

}  // namespace

std::string cp1251(const char* utf8) { return text::utf8ToCp1251(utf8); }

std::string infoFile(const char* nameUtf8, const char* descriptionUtf8, int order) {
    return "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\r\n<databaseInfo><name>" + cp1251(nameUtf8) +
           "</name><description>" + cp1251(descriptionUtf8) + "</description><order>" + std::to_string(order) +
           "</order></databaseInfo>\r\n";
}

TestProgramFolder::TestProgramFolder() : m_previousCurrent(QDir::currentPath()) {
    EXPECT_TRUE(m_dir.isValid());
}

// The program makes its folder the current one; give it back before it goes.
TestProgramFolder::~TestProgramFolder() { QDir::setCurrent(m_previousCurrent); }

void TestProgramFolder::writeFile(const QString& relativePath, const std::string& bytes) {
    const QString full = path() + relativePath;
    QDir().mkpath(QFileInfo(full).absolutePath());
    QFile file(full);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << full.toStdString();
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

void TestProgramFolder::removeFile(const QString& relativePath) { QFile::remove(path() + relativePath); }

void TestProgramFolder::addCatalogue(const QString& folder, const QString& language, const std::string& info) {
    const QString relative = "Data/" + folder + "/" + language + "/";
    const bool english = language == QLatin1String("English");
    for (const auto& [name, bytes] : catalogueSource(english).files)
        writeFile(relative + QString::fromStdString(name), bytes);
    if (!info.empty())
        writeFile(relative + "tolvik.xml", info);
    ASSERT_TRUE(QFile::copy(builtDatabase(english), path() + relative + "tolvik.gdb"));
}

void TestProgramFolder::addEmptyCatalogue(const QString& folder, const QString& language, const std::string& info) {
    const QString relative = "Data/" + folder + "/" + language + "/";
    writeFile(relative + "tolvik.gdb", "");
    if (!info.empty())
        writeFile(relative + "tolvik.xml", info);
}

void TestProgramFolder::addLanguageFiles() {
    for (const char* name : {"Lang.lng", "Russian.lng", "English.lng"})
        ASSERT_TRUE(QFile::copy(QStringLiteral(MARVENIC_DIST_DIR "/") + name, path() + name)) << name;
}

QString TestProgramFolder::addExecutable() {
    const QString target = path() + "marvenic";
    EXPECT_TRUE(QFile::copy(QStringLiteral(MARVENIC_EXECUTABLE), target));
    return target;
}

struct UiScript::State {
    std::vector<Step> steps;
    std::size_t next = 0;
    int ticks = 0;
    bool gaveUp = false;
    QTimer timer;
};

UiScript::UiScript(std::vector<Step> steps) : m_state(std::make_unique<State>()) {
    m_state->steps = std::move(steps);
    m_state->timer.setInterval(10);
    QObject::connect(&m_state->timer, &QTimer::timeout, [state = m_state.get()] {
        if (state->next >= state->steps.size()) {
            state->timer.stop();
            return;
        }
        if (state->steps[state->next]())
            ++state->next;
        // A guard against hanging, not a measure of speed.
        if (++state->ticks > 6000 && state->next < state->steps.size()) {
            state->gaveUp = true;
            state->next = state->steps.size();
            for (QWidget* window : QApplication::topLevelWidgets())
                window->close();
        }
    });
    m_state->timer.start();
}

UiScript::~UiScript() = default;

bool UiScript::finished() const { return m_state->next >= m_state->steps.size() && !m_state->gaveUp; }
bool UiScript::gaveUp() const { return m_state->gaveUp; }

bool hasCyrillic(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x400 && c.unicode() <= 0x4FF; });
}

std::vector<QString> visibleTexts(QWidget* window) {
    std::vector<QString> texts;
    auto add = [&texts](const QString& text) {
        if (!text.isEmpty())
            texts.push_back(text);
    };
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* widget : widgets) {
        add(widget->windowTitle());
        add(widget->toolTip());
        add(widget->statusTip());
        if (auto* label = qobject_cast<QLabel*>(widget))
            add(label->text());
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            add(button->text());
        if (auto* group = qobject_cast<QGroupBox*>(widget))
            add(group->title());
        if (auto* menu = qobject_cast<QMenu*>(widget))
            add(menu->title());
        if (auto* tabs = qobject_cast<QTabBar*>(widget))
            for (int i = 0; i < tabs->count(); ++i) {
                add(tabs->tabText(i));
                add(tabs->tabToolTip(i));
            }
        if (auto* header = qobject_cast<QHeaderView*>(widget); header && header->model())
            for (int section = 0; section < header->count(); ++section)
                add(header->model()->headerData(section, header->orientation()).toString());
        if (auto* status = qobject_cast<QStatusBar*>(widget))
            add(status->currentMessage());
    }
    for (QAction* action : window->findChildren<QAction*>()) {
        add(action->text());
        add(action->toolTip());
        add(action->statusTip());
        add(action->iconText());
    }
    return texts;
}

}  // namespace app_test
