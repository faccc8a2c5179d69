#include "demo_addresses.h"

#include "demo_text.h"

#include <iterator>

namespace makecatalog::demo {
namespace {

struct Row {
    const char* name;
    const char* prefix;
    const char* adjective;
    const char* districtRu;
    const char* districtEn;
    int zip;
    int zipSpread;
    const char* code;
    int weight;
    char region;
};

// Weights give the country-wide share; the regional catalog uses its own
// region's rows with the same weights.
constexpr Row Rows[] = {
    {"Минск", "г.", "Минский", "", "", 220001, 140, "17", 520, 'M'},
    // Minsk region
    {"Борисов", "г.", "Борисовский", "Борисовский", "Borisov", 222120, 20, "177", 24, 'm'},
    {"Молодечно", "г.", "Молодечненский", "Молодечненский", "Molodechno", 222310, 10, "176", 20, 'm'},
    {"Солигорск", "г.", "Солигорский", "Солигорский", "Soligorsk", 223710, 10, "174", 18, 'm'},
    {"Слуцк", "г.", "Слуцкий", "Слуцкий", "Slutsk", 223610, 8, "1795", 14, 'm'},
    {"Жодино", "г.", "Жодинский", "", "", 222160, 5, "1775", 10, 'm'},
    {"Смолевичи", "г.", "Смолевичский", "Смолевичский", "Smolevichi", 222201, 0, "1776", 6, 'm'},
    {"Дзержинск", "г.", "Дзержинский", "Дзержинский", "Dzerzhinsk", 222720, 0, "1716", 5, 'm'},
    {"Логойск", "г.", "Логойский", "Логойский", "Logoysk", 222570, 0, "1774", 5, 'm'},
    {"Заславль", "г.", "Заславский", "Минский", "Minsk", 223051, 0, "17", 4, 'm'},
    {"Фаниполь", "г.", "Фанипольский", "Дзержинский", "Dzerzhinsk", 222750, 0, "1716", 4, 'm'},
    {"Марьина Горка", "г.", "Марьиногорский", "Пуховичский", "Pukhovichi", 222811, 0, "1713", 5, 'm'},
    {"Столбцы", "г.", "Столбцовский", "Столбцовский", "Stolbtsy", 222660, 0, "1717", 4, 'm'},
    {"Несвиж", "г.", "Несвижский", "Несвижский", "Nesvizh", 222603, 0, "1770", 5, 'm'},
    {"Вилейка", "г.", "Вилейский", "Вилейский", "Vileyka", 222410, 0, "1771", 4, 'm'},
    {"Воложин", "г.", "Воложинский", "Воложинский", "Volozhin", 222357, 0, "1772", 3, 'm'},
    {"Ждановичи", "аг.", "", "Минский", "Minsk", 223028, 0, "17", 6, 'm'},
    {"Боровляны", "аг.", "", "Минский", "Minsk", 223053, 0, "17", 6, 'm'},
    {"Колодищи", "аг.", "", "Минский", "Minsk", 223051, 0, "17", 5, 'm'},
    {"Мачулищи", "г.п.", "", "Минский", "Minsk", 223021, 0, "17", 3, 'm'},
    {"Сеница", "аг.", "", "Минский", "Minsk", 223052, 0, "17", 4, 'm'},
    {"Ратомка", "д.", "", "Минский", "Minsk", 223035, 0, "17", 2, 'm'},
    {"Лесной", "п.", "", "Минский", "Minsk", 223040, 0, "17", 2, 'm'},
    {"Привольный", "п.", "", "Минский", "Minsk", 223032, 0, "17", 1, 'm'},
    {"Михановичи", "аг.", "", "Минский", "Minsk", 223043, 0, "17", 2, 'm'},
    {"Щомыслица", "аг.", "", "Минский", "Minsk", 223049, 0, "17", 3, 'm'},
    {"Валерьяново", "д.", "", "Минский", "Minsk", 223053, 0, "17", 2, 'm'},
    {"Руденск", "г.п.", "", "Пуховичский", "Pukhovichi", 222821, 0, "1713", 2, 'm'},
    {"Радошковичи", "г.п.", "", "Молодечненский", "Molodechno", 222302, 0, "176", 2, 'm'},
    {"Чисть", "аг.", "", "Молодечненский", "Molodechno", 222324, 0, "176", 1, 'm'},
    {"Ивановка", "д.", "", "Смолевичский", "Smolevichi", 222211, 0, "1776", 1, 'm'},
    {"Старое Село", "д.", "", "Борисовский", "Borisov", 222136, 0, "177", 1, 'm'},
    {"Юзуфово", "д.", "", "Пуховичский", "Pukhovichi", 222830, 0, "1713", 1, 'm'},
    // Grodno region
    {"Гродно", "г.", "Гродненский", "", "", 230001, 30, "152", 70, 'g'},
    {"Лида", "г.", "Лидский", "Лидский", "Lida", 231300, 5, "154", 18, 'g'},
    {"Слоним", "г.", "Слонимский", "Слонимский", "Slonim", 231800, 3, "1562", 8, 'g'},
    {"Волковыск", "г.", "Волковысский", "Волковысский", "Volkovysk", 231900, 3, "1512", 8, 'g'},
    {"Новогрудок", "г.", "Новогрудский", "Новогрудский", "Novogrudok", 231400, 0, "1597", 6, 'g'},
    {"Сморгонь", "г.", "Сморгонский", "Сморгонский", "Smorgon", 231000, 2, "1592", 6, 'g'},
    {"Щучин", "г.", "Щучинский", "Щучинский", "Shchuchin", 231510, 0, "1514", 4, 'g'},
    {"Островец", "г.", "Островецкий", "Островецкий", "Ostrovets", 231201, 0, "1591", 4, 'g'},
    {"Ошмяны", "г.", "Ошмянский", "Ошмянский", "Oshmyany", 231103, 0, "1593", 3, 'g'},
    {"Мосты", "г.", "Мостовский", "Мостовский", "Mosty", 231600, 0, "1515", 3, 'g'},
    {"Дятлово", "г.", "Дятловский", "Дятловский", "Dyatlovo", 231471, 0, "1563", 3, 'g'},
    {"Ивье", "г.", "Ивьевский", "Ивьевский", "Ivye", 231337, 0, "1595", 3, 'g'},
    {"Скидель", "г.", "Скидельский", "Гродненский", "Grodno", 231761, 0, "152", 3, 'g'},
    {"Берёзовка", "г.", "Берёзовский", "Лидский", "Lida", 231310, 0, "154", 2, 'g'},
    {"Свислочь", "г.", "Свислочский", "Свислочский", "Svisloch", 231969, 0, "1513", 2, 'g'},
    {"Вороново", "г.п.", "", "Вороновский", "Voronovo", 231391, 0, "1594", 2, 'g'},
    {"Зельва", "г.п.", "", "Зельвенский", "Zelva", 231940, 0, "1564", 2, 'g'},
    {"Кореличи", "г.п.", "", "Кореличский", "Korelichi", 231430, 0, "1596", 2, 'g'},
    {"Мир", "г.п.", "", "Кореличский", "Korelichi", 231444, 0, "1596", 3, 'g'},
    {"Большая Берестовица", "г.п.", "", "Берестовицкий", "Berestovitsa", 231778, 0, "1511", 1, 'g'},
    {"Острино", "г.п.", "", "Щучинский", "Shchuchin", 231520, 0, "1514", 1, 'g'},
    {"Гожа", "аг.", "", "Гродненский", "Grodno", 231742, 0, "152", 2, 'g'},
    {"Коробчицы", "аг.", "", "Гродненский", "Grodno", 230000, 0, "152", 2, 'g'},
    {"Обухово", "аг.", "", "Гродненский", "Grodno", 231735, 0, "152", 2, 'g'},
    {"Поречье", "аг.", "", "Гродненский", "Grodno", 231751, 0, "152", 2, 'g'},
    {"Вертелишки", "аг.", "", "Гродненский", "Grodno", 231743, 0, "152", 1, 'g'},
    {"Одельск", "аг.", "", "Гродненский", "Grodno", 231715, 0, "152", 1, 'g'},
    {"Квасовка", "аг.", "", "Гродненский", "Grodno", 231731, 0, "152", 1, 'g'},
    {"Индура", "аг.", "", "Гродненский", "Grodno", 231722, 0, "152", 1, 'g'},
    {"Грандичи", "д.", "", "Гродненский", "Grodno", 230000, 0, "152", 2, 'g'},
    {"Озёры", "аг.", "", "Гродненский", "Grodno", 231763, 0, "152", 2, 'g'},
    {"Песковцы", "аг.", "", "Лидский", "Lida", 231330, 0, "154", 1, 'g'},
    {"Минойты", "аг.", "", "Лидский", "Lida", 231323, 0, "154", 1, 'g'},
    {"Вселюб", "аг.", "", "Новогрудский", "Novogrudok", 231421, 0, "1597", 1, 'g'},
    {"Любча", "г.п.", "", "Новогрудский", "Novogrudok", 231431, 0, "1597", 2, 'g'},
    {"Деревная", "аг.", "", "Слонимский", "Slonim", 231813, 0, "1562", 1, 'g'},
    {"Залесье", "аг.", "", "Сморгонский", "Smorgon", 231015, 0, "1592", 1, 'g'},
    {"Ворняны", "аг.", "", "Островецкий", "Ostrovets", 231220, 0, "1591", 1, 'g'},
    {"Желудок", "г.п.", "", "Щучинский", "Shchuchin", 231530, 0, "1514", 1, 'g'},
    {"Каменка", "д.", "", "Щучинский", "Shchuchin", 231525, 0, "1514", 1, 'g'},
    {"Лаздуны", "д.", "", "Ивьевский", "Ivye", 231340, 0, "1595", 1, 'g'},
    {"Пограничный", "п.", "", "Гродненский", "Grodno", 231748, 0, "152", 1, 'g'},
    {"Ольховка", "д.", "", "Дятловский", "Dyatlovo", 231482, 0, "1563", 1, 'g'},
    // Brest region
    {"Брест", "г.", "Брестский", "", "", 224000, 30, "162", 60, 'b'},
    {"Барановичи", "г.", "Барановичский", "", "", 225409, 12, "163", 22, 'b'},
    {"Пинск", "г.", "Пинский", "", "", 225710, 8, "165", 16, 'b'},
    {"Кобрин", "г.", "Кобринский", "Кобринский", "Kobrin", 225306, 0, "1642", 7, 'b'},
    {"Берёза", "г.", "Берёзовский", "Берёзовский", "Bereza", 225209, 0, "1643", 4, 'b'},
    {"Ивацевичи", "г.", "Ивацевичский", "Ивацевичский", "Ivatsevichi", 225291, 0, "1645", 3, 'b'},
    {"Лунинец", "г.", "Лунинецкий", "Лунинецкий", "Luninets", 225644, 0, "1647", 3, 'b'},
    {"Пружаны", "г.", "Пружанский", "Пружанский", "Pruzhany", 225133, 0, "1632", 3, 'b'},
    {"Жабинка", "г.", "Жабинковский", "Жабинковский", "Zhabinka", 225101, 0, "1641", 2, 'b'},
    {"Домачево", "г.п.", "", "Брестский", "Brest", 225031, 0, "162", 1, 'b'},
    {"Чернавчицы", "аг.", "", "Брестский", "Brest", 225011, 0, "162", 2, 'b'},
    {"Мухавец", "аг.", "", "Брестский", "Brest", 225001, 0, "162", 1, 'b'},
    {"Томашовка", "аг.", "", "Брестский", "Brest", 225027, 0, "162", 1, 'b'},
    // Vitebsk region
    {"Витебск", "г.", "Витебский", "", "", 210001, 40, "212", 55, 'v'},
    {"Орша", "г.", "Оршанский", "Оршанский", "Orsha", 211030, 8, "216", 14, 'v'},
    {"Новополоцк", "г.", "Новополоцкий", "", "", 211440, 6, "214", 12, 'v'},
    {"Полоцк", "г.", "Полоцкий", "Полоцкий", "Polotsk", 211400, 6, "214", 10, 'v'},
    {"Глубокое", "г.", "Глубокский", "Глубокский", "Glubokoe", 211800, 0, "2156", 3, 'v'},
    {"Лепель", "г.", "Лепельский", "Лепельский", "Lepel", 211170, 0, "2132", 3, 'v'},
    {"Поставы", "г.", "Поставский", "Поставский", "Postavy", 211875, 0, "2155", 2, 'v'},
    {"Браслав", "г.", "Браславский", "Браславский", "Braslav", 211970, 0, "2153", 3, 'v'},
    {"Шумилино", "г.п.", "", "Шумилинский", "Shumilino", 211260, 0, "2130", 1, 'v'},
    {"Лужесно", "аг.", "", "Витебский", "Vitebsk", 211322, 0, "212", 2, 'v'},
    {"Вороны", "аг.", "", "Витебский", "Vitebsk", 211314, 0, "212", 1, 'v'},
    // Gomel region
    {"Гомель", "г.", "Гомельский", "", "", 246000, 50, "232", 70, 'h'},
    {"Мозырь", "г.", "Мозырский", "Мозырский", "Mozyr", 247760, 6, "236", 14, 'h'},
    {"Жлобин", "г.", "Жлобинский", "Жлобинский", "Zhlobin", 247210, 4, "2334", 10, 'h'},
    {"Светлогорск", "г.", "Светлогорский", "Светлогорский", "Svetlogorsk", 247400, 4, "2342", 9, 'h'},
    {"Речица", "г.", "Речицкий", "Речицкий", "Rechitsa", 247500, 4, "2340", 9, 'h'},
    {"Калинковичи", "г.", "Калинковичский", "Калинковичский", "Kalinkovichi", 247710, 0, "2345", 4, 'h'},
    {"Рогачёв", "г.", "Рогачёвский", "Рогачёвский", "Rogachev", 247670, 0, "2339", 4, 'h'},
    {"Добруш", "г.", "Добрушский", "Добрушский", "Dobrush", 247050, 0, "2333", 3, 'h'},
    {"Ерёмино", "аг.", "", "Гомельский", "Gomel", 247012, 0, "232", 2, 'h'},
    {"Урицкое", "аг.", "", "Гомельский", "Gomel", 247030, 0, "232", 1, 'h'},
    {"Бобовичи", "аг.", "", "Гомельский", "Gomel", 247043, 0, "232", 1, 'h'},
    // Mogilev region
    {"Могилёв", "г.", "Могилёвский", "", "", 212001, 40, "222", 55, 'o'},
    {"Бобруйск", "г.", "Бобруйский", "", "", 213800, 30, "225", 30, 'o'},
    {"Горки", "г.", "Горецкий", "Горецкий", "Gorki", 213410, 0, "2233", 4, 'o'},
    {"Кричев", "г.", "Кричевский", "Кричевский", "Krichev", 213500, 0, "2241", 3, 'o'},
    {"Осиповичи", "г.", "Осиповичский", "Осиповичский", "Osipovichi", 213760, 0, "2235", 4, 'o'},
    {"Быхов", "г.", "Быховский", "Быховский", "Bykhov", 213352, 0, "2231", 3, 'o'},
    {"Шклов", "г.", "Шкловский", "Шкловский", "Shklov", 213010, 0, "2239", 3, 'o'},
    {"Буйничи", "аг.", "", "Могилёвский", "Mogilev", 212030, 0, "222", 2, 'o'},
    {"Полыковичи", "аг.", "", "Могилёвский", "Mogilev", 212011, 0, "222", 1, 'o'},
    {"Вейно", "аг.", "", "Могилёвский", "Mogilev", 213112, 0, "222", 1, 'o'},
};

struct StreetName {
    const char* ru;
    const char* en;  // nullptr: transliterated
};

// Names in the genitive, good for "ул.", "пр.", "пер.", "бул." alike.
constexpr StreetName Genitive[] = {
    {"Ленина", nullptr},           {"Гагарина", nullptr},          {"Кирова", nullptr},
    {"Пушкина", nullptr},          {"Маяковского", nullptr},       {"Горького", nullptr},
    {"Максима Богдановича", nullptr}, {"Янки Купалы", nullptr},    {"Якуба Коласа", nullptr},
    {"Франциска Скорины", nullptr}, {"Карла Маркса", nullptr},     {"Энгельса", nullptr},
    {"Калинина", nullptr},         {"Мира", nullptr},              {"Победы", nullptr},
    {"Дзержинского", nullptr},     {"Суворова", nullptr},          {"Чапаева", nullptr},
    {"Фрунзе", nullptr},           {"Кутузова", nullptr},          {"Свердлова", nullptr},
    {"Некрасова", nullptr},        {"Чкалова", nullptr},           {"Лермонтова", nullptr},
    {"Толстого", nullptr},         {"Короткевича", nullptr},       {"Притыцкого", nullptr},
    {"Сурганова", nullptr},        {"Тимирязева", nullptr},        {"Космонавтов", nullptr},
    {"Строителей", nullptr},       {"Машерова", nullptr},          {"Независимости", nullptr},
    {"Победителей", nullptr},      {"Шевченко", nullptr},          {"Элизы Ожешко", nullptr},
    {"Белинского", nullptr},       {"Гоголя", nullptr},            {"Чернышевского", nullptr},
    {"Островского", nullptr},      {"Жукова", nullptr},            {"Рокоссовского", nullptr},
    {"Партизан", nullptr},         {"Молодёжи", nullptr},          {"Богдана Хмельницкого", nullptr},
    {"Володарского", nullptr},     {"Тавлая", nullptr},            {"50 лет Победы", "50 let Pobedy"},
    {"17 Сентября", "17 Sentyabrya"}, {"Фабрициуса", nullptr},     {"Кабяка", nullptr},
};

// Feminine adjectives and nouns, for "ул." only.
constexpr StreetName Feminine[] = {
    {"Советская", nullptr},     {"Садовая", nullptr},       {"Школьная", nullptr},
    {"Молодёжная", nullptr},    {"Набережная", nullptr},    {"Заводская", nullptr},
    {"Центральная", nullptr},   {"Лесная", nullptr},        {"Полевая", nullptr},
    {"Юбилейная", nullptr},     {"Октябрьская", nullptr},   {"Первомайская", nullptr},
    {"Комсомольская", nullptr}, {"Пролетарская", nullptr},  {"Интернациональная", nullptr},
    {"Московская", nullptr},    {"Минская", nullptr},       {"Гродненская", nullptr},
    {"Новая", nullptr},         {"Зелёная", nullptr},       {"Парковая", nullptr},
    {"Вокзальная", nullptr},    {"Рабочая", nullptr},       {"Южная", nullptr},
    {"Солнечная", nullptr},     {"Луговая", nullptr},       {"Кальварийская", nullptr},
    {"Сторожовская", nullptr},  {"Немига", nullptr},        {"Торговая", nullptr},
};

// Masculine adjectives: avenues, lanes, tracts.
constexpr StreetName Masculine[] = {
    {"Партизанский", nullptr}, {"Садовый", nullptr},   {"Школьный", nullptr},  {"Зелёный", nullptr},
    {"Тихий", nullptr},        {"Почтовый", nullptr},  {"Спортивный", nullptr}, {"Заводской", nullptr},
    {"Северный", nullptr},     {"Южный", nullptr},     {"Парковый", nullptr},  {"Речной", nullptr},
    {"Октябрьский", nullptr},  {"Рабочий", nullptr},
};

constexpr StreetName Tracts[] = {
    {"Логойский", nullptr}, {"Слуцкий", nullptr}, {"Московский", nullptr}, {"Долгиновский", nullptr},
    {"Минский", nullptr},   {"Брестский", nullptr},
};

constexpr StreetName Highways[] = {
    {"Московское", nullptr},   {"Брестское", nullptr}, {"Гродненское", nullptr}, {"Слуцкое", nullptr},
    {"Логойское", nullptr},    {"Минское", nullptr},   {"Могилёвское", nullptr}, {"Старовиленское", nullptr},
};

// Street texts that carry their kind in the name; stored without a prefix attribute.
constexpr StreetName Unprefixed[] = {
    {"пл. Свободы", "Svobody sq."},       {"пл. Победы", "Pobedy sq."},
    {"пл. Ленина", "Lenina sq."},         {"мкр. Южный", "Yuzhny microdistrict"},
    {"мкр. Девятовка", "Devyatovka microdistrict"}, {"мкр. Северный", "Severny microdistrict"},
    {"Ленина", nullptr},                  {"Советская", nullptr},
};

// Streets of villages.
constexpr StreetName Village[] = {
    {"Центральная", nullptr}, {"Садовая", nullptr},   {"Школьная", nullptr}, {"Лесная", nullptr},
    {"Молодёжная", nullptr},  {"Полевая", nullptr},   {"Новая", nullptr},    {"Зелёная", nullptr},
    {"Набережная", nullptr},  {"Советская", nullptr}, {"Луговая", nullptr},  {"Озёрная", nullptr},
};

template <std::size_t N>
const StreetName& pickName(Rng& rng, const StreetName (&names)[N]) {
    return names[static_cast<std::size_t>(rng.below(static_cast<int>(N)))];
}

std::string streetEn(const StreetName& s) { return s.en ? std::string(s.en) : translit(s.ru); }

std::string buildingNumber(Rng& rng, int maxNumber, std::string& en) {
    std::string ru = std::to_string(rng.range(1, maxNumber));
    en = ru;
    const int roll = rng.below(100);
    if (roll < 12) {
        static const char* const lettersRu[] = {"А", "Б", "В", "Г"};
        static const char* const lettersEn[] = {"A", "B", "V", "G"};
        const int k = rng.below(4);
        ru += lettersRu[k];
        en += lettersEn[k];
    } else if (roll < 20) {
        const std::string part = "/" + std::to_string(rng.range(1, 4));
        ru += part;
        en += part;
    }
    return ru;
}

}  // namespace

std::string Settlement::nameEn() const { return translit(name); }

std::string Settlement::genitive() const {
    static const std::pair<const char*, const char*> irregular[] = {
        {"Сморгонь", "Сморгони"},       {"Свислочь", "Свислочи"},     {"Островец", "Островца"},
        {"Лунинец", "Лунинца"},         {"Новогрудок", "Новогрудка"}, {"Марьина Горка", "Марьиной Горки"},
        {"Барановичи", "Барановичей"},  {"Смолевичи", "Смолевичей"},  {"Ивацевичи", "Ивацевичей"},
        {"Калинковичи", "Калинковичей"}, {"Осиповичи", "Осиповичей"}, {"Столбцы", "Столбцов"},
        {"Пружаны", "Пружан"},          {"Горки", "Горок"},           {"Ошмяны", "Ошмян"},
        {"Мосты", "Мостов"},            {"Поставы", "Постав"},        {"Глубокое", "Глубокого"},
    };
    for (const auto& [nominative, genitiveForm] : irregular) {
        if (name == nominative)
            return genitiveForm;
    }
    if (endsWith(name, "о") || endsWith(name, "е"))
        return name;  // Гродно, Молодечно, Ивье
    if (endsWith(name, "ь"))
        return name.substr(0, name.size() - 2) + "я";  // Гомель -> Гомеля
    if (endsWith(name, "а")) {
        const std::string stem = name.substr(0, name.size() - 2);
        const bool soft = endsWith(stem, "к") || endsWith(stem, "г") || endsWith(stem, "х") || endsWith(stem, "ж") ||
                          endsWith(stem, "ш") || endsWith(stem, "щ") || endsWith(stem, "ч");
        return stem + (soft ? "и" : "ы");  // Лида -> Лиды, Орша -> Орши
    }
    return name + "а";  // Минск -> Минска
}

std::string Settlement::prefixEn() const {
    if (prefix == "г.")
        return "City";
    if (prefix == "г.п.")
        return "township";
    if (prefix == "аг.")
        return "ag.";
    if (prefix == "д.")
        return "v.";
    if (prefix == "п.")
        return "s.";
    return prefix;
}

std::string Settlement::adjectiveFor(char gender) const {
    if (gender == 'm' || adjective.size() < 4)
        return adjective;
    // All our adjectives end in a two-byte letter and "й": "-ий", "-ый", "-ой".
    const std::string stem = adjective.substr(0, adjective.size() - 4);
    return stem + (gender == 'f' ? "ая" : "ое");
}

const std::vector<Settlement>& settlements() {
    static const std::vector<Settlement> places = [] {
        std::vector<Settlement> out;
        for (const Row& r : Rows) {
            Settlement s;
            s.name = r.name;
            s.prefix = r.prefix;
            s.adjective = r.adjective;
            s.districtRu = r.districtRu;
            s.districtEn = r.districtEn;
            s.zip = r.zip;
            s.zipSpread = r.zipSpread;
            s.phoneCode = r.code;
            // Villages and towns are many and small: weighted up so that
            // every kind of place turns up in a catalog of a few hundred companies.
            s.weight = s.isCity() ? r.weight : r.weight * 3;
            s.region = r.region;
            out.push_back(std::move(s));
        }
        return out;
    }();
    return places;
}

SettlementPool settlementPool(char region) {
    SettlementPool pool;
    const std::vector<Settlement>& places = settlements();
    for (std::size_t i = 0; i < places.size(); ++i) {
        const Settlement& s = places[i];
        if (region != '*' && s.region != region)
            continue;
        const int index = static_cast<int>(i);
        pool.all.push_back(index);
        pool.allWeights.push_back(s.weight);
        if (s.isCity()) {
            pool.cities.push_back(index);
            pool.cityWeights.push_back(s.weight);
        }
        if (s.isCity() && !s.adjective.empty()) {
            pool.withAdjective.push_back(index);
            pool.adjectiveWeights.push_back(s.weight);
        }
    }
    return pool;
}

Address randomAddress(Rng& rng, int settlement) {
    const Settlement& place = settlements()[static_cast<std::size_t>(settlement)];
    Address a;
    a.settlement = settlement;
    const bool city = place.isCity();
    const bool big = place.zipSpread > 0;

    // Street.
    if (city) {
        const int roll = rng.below(100);
        if (roll < 2) {
            // no street: a house number alone, or nothing
        } else if (roll < 58) {
            const StreetName& s = rng.chance(55) ? pickName(rng, Feminine) : pickName(rng, Genitive);
            a.streetRu = s.ru;
            a.streetEn = streetEn(s);
            a.streetPrefixRu = "ул.";
            a.streetPrefixEn = "str.";
        } else if (roll < 70) {
            const StreetName& s = rng.chance(70) ? pickName(rng, Genitive) : pickName(rng, Masculine);
            a.streetRu = s.ru;
            a.streetEn = streetEn(s);
            a.streetPrefixRu = "пр.";
            a.streetPrefixEn = "ave.";
        } else if (roll < 78) {
            const StreetName& s = rng.chance(70) ? pickName(rng, Masculine) : pickName(rng, Genitive);
            a.streetRu = s.ru;
            a.streetEn = streetEn(s);
            a.streetPrefixRu = "пер.";
            a.streetPrefixEn = "lane";
        } else if (roll < 83) {
            const StreetName& s = pickName(rng, Genitive);
            a.streetRu = s.ru;
            a.streetEn = streetEn(s);
            a.streetPrefixRu = "бул.";
            a.streetPrefixEn = "blvd.";
        } else if (roll < 89) {
            const StreetName& s = pickName(rng, Highways);
            a.streetRu = s.ru;
            a.streetEn = streetEn(s);
            a.streetPrefixRu = "шоссе";
            a.streetPrefixEn = "highway";
        } else if (roll < 93) {
            const StreetName& s = pickName(rng, Tracts);
            a.streetRu = s.ru;
            a.streetEn = streetEn(s);
            a.streetPrefixRu = "тракт";
            a.streetPrefixEn = "tract";
        } else {
            const StreetName& s = pickName(rng, Unprefixed);
            a.streetRu = s.ru;
            a.streetEn = streetEn(s);
        }
    } else if (rng.chance(60)) {
        const StreetName& s = pickName(rng, Village);
        a.streetRu = s.ru;
        a.streetEn = streetEn(s);
        a.streetPrefixRu = "ул.";
        a.streetPrefixEn = "str.";
    }

    // House number: always with a street, often also without one.
    if (!a.streetRu.empty() || rng.chance(city ? 50 : 60)) {
        a.buildingRu = buildingNumber(rng, city ? (big ? 160 : 90) : 60, a.buildingEn);
        if (!a.streetRu.empty() && city) {
            const int roll = rng.below(100);
            if (roll < 10) {
                const std::string n = std::to_string(rng.range(1, 4));
                a.buildingRu += ", корп. " + n;
                a.buildingEn += ", bldg " + n;
            } else if (roll < 24) {
                const std::string n = std::to_string(rng.range(1, 9) * 100 + rng.range(1, 30));
                a.buildingRu += ", оф. " + n;
                a.buildingEn += ", office " + n;
            } else if (roll < 30) {
                const std::string n = std::to_string(rng.range(1, 40));
                a.buildingRu += ", пом. " + n;
                a.buildingEn += ", premises " + n;
            }
        }
    }

    if (rng.chance(92))
        a.zip = std::to_string(place.zip + (place.zipSpread > 0 ? rng.range(0, place.zipSpread) : 0));
    a.settlementPrefix = rng.chance(96);
    if (!place.districtRu.empty())
        a.district = city ? rng.chance(30) : true;
    const int c = rng.below(100);
    a.country = c < 62 ? 1 : c < 96 ? 0 : 2;
    return a;
}

CodeStyle randomCodeStyle(Rng& rng) {
    const int roll = rng.below(100);
    if (roll < 40)
        return CodeStyle::Bare;
    if (roll < 55)
        return CodeStyle::Zero;
    if (roll < 75)
        return CodeStyle::Eight;
    if (roll < 82)
        return CodeStyle::EightDash;
    if (roll < 87)
        return CodeStyle::EightSpace;
    return CodeStyle::InNumber;
}

Phone randomPhone(Rng& rng, const Settlement& place, CodeStyle style, bool mobile) {
    static const char* const operators[] = {"29", "29", "33", "44", "44", "25"};
    const std::string code = mobile ? operators[rng.below(6)] : place.phoneCode;
    const int digits = 9 - static_cast<int>(code.size());
    std::string number;
    for (int i = 0; i < digits; ++i)
        number.push_back(static_cast<char>('0' + (i == 0 ? rng.range(2, 7) : rng.range(0, 9))));

    // Grouping: xxx-xx-xx, xx-xx-xx, x-xx-xx; sometimes blanks or no separators.
    const int sepRoll = rng.below(100);
    const std::string sep = sepRoll < 82 ? "-" : sepRoll < 96 ? " " : "";
    std::string grouped;
    const std::size_t head = number.size() - 4;
    grouped = number.substr(0, head) + sep + number.substr(head, 2) + sep + number.substr(head + 2);

    Phone p;
    switch (style) {
    case CodeStyle::Bare: p.code = code; break;
    case CodeStyle::Zero: p.code = "0" + code; break;
    case CodeStyle::Eight: p.code = "80" + code; break;
    case CodeStyle::EightDash: p.code = "8-0" + code; break;
    case CodeStyle::EightSpace: p.code = "8 0" + code; break;
    case CodeStyle::InNumber: break;
    }
    if (style == CodeStyle::InNumber)
        grouped = rng.chance(70) ? "+375 " + code + " " + grouped : "8 (0" + code + ") " + grouped;
    p.numberRu = grouped;
    p.numberEn = grouped;
    return p;
}

void appendAddressXml(std::string& out, const Address& a, bool english) {
    const Settlement& place = settlements()[static_cast<std::size_t>(a.settlement)];
    auto element = [&out](const char* name, const char* attribute, const std::string& attrValue,
                          const std::string& text) {
        out += "  <";
        out += name;
        if (attribute) {
            out += ' ';
            out += attribute;
            out += "=\"";
            appendXmlEscaped(out, attrValue);
            out += '"';
        }
        out += '>';
        appendXmlEscaped(out, text);
        out += "</";
        out += name;
        out += ">\n";
    };
    const std::string& building = english ? a.buildingEn : a.buildingRu;
    if (!building.empty())
        element("building_no", nullptr, {}, building);
    const std::string& street = english ? a.streetEn : a.streetRu;
    if (!street.empty()) {
        const std::string& prefix = english ? a.streetPrefixEn : a.streetPrefixRu;
        element("street", prefix.empty() ? nullptr : "prefix", prefix, street);
    }
    if (!a.zip.empty())
        element("zip", nullptr, {}, a.zip);
    element("settlement", a.settlementPrefix ? "prefix" : nullptr, english ? place.prefixEn() : place.prefix,
            english ? place.nameEn() : place.name);
    if (a.district)
        element("district", nullptr, {}, english ? place.districtEn : place.districtRu + " р-н");
    if (a.country == 1)
        out += english ? "  <country name=\"Belarus\"/>\n" : "  <country name=\"Беларусь\"/>\n";
    else if (a.country == 2)
        out += "  <country/>\n";
}

void appendPhoneXml(std::string& out, const char* element, const Phone& phone, bool english) {
    out += "  <";
    out += element;
    if (!phone.code.empty()) {
        out += " code=\"";
        appendXmlEscaped(out, phone.code);
        out += '"';
    }
    out += '>';
    appendXmlEscaped(out, english ? phone.numberEn : phone.numberRu);
    out += "</";
    out += element;
    out += ">\n";
}

}  // namespace makecatalog::demo
