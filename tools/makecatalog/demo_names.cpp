#include "demo_names.h"

#include "demo_text.h"

#include <iterator>

namespace makecatalog::demo {
namespace {

const std::vector<LegalForm>& legalForms() {
    static const std::vector<LegalForm> forms = {
        {"ООО", "LLC"},     {"ОДО", "ALC"},   {"ЧУП", "PUE"},      {"ЧТУП", "PTUE"},  {"ЧСУП", "PCUE"},
        {"ЧПУП", "PPUE"},   {"УП", "UE"},     {"ОАО", "OJSC"},     {"ЗАО", "CJSC"},   {"СООО", "JV LLC"},
        {"ИООО", "FLLC"},   {"ИП", "IE"},     {"КУП", "MUE"},      {"РУП", "RUE"},    {"УЗ", "HI"},
        {"ГУО", "SEI"},     {"УО", "EI"},     {"ЧУО", "PEI"},      {"ГУК", "SCI"},    {"СПК", "APC"},
        {"КФХ", "PF"},
    };
    return forms;
}

struct MaleName {
    const char* name;
    const char* patronymicM;
    const char* patronymicF;
};

constexpr MaleName MaleNames[] = {
    {"Александр", "Александрович", "Александровна"}, {"Алексей", "Алексеевич", "Алексеевна"},
    {"Андрей", "Андреевич", "Андреевна"},             {"Антон", "Антонович", "Антоновна"},
    {"Артём", "Артёмович", "Артёмовна"},              {"Виктор", "Викторович", "Викторовна"},
    {"Вадим", "Вадимович", "Вадимовна"},              {"Валерий", "Валерьевич", "Валерьевна"},
    {"Василий", "Васильевич", "Васильевна"},          {"Владимир", "Владимирович", "Владимировна"},
    {"Геннадий", "Геннадьевич", "Геннадьевна"},       {"Денис", "Денисович", "Денисовна"},
    {"Дмитрий", "Дмитриевич", "Дмитриевна"},          {"Евгений", "Евгеньевич", "Евгеньевна"},
    {"Игорь", "Игоревич", "Игоревна"},                {"Иван", "Иванович", "Ивановна"},
    {"Константин", "Константинович", "Константиновна"}, {"Максим", "Максимович", "Максимовна"},
    {"Михаил", "Михайлович", "Михайловна"},           {"Николай", "Николаевич", "Николаевна"},
    {"Олег", "Олегович", "Олеговна"},                 {"Павел", "Павлович", "Павловна"},
    {"Пётр", "Петрович", "Петровна"},                 {"Роман", "Романович", "Романовна"},
    {"Сергей", "Сергеевич", "Сергеевна"},             {"Станислав", "Станиславович", "Станиславовна"},
    {"Юрий", "Юрьевич", "Юрьевна"},                   {"Леонид", "Леонидович", "Леонидовна"},
    {"Анатолий", "Анатольевич", "Анатольевна"},       {"Владислав", "Владиславович", "Владиславовна"},
};

constexpr const char* FemaleNames[] = {
    "Анна",     "Елена",     "Ольга",     "Наталья",   "Татьяна", "Ирина",     "Светлана",
    "Марина",   "Юлия",      "Екатерина", "Людмила",   "Галина",  "Валентина", "Оксана",
    "Виктория", "Анастасия", "Мария",     "Дарья",     "Алеся",   "Ксения",    "Вероника",
    "Жанна",    "Инна",      "Надежда",   "Вера",
};

// Surnames in the masculine form; the feminine one is derived.
constexpr const char* Surnames[] = {
    "Иванов",    "Петров",     "Сидоров",    "Козлов",     "Новиков",    "Морозов",    "Волков",
    "Соколов",   "Лебедев",    "Кузнецов",   "Попов",      "Васильев",   "Смирнов",    "Михайлов",
    "Фёдоров",   "Павлов",     "Семёнов",    "Голубев",    "Виноградов", "Богданов",   "Воробьёв",
    "Захаров",   "Зайцев",     "Соловьёв",   "Борисов",    "Яковлев",    "Григорьев",  "Романов",
    "Степанов",  "Николаев",   "Орлов",      "Андреев",    "Макаров",    "Никитин",    "Ильин",
    "Гусев",     "Титов",      "Кузьмин",    "Баранов",    "Куликов",    "Алексеев",   "Степаненко",
    "Ковалёв",   "Ковальчук",  "Мельник",    "Шевчук",     "Бондаренко", "Кравченко",  "Ткачук",
    "Лукашевич", "Новицкий",   "Жуковский",  "Высоцкий",   "Калинович",  "Климович",   "Войтович",
    "Якимович",  "Савицкий",   "Янковский",  "Шинкевич",   "Кот",        "Жук",        "Гурин",
    "Адамович",  "Ракович",    "Мицкевич",   "Шпак",       "Шидловский", "Карпович",   "Петрашкевич",
    "Бурак",     "Гайдук",     "Ярошевич",   "Сушко",      "Левчук",     "Радюк",      "Марченко",
    "Гончаров",  "Прокопович", "Стасевич",   "Рудько",     "Бобров",     "Быков",      "Тарасевич",
    "Гринкевич", "Дашкевич",   "Юркевич",    "Волчек",     "Зубович",    "Сенкевич",
};

std::string feminine(const std::string& surname) {
    if (endsWith(surname, "ов") || endsWith(surname, "ев") || endsWith(surname, "ёв") ||
        endsWith(surname, "ин") || endsWith(surname, "ын"))
        return surname + "а";
    if (endsWith(surname, "ский") || endsWith(surname, "цкий"))
        return surname.substr(0, surname.size() - std::string_view("ий").size()) + "ая";
    return surname;
}

std::string initialOf(const std::string& word) { return firstLetter(word) + "."; }

}  // namespace

const LegalForm& legalForm(std::string_view ru) {
    for (const LegalForm& f : legalForms()) {
        if (f.ru == ru)
            return f;
    }
    static thread_local LegalForm unknown;
    unknown = {std::string(ru), translit(ru)};
    return unknown;
}

std::string Person::initialsRu() const { return initialOf(firstName) + initialOf(patronymic); }

std::string Person::initialsEn() const {
    return initialOf(translit(firstName)) + initialOf(translit(patronymic));
}

Person randomPerson(Rng& rng) {
    Person p;
    p.female = rng.chance(45);
    const std::string surname = Surnames[static_cast<std::size_t>(rng.below(static_cast<int>(std::size(Surnames))))];
    const MaleName& father = MaleNames[static_cast<std::size_t>(rng.below(static_cast<int>(std::size(MaleNames))))];
    if (p.female) {
        p.surname = feminine(surname);
        p.firstName = FemaleNames[static_cast<std::size_t>(rng.below(static_cast<int>(std::size(FemaleNames))))];
        p.patronymic = father.patronymicF;
    } else {
        p.surname = surname;
        p.firstName = MaleNames[static_cast<std::size_t>(rng.below(static_cast<int>(std::size(MaleNames))))].name;
        p.patronymic = father.patronymicM;
    }
    return p;
}

const std::vector<std::string>& generalBrands() {
    static const std::vector<std::string> brands = {
        "Вектор",   "Гарант",   "Континент", "Альфа",    "Омега",     "Орион",    "Сфера",     "Меридиан",
        "Эталон",   "Престиж",  "Олимп",     "Атлас",    "Вега",      "Титан",    "Аврора",    "Фаворит",
        "Лидер",    "Квадрат",  "Спектр",    "Импульс",  "Партнёр",   "Союз",     "Альянс",    "Прогресс",
        "Элит",     "Статус",   "Тандем",    "Ресурс",   "Магнат",    "Сигма",    "Кристалл",  "Зенит",
        "Полюс",    "Горизонт", "Зубр",      "Бусел",    "Пралеска",  "Сябры",    "Лад",       "Верас",
        "Неман",    "Свитязь",  "Полесье",   "Березина", "Вилия",     "Дубрава",  "Купалинка", "Журавинка",
        "Василёк",  "Каласок",  "Лён",       "Ромашка",  "Крок",      "Белая Русь", "Добрый день", "Три кита",
        "Надёжный партнёр", "Новый век", "Формула успеха", "Лучший выбор",
    };
    return brands;
}

std::string randomBrand(Rng& rng, const TopicProfile& profile) {
    const int roll = rng.below(100);
    if (roll < 45 && !profile.brands.empty())
        return rng.pick(profile.brands);
    if (roll < 80 && !profile.prefixes.empty() && !profile.suffixes.empty()) {
        for (int attempt = 0; attempt < 4; ++attempt) {
            const std::string& head = rng.pick(profile.prefixes);
            const std::string& tail = rng.pick(profile.suffixes);
            const std::string h = lower(head), t = lower(tail);
            // No doubled stems: "Логи" + "логистик", "Строй" + "строй".
            if (h.find(t) != std::string::npos || t.find(h) != std::string::npos)
                continue;
            const int style = rng.below(10);
            if (style < 5)
                return head + lower(tail);
            if (style < 8)
                return head + capitalize(tail);
            return head + "-" + capitalize(tail);
        }
    }
    return rng.pick(generalBrands());
}

const std::vector<Phrase>& generalHours() {
    static const std::vector<Phrase> hours = {
        {"Пн-Пт 9:00-18:00", "Mon-Fri 9:00-18:00"},
        {"Пн-Пт 9:00-18:00, обед 13:00-14:00", "Mon-Fri 9:00-18:00, lunch 13:00-14:00"},
        {"Пн-Пт 8:30-17:30", "Mon-Fri 8:30-17:30"},
        {"Пн-Пт 9:00-17:00, Сб 10:00-14:00", "Mon-Fri 9:00-17:00, Sat 10:00-14:00"},
        {"Ежедневно 9:00-21:00", "Daily 9:00-21:00"},
    };
    return hours;
}

const std::vector<Phrase>& generalDescriptions() {
    static const std::vector<Phrase> sentences = {
        {"Работаем на рынке с {year} года.", "On the market since {year}."},
        {"Индивидуальный подход к каждому клиенту.", "An individual approach to every client."},
        {"Бесплатная консультация специалиста.", "Free expert advice."},
        {"Принимаем оплату банковскими картами.", "We accept bank cards."},
        {"Удобная парковка для клиентов.", "Convenient parking for customers."},
        {"Скидка {n:3-10}% при заказе через сайт.", "A {n:3-10}% discount when you order online."},
        {"Мы находимся в {n:5-20} минутах от центра города.", "We are {n:5-20} minutes from the city centre."},
        {"Наш девиз: «Качество — наша визитная карточка».", "Our motto: “Quality is our calling card”."},
        {"Работаем по безналичному и наличному расчёту.", "We accept cash and bank transfers."},
        {"Постоянным клиентам — накопительные скидки.", "Cumulative discounts for regular customers."},
        {"Гарантия на все услуги — {n:6-36} месяцев.", "A {n:6-36}-month guarantee on all services."},
        {"Подробности — у наших менеджеров по телефону.", "Ask our managers by phone for details."},
        {"Выезд на объект и замеры бесплатно.", "Site visits and measurements are free of charge."},
        {"Сертифицированная продукция, все документы в наличии.", "Certified products with all the paperwork."},
        {"Обслуживаем более {n:100-900} постоянных клиентов.", "We serve over {n:100-900} regular customers."},
        {"Собственная служба доставки.", "Our own delivery service."},
        {"Работаем без посредников.", "We work without intermediaries."},
        {"Консультации по телефону и в мессенджерах.", "Advice by phone and in messengers."},
        {"Предоставляем отсрочку платежа юридическим лицам.", "Deferred payment for businesses."},
        {"Оформление договора в день обращения.", "The contract is drawn up on the day you call."},
        {"Участник выставок «Белпромстрой» и «Продэкспо».", "Exhibitor at the Belpromstroy and Prodexpo fairs."},
        {"В {year} году компания стала лауреатом конкурса «Лучшие товары Беларуси».",
         "In {year} the company won the Best Goods of Belarus contest."},
        {"Действует программа лояльности с накопительной картой.", "A loyalty programme with a discount card."},
        {"Все цены указаны с НДС.", "All prices include VAT."},
        {"Наши специалисты регулярно проходят обучение и повышают квалификацию.",
         "Our specialists train regularly and upgrade their skills."},
        {"Заказы принимаются по телефону, электронной почте и через сайт.",
         "Orders are taken by phone, e-mail and on our website."},
        {"Для корпоративных клиентов — персональный менеджер.", "A personal manager for corporate clients."},
        {"Работаем со всеми регионами Беларуси.", "We work with all regions of Belarus."},
        {"Рядом остановка общественного транспорта.", "A public transport stop is close by."},
        {"Возможна оплата через ЕРИП.", "Payment through the ERIP system is possible."},
        {"Ежегодно обслуживаем более {n:2-40} тысяч клиентов.", "Every year we serve over {n:2-40} thousand customers."},
        {"В штате — {n:8-120} сотрудников.", "We have {n:8-120} employees."},
        {"Мы ценим время клиентов и всегда соблюдаем сроки.", "We value our customers' time and always meet deadlines."},
        {"Сезонные скидки до {n:10-30}%.", "Seasonal discounts of up to {n:10-30}%."},
        {"Принимаем заявки круглосуточно.", "Requests are accepted around the clock."},
        {"Въезд и парковка со стороны двора.", "Entrance and parking from the courtyard."},
        {"Предварительная запись обязательна.", "An appointment is required."},
        {"Благодарим за выбор нашей компании!", "Thank you for choosing our company!"},
        {"Актуальные цены и акции смотрите на нашем сайте.", "See our website for current prices and offers."},
    };
    return sentences;
}

const std::vector<Phrase>& phoneNotes() {
    static const std::vector<Phrase> notes = {
        {"(приёмная)", "(reception)"},       {"(отдел продаж)", "(sales)"},
        {"(бухгалтерия)", "(accounts)"},     {"(директор)", "(director)"},
        {"(круглосуточно)", "(24 hours)"},   {"(тел./факс)", "(tel./fax)"},
        {"(Viber, Telegram)", "(Viber, Telegram)"},
    };
    return notes;
}

std::string fillNumbers(std::string text, Rng& rng) {
    std::size_t pos;
    while ((pos = text.find("{year}")) != std::string::npos)
        text.replace(pos, 6, std::to_string(rng.range(1991, 2020)));
    while ((pos = text.find("{n")) != std::string::npos) {
        const std::size_t close = text.find('}', pos);
        if (close == std::string::npos)
            break;
        int low = 5, high = 25;
        const std::string range = text.substr(pos + 2, close - pos - 2);  // "" or ":3-10"
        const std::size_t dash = range.find('-');
        if (range.size() > 1 && range[0] == ':' && dash != std::string::npos) {
            low = std::stoi(range.substr(1, dash - 1));
            high = std::stoi(range.substr(dash + 1));
        }
        text.replace(pos, close - pos + 1, std::to_string(rng.range(low, high)));
    }
    return text;
}

}  // namespace makecatalog::demo
