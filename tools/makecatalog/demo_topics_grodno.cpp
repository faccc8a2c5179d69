// Topic tree of the small regional demo catalog (format: demo_topics.h).
// Most profiles come from the main tree; the names are the region's own.
#include "demo_topics.h"

namespace makecatalog::demo {

const char* const GrodnoTopicsText = R"TOPICS(
+ Промышленность | Industry
++ Пищевая промышленность | Food industry
+++ Молочные продукты | Dairy products
u: Молочная продукция
w: 8
+++ Мясные продукты | Meat products
u: Мясная продукция
w: 6
+++ Хлеб и кондитерские изделия | Bread and confectionery
u: Хлебозаводы
w: 6
++ Лёгкая промышленность | Light industry
+++ Ткани и трикотаж | Fabrics and knitwear
u: Текстиль
w: 5
+++ Пошив одежды | Clothing manufacturing
u: Швейные фабрики
w: 5
+ Строительство и ремонт | Construction and repair
++ Стройматериалы | Building supplies
+++ Кирпич и блоки | Bricks and blocks
u: Кирпич
w: 6
+++ Лес и пиломатериалы | Timber and lumber
u: Пиломатериалы
w: 7
++ Ремонт и отделка | Repair and finishing
u: Ремонт квартир
w: 10
+ Торговля | Trade
++ Продукты питания | Groceries
u: Супермаркеты
w: 8
++ Товары для дома | Home goods
+++ Мебель | Furniture
u: Мебель
w: 6
+++ Хозтовары и инструмент | Household goods and tools
u: Хозяйственные товары
w: 6
+ Отдых над Неманом | Holidays on the Neman
c: #00796b #ffcc80
++ Где остановиться | Where to stay
+++ Гостиницы | Hotels
u: Гостиницы
w: 5
+++ Агроусадьбы | Farmsteads
u: Агроусадьбы
w: 12
++ Экскурсии и туры | Excursions and tours
u: Экскурсии
w: 5
+ Здоровье | Health
++ Стоматологии | Dental clinics
u: Стоматология
w: 6
++ Аптеки | Pharmacies
u: Аптеки
w: 7
+ Кафе и рестораны | Cafes and restaurants
++ Кухня | Cuisine
+++ Белорусская кухня | Belarusian cuisine
u: Белорусская кухня
w: 6
+++ Кафе и пиццерии | Cafes and pizzerias
u: Кафе
w: 8
)TOPICS";

}  // namespace makecatalog::demo
