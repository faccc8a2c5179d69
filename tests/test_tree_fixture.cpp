#include "test_tree_fixture.h"

#include "builder.h"
#include "platform/fb/fb.h"
#include "platform/text/cp1251.h"

#include <unistd.h>

#include <filesystem>
#include <map>

namespace fs = std::filesystem;
using makecatalog::CatalogSource;
using makecatalog::CompanySource;
using makecatalog::TopicNode;

namespace tree_test {
namespace {

TopicNode topic(std::string_view name, std::vector<TopicNode> children, bool scrambled = false) {
    TopicNode node;
    node.name = cp(name);
    node.children = std::move(children);
    node.scrambleName = scrambled;
    return node;
}

TopicNode entry(std::string_view name, int company, int property, bool scrambled = false) {
    TopicNode node;
    node.name = cp(name);
    node.companyId = company;
    node.property = property;
    node.scrambleName = scrambled;
    return node;
}

CompanySource company(int id, std::string_view name, std::string_view address) {
    CompanySource c;
    c.id = id;
    c.record = cp("<company><name>" + std::string(name) + "</name><address>" + std::string(address) +
                  "</address></company>");
    return c;
}

std::string address(std::string_view region, std::string_view district, std::string_view city) {
    return "<region>" + std::string(region) + "</region><district>" + std::string(district) +
           "</district>" + std::string(city);
}

// Each catalog is built once per process into a temporary folder.
class Catalogs {
public:
    static Catalogs& instance() {
        static Catalogs catalogs;
        return catalogs;
    }
    ~Catalogs() {
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }

    std::string copy(const std::string& name) {
        auto built = built_.find(name);
        if (built == built_.end()) {
            const fs::path folder = root_ / ("template-" + name);
            makecatalog::buildCatalog(name == "nested" ? nestedCatalog() : treeCatalog(), folder.string());
            built = built_.emplace(name, folder / "tolvik.gdb").first;
        }
        const fs::path folder = root_ / ("copy" + std::to_string(++copies_));
        fs::create_directories(folder);
        fs::copy_file(built->second, folder / "tolvik.gdb");
        return (folder / "tolvik.gdb").string();
    }

private:
    Catalogs() : root_(fs::temp_directory_path() / ("marvenic-tree-" + std::to_string(::getpid()))) {
        fb::usePrivateRoot(MARVENIC_FIREBIRD_ROOT);
        fs::remove_all(root_);
        fs::create_directories(root_);
    }

    fs::path root_;
    std::map<std::string, fs::path> built_;
    int copies_ = 0;
};

}  // namespace

std::string cp(std::string_view text) { return text::utf8ToCp1251(text); }
std::string utf8(std::string_view bytes) { return text::cp1251ToUtf8(bytes); }

CatalogSource treeCatalog() {
    CatalogSource source;
    source.topics = {
        topic("Медицина",
              {topic("Клиники", {entry("Медицинский центр", 10, 2), entry("Аптека Здоровье", 11, 1, true)},
                     true),
               entry("Больница", 12, 0), topic("Пустой раздел", {})}),
        topic("Транспорт", {entry("Автобаза", 13, 4), entry("Медицинский центр", 10, 2),
                            entry("Гараж №1", 13, 4), entry("Больница", 12, 1)}),
        entry("Кафе \"Уют\"", 14, 8),
        entry("apple store", 15, 6),
        entry("24 часа", 16, 0),
    };
    source.companies = {
        company(10, "Медицинский центр", address("Минская", "Ленинский", "<city>Минск</city>")),
        company(11, "Аптека Здоровье", address("Минская", "Ленинский", "<city>Минск</city>")),
        company(12, "Больница", address("Брестская", "Ленинский", "<city></city>")),
        company(13, "Автобаза", address("Брестская", "Московский", "<city>Брест</city>")),
        company(14, "Кафе", address("Минская", "Ленинский", "")),
        company(15, "apple store", address("Гродненская", "Ленинский", "<city>Гродно</city>")),
        company(16, "24 часа", address("Гродненская", "Ленинский", "<city>Гродно</city>")),
    };
    makecatalog::ImageSource logo;
    logo.name = "logo.png";
    logo.type = 1;
    logo.data = "not decoded here";
    source.companies[0].images.push_back(logo);
    logo.name = "map.png";
    source.companies[3].images.push_back(logo);
    return source;
}

CatalogSource nestedCatalog() {
    CatalogSource source;
    source.topics = {topic("Север", {topic("Лес", {topic("Поляна", {})}), entry("Лесхоз", 20, 6)})};
    source.companies = {company(20, "Лесхоз", address("Минская", "Ленинский", ""))};
    return source;
}

std::string catalogCopy(const std::string& name) { return Catalogs::instance().copy(name); }

std::vector<std::string> childNames(const catalog::TTopicTreeModel& tree, int node) {
    std::vector<std::string> names;
    for (int row = 0; row < tree.childCount(node); ++row)
        names.push_back(utf8(tree.nodeData(tree.childNode(node, row)).TopicName));
    return names;
}

int childNamed(const catalog::TTopicTreeModel& tree, int node, std::string_view name) {
    for (int row = 0; row < tree.childCount(node); ++row) {
        const int child = tree.childNode(node, row);
        if (utf8(tree.nodeData(child).TopicName) == name)
            return child;
    }
    return catalog::TTopicTreeModel::NoNode;
}

}  // namespace tree_test
