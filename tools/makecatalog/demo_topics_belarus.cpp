// Topic tree of the main demo catalog (format: demo_topics.h).
#include "demo_topics.h"

namespace makecatalog::demo {

const char* const BelarusTopicsText = R"TOPICS(
+ Медицина | Medicine
c: #0f7c8c #6fd3c4
i: cross
f: ООО 6; ЧУП 3; ЧТУП 1; ИП 1
h: Пн-Пт 8:00-20:00, Сб 9:00-15:00 | Mon-Fri 8:00-20:00, Sat 9:00-15:00
h: Пн-Пт 8:00-21:00, Сб-Вс 9:00-17:00 | Mon-Fri 8:00-21:00, Sat-Sun 9:00-17:00
h: Пн-Сб 9:00-19:00 | Mon-Sat 9:00-19:00
d: Приём по предварительной записи, в том числе онлайн. | Appointments by prior arrangement, also online.
d: Работаем по договорам с ведущими страховыми компаниями. | We work with the leading insurance companies.
d: Врачи высшей и первой квалификационной категории. | Doctors of the highest and first qualification categories.
k: медицина | medicine; здоровье | health; врач | doctor
r: Мед; Вита; Здрав; Био; Нова; Дента; Эко | мед; вита; лайн; плюс; сервис; центр; лекс
b: Медея; Эскулап; Авиценна; Гиппократ; Здравица; Санитас; Парацельс; Доктор Профи; Аксон; Виталия; Инмедика
++ Медицинские центры | Medical centres
+++ Стоматология | Dentistry
i: tooth
w: 14
a: Терапевтическая стоматология | Therapeutic dentistry; Протезирование зубов | Dental prosthetics; Имплантация зубов | Dental implants; Отбеливание зубов | Teeth whitening; Исправление прикуса, брекеты | Orthodontics, braces; Профессиональная гигиена полости рта | Professional oral hygiene
k: стоматология | dentistry; зубы | teeth; имплантация | implants; протезирование | prosthetics; брекеты | braces; отбеливание | whitening
b: Дентал; Улыбка; Жемчужина; Белая улыбка; Смайл; Дентамед; Стомалюкс; Эмаль; Дента-Вита; Smart Dent; Жемчуг; Мята
d: Современное оборудование и безболезненное лечение. | Modern equipment and painless treatment.
d: Гарантия на все виды работ до {n:2-10} лет. | A guarantee of up to {n:2-10} years on all work.
++++ Детская стоматология | Paediatric dentistry
w: 4
a: Лечение молочных зубов | Treatment of milk teeth; Детская ортодонтия | Paediatric orthodontics; Герметизация фиссур | Fissure sealing; Лечение под седацией | Treatment under sedation
k: детская | children; стоматология | dentistry; ортодонтия | orthodontics; зубы | teeth
b: Зубная фея; Зайка; Смешарик; Улыбашка; Кроха; Дентик
+++ Многопрофильные клиники | Multidisciplinary clinics
w: 12
a: Консультации врачей-специалистов | Specialist consultations; Гинекология | Gynaecology; Урология | Urology; Кардиология | Cardiology; Неврология | Neurology; Лабораторная диагностика | Laboratory tests; Медицинские осмотры | Medical check-ups
k: клиника | clinic; гинеколог | gynaecologist; кардиолог | cardiologist; анализы | tests; медосмотр | check-up
b: Медгарант; Семейный доктор; Нордика; Медпрактика; Сантэ; Медсоюз; Медлайн-Плюс; Мерси; Новамед
p: *
p: {f} "Медицинский центр {b}" | {B} Medical Centre {F}
+++ Диагностические центры | Diagnostic centres
w: 8
a: Магнитно-резонансная томография | Magnetic resonance imaging; Компьютерная томография | Computed tomography; Ультразвуковая диагностика | Ultrasound diagnostics; Рентгенография | X-ray imaging; Лабораторные анализы | Laboratory tests
k: мрт | mri; кт | ct; узи | ultrasound; диагностика | diagnostics; анализы | tests
b: Диалаб; Лабдиагностика; Диагност; Томограф; Медскрин; Медскан; Эксперт; Топ-Лаб
p: *
p: {f} "Диагностический центр {b}" | {B} Diagnostic Centre {F}
+++ Косметология | Cosmetology
i: drop
w: 8
a: Аппаратная косметология | Hardware cosmetology; Инъекционная косметология | Injection cosmetology; Лазерная эпиляция | Laser hair removal; Уход за кожей лица | Facial skin care; Массаж | Massage
k: косметология | cosmetology; эпиляция | epilation; массаж | massage; пилинг | peeling; кожа | skin
b: Эстетика; Шарм; Лаура; Бьюти Лаб; Сияние; Нефертити; Клеопатра; Оливия; Грация
++ Аптеки и оптика | Pharmacies and optics
+++ Аптеки | Pharmacies
i: cross
w: 14
a: Розничная торговля лекарственными средствами | Retail sale of medicines; Изготовление лекарств по рецептам | Dispensing of prescription medicines; Медицинские изделия | Medical products; Лечебная косметика | Therapeutic cosmetics; Детское питание | Baby food
k: аптека | pharmacy; лекарства | medicines; рецепт | prescription; витамины | vitamins
b: Аптечка; Панацея; Зелёный крест; Фармация; Доброфарм; Фарма 24; Фармакон; Здоровье; Ваша аптека; Ромашка-Фарм
h: Круглосуточно | 24 hours
h: Ежедневно 8:00-22:00 | Daily 8:00-22:00
p: *
p: *
p: {f} "Аптека {b}" | {B} Pharmacy {F}
+++ Оптика | Optics
i: drop
w: 7
a: Проверка зрения | Eye examination; Изготовление очков | Spectacle making; Контактные линзы | Contact lenses; Солнцезащитные очки | Sunglasses; Ремонт очков | Spectacle repair
k: оптика | optics; очки | glasses; линзы | lenses; зрение | eyesight
b: Оптик-Сити; Линза; Визус; Зоркий глаз; Окуляр; Оптима; Фокус; Призма
p: *
p: {f} "Салон оптики {b}" | {B} Optics {F}
+++ Медицинская техника | Medical equipment
i: gear
w: 6
f: ООО 6; ЧУП 2; ЗАО 1; ОДО 1
h: Пн-Пт 9:00-18:00 | Mon-Fri 9:00-18:00
a: Поставка медицинского оборудования | Supply of medical equipment; Сервисное обслуживание медтехники | Servicing of medical equipment; Расходные материалы | Consumables; Реабилитационное оборудование | Rehabilitation equipment; Лабораторное оборудование | Laboratory equipment
k: медтехника | medtech; оборудование | equipment; расходники | consumables; реабилитация | rehabilitation
b: Медтехника; Медпоставка; Аксимед; Бионика; Медсистемы; Техмед; Рентген-Сервис
++ Учреждения здравоохранения | Public health institutions
f: УЗ 1
h: Пн-Пт 7:00-20:00, Сб 8:00-14:00 | Mon-Fri 7:00-20:00, Sat 8:00-14:00
h: Пн-Пт 8:00-20:00 | Mon-Fri 8:00-20:00
+++ Поликлиники | Outpatient clinics
w: 8
a: Амбулаторный приём | Outpatient appointments; Вакцинация | Vaccination; Диспансеризация | Health screening; Физиотерапия | Physiotherapy; Выдача справок | Medical certificates
k: поликлиника | polyclinic; терапевт | therapist; прививки | vaccination; справка | certificate
p: УЗ "{ca} городская поликлиника №{n}" | {C} City Outpatient Clinic No. {n}, HI
p: УЗ "{ca} городская детская поликлиника №{n}" | {C} City Children's Outpatient Clinic No. {n}, HI
x: f:поликлиника | Outpatient Clinic
+++ Больницы | Hospitals
w: 5
h: Круглосуточно | 24 hours
a: Стационарное лечение | Inpatient treatment; Хирургия | Surgery; Травматология | Traumatology; Реанимация | Intensive care; Родовспоможение | Maternity care
k: больница | hospital; стационар | inpatient; хирургия | surgery; травматология | traumatology
x: f:больница | Hospital
p: УЗ "{ca} городская клиническая больница №{n}" | {C} City Clinical Hospital No. {n}, HI
p: УЗ "{ca} центральная районная больница" | {C} Central District Hospital, HI
p: УЗ "{ca} областная клиническая больница" | {C} Regional Clinical Hospital, HI
++ Ветеринария | Veterinary services
i: leaf
r: Вет; Зоо; Био; Агро | вет; зоо; мед; сервис
f: ООО 5; ЧУП 3; ИП 3
+++ Ветеринарные клиники | Veterinary clinics
w: 7
a: Лечение домашних животных | Treatment of pets; Вакцинация животных | Animal vaccination; Стерилизация | Sterilisation; Груминг | Grooming; Ветеринарная аптека | Veterinary pharmacy
k: ветеринар | vet; животные | animals; прививки | vaccination; груминг | grooming
b: Айболит; Доктор Вет; Ветмастер; Зоовет; Лапа; Друг; Хвостик; Ветпомощь
h: Круглосуточно | 24 hours
h: Ежедневно 9:00-21:00 | Daily 9:00-21:00
+++ Зоотовары | Pet supplies
i: leaf
w: 5
a: Корма для животных | Pet food; Аксессуары для животных | Pet accessories; Аквариумы | Aquariums; Товары для птиц | Bird supplies
k: зоотовары | pet; корм | food; аквариум | aquarium; кошки | cats; собаки | dogs
b: Зоомир; Зоомагазин; Кот и пёс; Четыре лапы; Зоосад; Питомец; Мурка

+ Строительство | Construction
c: #b5502a #f2b14b
i: house
f: ООО 8; ЧУП 3; ЧСУП 1; ОДО 1; ОАО 1; ИП 2
h: Пн-Пт 8:00-17:00 | Mon-Fri 8:00-17:00
h: Пн-Пт 8:30-17:30, обед 12:30-13:15 | Mon-Fri 8:30-17:30, lunch 12:30-13:15
h: Пн-Пт 9:00-18:00, Сб 9:00-14:00 | Mon-Fri 9:00-18:00, Sat 9:00-14:00
d: Работаем с юридическими и физическими лицами. | We serve businesses and private customers.
d: Доставка собственным транспортом по всей Беларуси. | Delivery by our own vehicles throughout Belarus.
d: Собственный склад площадью {n:3-40}00 кв. м. | Our own warehouse of {n:3-40}00 sq. m.
k: строительство | construction; стройка | building
r: Строй; Бел; Евро; Дом; Мастер; Гранд; Тех; Стандарт; Термо; Кров | строй; дом; мастер; комплект; снаб; сервис; профи; монтаж; строймаш; торг
b: Стройдеталь; Монолит; Фундамент; Кирпичный двор; Зодчий; Прораб; Стройка; Каменщик; Новострой; Бригадир; Архитектон; Квадратный метр
++ Строительные материалы | Building materials
+++ Кирпич | Bricks
i: brick
w: 8
a: Кирпич керамический | Ceramic bricks; Кирпич силикатный | Sand-lime bricks; Облицовочный кирпич | Facing bricks; Клинкерная плитка | Clinker tiles; Газосиликатные блоки | Aerated concrete blocks
k: кирпич | bricks; блоки | blocks; клинкер | clinker; кладка | masonry
x: m:кирпичный завод | Brick Works; m:комбинат строительных материалов | Building Materials Plant; m:завод силикатных изделий | Sand-Lime Products Plant
p: *
p: *
p: ОАО "{ca} {x}" | {C} {X} OJSC
s: Цемент и сухие смеси
+++ Цемент и сухие смеси | Cement and dry mixes
i: brick
w: 7
a: Цемент | Cement; Сухие строительные смеси | Dry building mixes; Штукатурки | Plasters; Плиточный клей | Tile adhesive; Бетон и раствор | Concrete and mortar
k: цемент | cement; смеси | mixes; штукатурка | plaster; бетон | concrete; клей | adhesive
b: Цемстрой; Ремикс; Бетонит; Тайфун; Смесьстрой; Ставр
s: Кирпич; Лакокрасочные материалы
+++ Пиломатериалы | Timber
i: leaf
w: 7
a: Обрезная доска | Edged boards; Брус | Timber beams; Вагонка | Clapboard; Погонажные изделия | Mouldings; Сушка древесины | Timber drying
k: доска | boards; брус | beams; вагонка | clapboard; древесина | wood; пиломатериалы | timber
b: Лесобаза; Сосновый бор; Лесоторг; Древмаркет; Брусок; Полесье-Лес; Дубрава
+++ Кровля | Roofing
i: house
w: 6
a: Металлочерепица | Metal roof tiles; Профнастил | Profiled sheeting; Мягкая кровля | Soft roofing; Водосточные системы | Gutter systems; Монтаж кровли | Roof installation
k: кровля | roofing; металлочерепица | tiles; профнастил | sheeting; водосток | gutters
b: Кровля-Профи; Крыша; Кровельщик; Металлпрофиль; Черепица; Кровмаркет
+++ Лакокрасочные материалы | Paints and varnishes
i: drop
w: 6
a: Краски | Paints; Лаки | Varnishes; Грунтовки | Primers; Колеровка | Tinting; Антисептики для древесины | Wood preservatives
k: краска | paint; лак | varnish; грунтовка | primer; колеровка | tinting
b: Палитра; Колор; Радуга; Маляр; Лазурь; Акварель; Колорит
++ Строительные работы | Construction works
+++ Жилищное строительство | Housing construction
w: 9
f: ООО 5; ОАО 2; ЧСУП 2; ЗАО 1
a: Строительство жилых домов | Construction of residential buildings; Коттеджи под ключ | Turnkey cottages; Монолитное строительство | Monolithic construction; Генеральный подряд | General contracting; Реконструкция зданий | Reconstruction of buildings
k: коттедж | cottage; дом | house; подряд | contracting; строительство | construction
x: m:домостроительный комбинат | House-Building Plant; m:строительный трест №{n} | Construction Trust No. {n}
p: *
p: *
p: ОАО "{ca} {x}" | {C} {X} OJSC
+++ Ремонт квартир | Apartment renovation
i: tools
w: 12
f: ООО 4; ЧУП 2; ИП 4
a: Ремонт квартир под ключ | Turnkey apartment renovation; Отделочные работы | Finishing works; Укладка плитки | Tiling; Натяжные потолки | Stretch ceilings; Дизайн интерьера | Interior design; Сантехнические работы | Plumbing works
k: ремонт | renovation; отделка | finishing; плитка | tiles; потолки | ceilings; дизайн | design
b: Мастер на все руки; Ремонт-Экспресс; Уютный дом; Новый интерьер; Ремстрой; Домашний мастер; Хороший ремонт; Евроремонт
s: Лакокрасочные материалы
+++ Дорожное строительство | Road construction
i: truck
w: 4
f: ООО 3; ОАО 3; КУП 2
a: Строительство автомобильных дорог | Road building; Асфальтирование | Asphalt paving; Укладка тротуарной плитки | Paving stone laying; Благоустройство территорий | Landscaping
k: дороги | roads; асфальт | asphalt; плитка | paving; благоустройство | landscaping
x: m:дорожно-строительный трест №{n} | Road Construction Trust No. {n}
p: *
p: ОАО "{x}" | {X} OJSC
p: ДРСУ №{n} | Road Construction Department No. {n}
++ Инженерные системы | Building services
i: tools
+++ Отопление и водоснабжение | Heating and plumbing
w: 8
a: Монтаж систем отопления | Installation of heating systems; Котлы и котельное оборудование | Boilers; Водоснабжение и канализация | Water supply and sewerage; Тёплые полы | Underfloor heating; Бурение скважин | Well drilling
k: отопление | heating; котлы | boilers; сантехника | plumbing; скважины | wells; водоснабжение | water
b: Теплодом; Аквасервис; Термолюкс; Тепломир; Сантехпром; Акватерм; Котломаркет
+++ Электромонтаж | Electrical installation
i: bolt
w: 7
f: ООО 4; ЧУП 2; ИП 3
a: Электромонтажные работы | Electrical installation works; Электротехническая продукция | Electrical products; Освещение | Lighting; Электроизмерения | Electrical testing; Видеонаблюдение | CCTV
k: электрик | electrician; электромонтаж | wiring; освещение | lighting; кабель | cable
b: Электрон; Вольт; Ампер; Электросвет; Энергомонтаж; Фаза; Свет-Сервис
+++ Вентиляция и кондиционирование | Ventilation and air conditioning
i: wave
w: 5
a: Кондиционеры | Air conditioners; Системы вентиляции | Ventilation systems; Сервисное обслуживание климатической техники | Servicing of climate equipment; Тепловые насосы | Heat pumps
k: кондиционеры | conditioners; вентиляция | ventilation; климат | climate; насосы | pumps
b: Климат-Профи; Бриз; Арктика; Северный ветер; Вентсистемы; Климатех
++ Проектирование | Design and engineering
+++ Архитектурные бюро | Architectural firms
i: house
w: 5
f: ООО 5; ЧУП 2; ОАО 1; ИП 1
a: Архитектурное проектирование | Architectural design; Проектирование жилых и общественных зданий | Design of residential and public buildings; Ландшафтный дизайн | Landscape design; Технический надзор | Technical supervision
k: проект | project; архитектор | architect; проектирование | design; надзор | supervision
x: m:проектный институт | Design Institute
p: *
p: *
p: ОАО "{ca} {x}" | {C} {X} OJSC
b: Архпроект; Модуль; Контур; Перспектива; Линия; Чертёж; Проектстрой
+++ Геодезия | Surveying
i: star
w: 4
a: Топографическая съёмка | Topographic survey; Кадастровые работы | Cadastral works; Вынос границ участка | Plot boundary marking; Геодезическое сопровождение строительства | Construction surveying
k: геодезия | surveying; съёмка | survey; кадастр | cadastre; участок | plot
b: Геоплан; Геоцентр; Азимут; Теодолит; Меридиан; Геосервис

+ Транспорт | Transport
c: #1d4e89 #55a3e8
i: truck
f: ООО 7; ЧТУП 3; ЧУП 2; ИП 3; ОДО 1
h: Пн-Пт 8:00-18:00 | Mon-Fri 8:00-18:00
h: Круглосуточно | 24 hours
h: Пн-Пт 9:00-18:00, Сб 9:00-14:00 | Mon-Fri 9:00-18:00, Sat 9:00-14:00
d: Собственный автопарк из {n:12-150} единиц техники. | Our own fleet of {n:12-150} vehicles.
k: транспорт | transport; перевозки | transportation
r: Транс; Авто; Логи; Евро; Бел; Карго; Экспресс | транс; лайн; экспресс; логистик; карго; тревел
b: Магистраль; Автобан; Дальнобой; Скорость; Меркурий; Вояж; Путь; Колесо; Маршрут
++ Грузоперевозки | Freight
+++ Международные перевозки | International haulage
w: 8
a: Международные автоперевозки | International road haulage; Перевозка сборных грузов | Groupage transport; Рефрижераторные перевозки | Refrigerated transport; Таможенное оформление | Customs clearance
k: перевозки | haulage; грузы | cargo; рефрижератор | reefer; таможня | customs; фура | truck
s: Экспедирование; Складские услуги
+++ Экспедирование | Freight forwarding
w: 6
a: Транспортно-экспедиционные услуги | Freight forwarding services; Мультимодальные перевозки | Multimodal transport; Железнодорожные перевозки | Rail freight; Страхование грузов | Cargo insurance
k: экспедирование | forwarding; логистика | logistics; железная | rail; груз | cargo
s: Международные перевозки
+++ Складские услуги | Warehousing
w: 5
a: Ответственное хранение | Custodial storage; Складская логистика | Warehouse logistics; Аренда складов | Warehouse rental; Терминальная обработка грузов | Cargo handling
k: склад | warehouse; хранение | storage; логистика | logistics; аренда | rental
b: Терминал; Логистический центр; Склад-Сервис; Грузовой двор
++ Пассажирские перевозки | Passenger transport
+++ Такси | Taxi
i: car
w: 6
h: Круглосуточно | 24 hours
a: Пассажирские перевозки такси | Taxi services; Заказ такси онлайн | Online taxi booking; Трансфер в аэропорт | Airport transfers; Грузовое такси | Cargo taxi
k: такси | taxi; трансфер | transfer; аэропорт | airport; поездка | ride
b: Такси 7788; Шашечки; Городское такси; Столичное; Жёлтое такси; Таксик; Пятёрочка; Вокзальное
p: *
p: {f} "Служба такси {b}" | {B} Taxi Service {F}
+++ Автобусные перевозки | Bus services
i: truck
w: 5
a: Междугородние автобусные перевозки | Intercity bus services; Заказные перевозки | Charter transport; Экскурсионные перевозки | Excursion buses; Развозка персонала | Staff transport
k: автобус | bus; перевозки | transport; заказ | charter; маршрутка | minibus
x: m:автобусный парк №{n} | Bus Depot No. {n}
p: *
p: *
p: {f} "{ca} {x}" | {C} {X} {F}
++ Автосервис | Car service
i: car
h: Пн-Пт 8:00-20:00, Сб 9:00-16:00 | Mon-Fri 8:00-20:00, Sat 9:00-16:00
h: Ежедневно 8:00-21:00 | Daily 8:00-21:00
+++ СТО | Car repair shops
w: 12
f: ООО 4; ЧУП 2; ИП 4
a: Ремонт двигателей | Engine repair; Диагностика автомобилей | Car diagnostics; Кузовной ремонт | Body repair; Покраска автомобилей | Car painting; Ремонт ходовой части | Suspension repair; Замена масла | Oil change
k: автосервис | service; ремонт | repair; сто | garage; диагностика | diagnostics; покраска | painting
b: Автодоктор; Мотор; Поршень; Гараж; Автолюкс; Автомастер; Кардан; Техцентр
p: *
p: *
p: {f} "СТО {b}" | {B} Car Service {F}
+++ Шиномонтаж | Tyre fitting
i: wheel
w: 6
f: ООО 2; ИП 4; ЧУП 2
a: Шиномонтаж легковых автомобилей | Car tyre fitting; Балансировка колёс | Wheel balancing; Правка дисков | Rim straightening; Сезонное хранение шин | Seasonal tyre storage
k: шиномонтаж | tyrefitting; шины | tyres; колёса | wheels; балансировка | balancing
b: Шинный центр; Колесо; Протектор; Шинсервис; Резина
+++ Автомойки | Car washes
i: drop
w: 5
f: ООО 2; ИП 4; ЧУП 2
h: Круглосуточно | 24 hours
a: Мойка автомобилей | Car wash; Химчистка салона | Interior cleaning; Полировка кузова | Body polishing; Мойка самообслуживания | Self-service car wash
k: автомойка | carwash; мойка | wash; полировка | polishing; химчистка | cleaning
b: Чистая машина; Аквамарин; Блеск; Пена; Автоспа; Капля
+++ Автозапчасти | Car parts
i: gear
w: 8
a: Запчасти для иномарок | Parts for foreign cars; Автохимия и масла | Car chemicals and oils; Аккумуляторы | Batteries; Автоаксессуары | Car accessories; Запчасти для грузовиков | Truck parts
k: запчасти | parts; масла | oils; аккумуляторы | batteries; автомагазин | shop
b: Автозапчасть; Деталь; Автомаркет; Шестерёнка; Запчастьторг; Автодеталь
++ Продажа автомобилей | Car sales
i: car
+++ Автосалоны | Car dealerships
w: 6
f: ООО 5; СООО 2; ИООО 1; ЗАО 1
h: Ежедневно 9:00-20:00 | Daily 9:00-20:00
a: Продажа новых автомобилей | New car sales; Автомобили с пробегом | Used cars; Трейд-ин | Trade-in; Кредитование и лизинг автомобилей | Car loans and leasing; Гарантийное обслуживание | Warranty service
k: автосалон | dealership; автомобили | cars; трейд-ин | trade-in; кредит | loan
b: Автоцентр; Автограф; Автоимпорт; Моторс; Автохаус; Автомир
s: СТО
+++ Спецтехника | Special vehicles
i: truck
w: 4
a: Продажа спецтехники | Sale of special vehicles; Аренда экскаваторов и погрузчиков | Excavator and loader rental; Запчасти для спецтехники | Parts for special vehicles; Автокраны | Mobile cranes
k: спецтехника | machinery; экскаватор | excavator; погрузчик | loader; кран | crane
b: Техмаш; Спецавто; Механика; Тяжмаш; Погрузчик-Сервис

+ Торговля | Trade
c: #6a3d9a #cab2d6
i: cart
f: ООО 8; ЧТУП 4; ОДО 1; ИП 4
h: Пн-Сб 9:00-20:00, Вс 10:00-18:00 | Mon-Sat 9:00-20:00, Sun 10:00-18:00
h: Ежедневно 8:00-22:00 | Daily 8:00-22:00
h: Пн-Пт 9:00-18:00 | Mon-Fri 9:00-18:00
d: Гибкая система скидок для постоянных клиентов. | Flexible discounts for regular customers.
d: Официальный дилер ведущих производителей. | Official dealer of the leading manufacturers.
d: Товар в наличии и под заказ. | Goods in stock and to order.
k: магазин | shop; торговля | trade
r: Торг; Маркет; Евро; Бел; Трейд; Опт; Мега; Гипер | торг; маркет; трейд; опт; снаб; импорт; плюс
b: Универсам; Пассаж; Гостиный двор; Торговый дом; Комора; Корзинка; Изобилие; Купец; Выгода
++ Продовольственные товары | Food
+++ Супермаркеты | Supermarkets
w: 8
h: Ежедневно 8:00-23:00 | Daily 8:00-23:00
a: Продовольственные товары | Groceries; Свежая выпечка | Fresh bakery; Фрукты и овощи | Fruit and vegetables; Бытовая химия | Household chemicals; Алкогольные напитки | Alcoholic beverages
k: супермаркет | supermarket; продукты | groceries; магазин | shop; выпечка | bakery
b: Грошык; Домовёнок; Сусед; Домашний; Вкусный; Хатка; Угловой; Продмаг
p: *
p: {f} "Супермаркет {b}" | {B} Supermarket {F}
+++ Оптовая торговля продуктами | Food wholesale
w: 6
h: Пн-Пт 8:00-17:00 | Mon-Fri 8:00-17:00
a: Оптовые поставки продуктов питания | Wholesale food supply; Бакалея | Dry groceries; Замороженные продукты | Frozen foods; Консервация | Canned foods; Снабжение кафе и ресторанов | Supplies for cafes and restaurants
k: опт | wholesale; продукты | food; бакалея | groceries; поставки | supply
b: Продсклад; Бакалейщик; Провиант; Продторг; Запас
+++ Напитки | Beverages
i: cup
w: 5
a: Минеральная вода | Mineral water; Соки и нектары | Juices and nectars; Вина и крепкие напитки | Wines and spirits; Пиво и квас | Beer and kvass; Чай и кофе | Tea and coffee
k: напитки | beverages; вода | water; соки | juices; вино | wine; чай | tea
b: Родничок; Родник; Аквапоставка; Напиток; Винотека; Бочонок
++ Непродовольственные товары | Non-food
+++ Бытовая техника | Household appliances
i: bolt
w: 8
a: Крупная бытовая техника | Large household appliances; Телевизоры и аудиотехника | TVs and audio equipment; Мелкая бытовая техника | Small appliances; Встраиваемая техника | Built-in appliances; Ремонт бытовой техники | Appliance repair
k: техника | appliances; холодильники | fridges; телевизоры | tv; стиральные | washers
b: Электромир; Техносфера; Мир техники; Шестой элемент; Электроника; Технодом; Бытовик
+++ Мебель | Furniture
i: house
w: 9
a: Корпусная мебель | Cabinet furniture; Мягкая мебель | Upholstered furniture; Кухни на заказ | Fitted kitchens; Шкафы-купе | Sliding wardrobes; Офисная мебель | Office furniture; Матрасы | Mattresses
k: мебель | furniture; кухни | kitchens; шкафы | wardrobes; диваны | sofas; матрасы | mattresses
b: Мебельград; Уют; Диван-Сити; Мебель-Холл; Кухни Плюс; Комфорт; Стиль; Мебельторг; Орех
s: Мебельные фабрики
+++ Одежда и обувь | Clothing and footwear
i: star
w: 9
a: Женская одежда | Women's clothing; Мужская одежда | Men's clothing; Детская одежда | Children's clothing; Обувь | Footwear; Кожгалантерея | Leather goods
k: одежда | clothing; обувь | footwear; платья | dresses; костюмы | suits; сумки | bags
b: Модный квартал; Гардероб; Стиль-Мода; Каприз; Элегант; Мила-Стиль; Бренд-Бутик; Модница; Шарм
+++ Хозяйственные товары | Household goods
i: tools
w: 6
a: Хозяйственные товары | Household goods; Инструмент | Tools; Садовый инвентарь | Garden tools; Посуда | Tableware; Крепёж | Fasteners
k: хозтовары | household; инструмент | tools; посуда | tableware; сад | garden
b: Хозяин; Всё для дома; Домовой; Мастерок; Хозмаркет; Усадьба
++ Цветы и подарки | Flowers and gifts
i: leaf
+++ Цветочные салоны | Flower shops
w: 6
h: Ежедневно 8:00-21:00 | Daily 8:00-21:00
h: Круглосуточно | 24 hours
a: Букеты и композиции | Bouquets and arrangements; Доставка цветов | Flower delivery; Оформление свадеб | Wedding decoration; Комнатные растения | Houseplants
k: цветы | flowers; букеты | bouquets; доставка | delivery; розы | roses
b: Флора; Орхидея; Тюльпан; Флористика; Букет; Ромашка; Лаванда; Камелия; Пралеска
+++ Сувениры | Souvenirs
i: star
w: 4
a: Сувенирная продукция | Souvenirs; Изделия народных промыслов | Folk crafts; Бизнес-подарки | Corporate gifts; Нанесение логотипов | Logo printing
k: сувениры | souvenirs; подарки | gifts; ремёсла | crafts; логотип | logo
b: Сувенир-Арт; Подарок; Спадчына; Вышиванка; Рушник; Лялька

+ Образование | Education
c: #2e7d32 #a5d6a7
i: book
f: ООО 4; ЧУП 2; ЧУО 3; ИП 1
h: Пн-Пт 8:00-18:00 | Mon-Fri 8:00-18:00
h: Пн-Сб 9:00-21:00 | Mon-Sat 9:00-21:00
d: Набор в группы круглый год. | Enrolment into groups all year round.
d: Выдаётся документ об образовании установленного образца. | A certificate of the approved form is issued.
k: обучение | education; курсы | courses
r: Интел; Эрудит; Лингво; Профи; Эврика; Нова | лекс; знайка; лингва; скул; класс
b: Эрудит; Интеллект; Академия; Перспектива; Лицей; Грамотей; Совёнок; Альма-Матер; Прогресс
++ Общее образование | General education
f: ГУО 1
h: Пн-Пт 8:00-18:00 | Mon-Fri 8:00-18:00
+++ Школы и гимназии | Schools and gymnasiums
i: cap
w: 10
a: Общее среднее образование | General secondary education; Факультативные занятия | Optional classes; Группа продлённого дня | After-school group; Спортивные секции | Sports clubs
k: школа | school; гимназия | gymnasium; уроки | lessons; ученики | pupils
p: ГУО "Средняя школа №{n} г. {cityg}" | SEI "Secondary School No. {n}, {C}"
p: ГУО "Средняя школа №{n} г. {cityg}" | SEI "Secondary School No. {n}, {C}"
p: ГУО "Гимназия №{n} г. {cityg}" | SEI "Gymnasium No. {n}, {C}"
p: ГУО "{ca} {x}" | SEI "{C} {X}"
x: m:государственный лицей | State Lyceum; f:гимназия-колледж искусств | Gymnasium-College of Arts
+++ Детские сады | Kindergartens
i: star
w: 8
h: Пн-Пт 7:00-19:00 | Mon-Fri 7:00-19:00
a: Дошкольное образование | Pre-school education; Ясельные группы | Nursery groups; Логопедические занятия | Speech therapy; Развивающие занятия | Early development classes
k: садик | kindergarten; ясли | nursery; дошкольное | preschool; дети | children
p: ГУО "Ясли-сад №{n} г. {cityg}" | SEI "Nursery School No. {n}, {C}"
p: ГУО "Детский сад №{n} г. {cityg}" | SEI "Kindergarten No. {n}, {C}"
p: ЧУО "Детский сад {b}" | PEI "Kindergarten {B}"
b: Солнышко; Теремок; Радуга; Колокольчик; Непоседы; Карапуз; Сказка; Буратино
++ Профессиональное образование | Vocational education
f: УО 1
+++ Колледжи | Colleges
i: cap
w: 6
a: Среднее специальное образование | Specialised secondary education; Подготовка рабочих профессий | Vocational training; Заочное обучение | Distance learning; Повышение квалификации | Advanced training
k: колледж | college; специальность | speciality; обучение | training; студенты | students
x: m:государственный политехнический колледж | State Polytechnic College; m:государственный строительный колледж | State Construction College; m:государственный торгово-экономический колледж | State College of Trade and Economics; m:государственный медицинский колледж | State Medical College; m:государственный колледж электроники | State College of Electronics; m:государственный аграрный колледж | State Agricultural College
p: УО "{ca} {x}" | EI "{C} {X}"
+++ Университеты | Universities
i: cap
w: 4
a: Высшее образование | Higher education; Магистратура и аспирантура | Master's and postgraduate studies; Научные исследования | Research; Подготовительные курсы | Preparatory courses
k: университет | university; институт | institute; абитуриент | applicant; студенты | students
x: m:государственный университет | State University; m:государственный технический университет | State Technical University; m:государственный аграрный университет | State Agrarian University; m:государственный медицинский университет | State Medical University; m:институт бизнеса | Institute of Business
p: УО "{ca} {x}" | EI "{C} {X}"
++ Дополнительное образование | Supplementary education
+++ Языковые курсы | Language courses
i: book
w: 8
a: Английский язык | English; Немецкий язык | German; Китайский язык | Chinese; Подготовка к международным экзаменам | Preparation for international exams; Корпоративное обучение языкам | Corporate language training
k: английский | english; языки | languages; курсы | courses; ielts | ielts; немецкий | german
b: Лингва; Оксфорд-Центр; Полиглот; Лингвист; Speak Up; English House; Бабилон; Глобус
p: *
p: {f} "Центр иностранных языков {b}" | {B} Language Centre {F}
+++ Автошколы | Driving schools
i: car
w: 6
a: Подготовка водителей категории B | Category B driver training; Подготовка водителей категорий C и D | Category C and D driver training; Восстановительные курсы вождения | Refresher driving courses; Обучение на автомате | Automatic car training
k: автошкола | school; вождение | driving; права | licence; инструктор | instructor
b: Авторитет; Зелёный свет; Светофор; Автокурс; Рулевой; Шофёр
p: *
p: {f} "Автошкола {b}" | {B} Driving School {F}
+++ Учебные центры | Training centres
i: book
w: 6
a: Бухгалтерские курсы | Accounting courses; Компьютерные курсы | Computer courses; Курсы программирования | Programming courses; Бизнес-тренинги | Business training; Курсы парикмахеров и визажистов | Hairdressing and make-up courses
k: курсы | courses; тренинг | training; программирование | programming; бухгалтер | accountant
b: Профобучение; Навык; Профи; Учебный центр; Мастер-класс; Карьера; Скилл
+++ Музыкальные и художественные школы | Music and art schools
i: star
w: 4
f: ГУО 2; ЧУО 1; ООО 1
a: Обучение игре на фортепиано | Piano lessons; Вокал | Singing; Изобразительное искусство | Fine arts; Хореография | Choreography; Гитара | Guitar
k: музыка | music; рисование | drawing; вокал | singing; танцы | dance; искусство | arts
p: ГУО "Детская школа искусств №{n} г. {cityg}" | SEI "Children's Art School No. {n}, {C}"
p: ЧУО "Студия {b}" | PEI "{B} Studio"
b: Камертон; Вдохновение; Скрипичный ключ; Палитра; Арт-Студия; Ноты

+ Туризм и отдых | Tourism and leisure
c: #00838f #ffb74d
i: sun
f: ООО 6; ЧУП 2; ЧТУП 2; ИП 2
h: Пн-Пт 10:00-19:00, Сб 11:00-16:00 | Mon-Fri 10:00-19:00, Sat 11:00-16:00
h: Ежедневно 9:00-21:00 | Daily 9:00-21:00
d: Бронирование по телефону и на сайте. | Booking by phone and on our website.
d: Скидки для групп от {n:8-20} человек. | Discounts for groups of {n:8-20} people or more.
k: отдых | leisure; туризм | tourism
r: Тур; Вояж; Трэвел; Отпуск; Горизонт | тур; трэвел; вояж; отдых
b: Беловежье; Нарочь; Браслав; Свитязь; Полесье; Неман; Березина; Припять; Навигатор; Пилигрим; Компас
++ Размещение | Accommodation
i: house
+++ Гостиницы | Hotels
w: 8
h: Круглосуточно | 24 hours
a: Гостиничные услуги | Hotel services; Конференц-залы | Conference rooms; Ресторан при гостинице | Hotel restaurant; Сауна | Sauna; Бронирование номеров | Room booking
k: гостиница | hotel; отель | accommodation; номер | room; бронирование | booking
b: Турист; Планета; Юбилейная; Виктория; Европа; Гарни; Орбита; Спутник; Веста
p: *
p: {f} "Гостиница {b}" | {B} Hotel {F}
p: {f} "Отель {b}" | {B} Hotel {F}
+++ Агроусадьбы | Farmsteads
i: leaf
w: 8
f: ИП 5; КФХ 2; ООО 1
h: Ежедневно, по предварительной договорённости | Daily, by prior arrangement
a: Агроэкотуризм | Agritourism; Баня на дровах | Wood-fired sauna; Рыбалка | Fishing; Проведение праздников | Celebrations; Конные прогулки | Horse riding
k: агроусадьба | farmstead; баня | sauna; рыбалка | fishing; деревня | village; озеро | lake
b: Лесная сказка; Хуторок; Заповедный край; У озера; Зубрёнок; Сосны; Дедов двор; Медвежий угол
p: Агроусадьба "{b}" | {B} Farmstead
p: *
+++ Санатории | Sanatoriums
i: sun
w: 5
f: ОАО 2; УП 3; ЧУП 1; ООО 1
h: Круглосуточно | 24 hours
a: Санаторно-курортное лечение | Spa treatment; Оздоровление детей | Children's health holidays; Минеральные ванны | Mineral baths; Лечебный массаж | Therapeutic massage
k: санаторий | sanatorium; оздоровление | recovery; лечение | treatment; путёвки | vouchers
p: {f} "Санаторий {b}" | Sanatorium {B}, {F}
p: {f} "Детский реабилитационно-оздоровительный центр {b}" | {B} Children's Rehabilitation Centre, {F}
b: Лесная поляна; Серебряный ключ; Берёзка; Озёрный; Зелёный гай; Радуга; Сосновый бор; Журавушка
++ Туристические услуги | Travel services
i: sun
+++ Туристические агентства | Travel agencies
w: 10
a: Пляжный отдых | Beach holidays; Автобусные туры по Европе | Bus tours of Europe; Горнолыжные туры | Ski tours; Оформление виз | Visa services; Авиабилеты | Air tickets
k: туры | tours; путёвки | trips; визы | visas; авиабилеты | tickets; отдых | holidays
b: Топ-Тур; Чемодан; Калейдоскоп; Атлантида; Пальмира; Глобус; Розовый слон; Пегас
+++ Экскурсии | Excursions
w: 4
a: Экскурсии по Беларуси | Tours of Belarus; Замки и усадьбы | Castles and estates; Школьные экскурсии | School trips; Индивидуальные экскурсии | Private tours
k: экскурсии | excursions; замки | castles; гид | guide; музей | museum
b: Замки Беларуси; Замковый край; Экскурсовод; Спадчына-Тур; Старый город
++ Спорт и досуг | Sports and leisure
i: star
r: Фит; Спорт; Атлет; Аква; Актив | фит; спорт; лайн; клуб; арена
h: Ежедневно 7:00-23:00 | Daily 7:00-23:00
h: Пн-Пт 7:00-22:00, Сб-Вс 9:00-21:00 | Mon-Fri 7:00-22:00, Sat-Sun 9:00-21:00
+++ Фитнес-клубы | Fitness clubs
w: 8
a: Тренажёрный зал | Gym; Групповые программы | Group classes; Персональные тренировки | Personal training; Йога и пилатес | Yoga and Pilates; Единоборства | Martial arts
k: фитнес | fitness; тренажёры | gym; йога | yoga; тренер | trainer
b: Атлетик; Олимп; Спарта; Фитнес-Лайф; Энергия; Чемпион; Форма; Арена
p: *
p: {f} "Фитнес-клуб {b}" | {B} Fitness Club {F}
+++ Бассейны | Swimming pools
i: wave
w: 4
f: ООО 2; КУП 2; УП 1
a: Плавание | Swimming; Аквааэробика | Aqua aerobics; Обучение детей плаванию | Swimming lessons for children; Сауна и хаммам | Sauna and hammam
k: бассейн | pool; плавание | swimming; аквааэробика | aerobics; сауна | sauna
b: Дельфин; Волна; Аквацентр; Нептун; Акватория; Лагуна
+++ Развлекательные центры | Entertainment centres
w: 5
a: Боулинг | Bowling; Бильярд | Billiards; Детские праздники | Children's parties; Квесты | Escape rooms; Кинотеатр | Cinema
k: развлечения | entertainment; боулинг | bowling; квест | quest; праздник | party
b: Галактика; Мадагаскар; Страйк; Квест-Холл; Джунгли; Космос; Фантазия

+ Промышленность | Industry
c: #37474f #90a4ae
i: gear
f: ОАО 6; ООО 5; ЗАО 2; СООО 1; ИООО 1; УП 1
h: Пн-Пт 8:00-16:45 | Mon-Fri 8:00-16:45
h: Пн-Пт 8:00-17:00, обед 12:00-12:45 | Mon-Fri 8:00-17:00, lunch 12:00-12:45
d: Предприятие основано в {year} году. | The company was founded in {year}.
d: Продукция поставляется в {n:5-40} стран мира. | Products are exported to {n:5-40} countries.
d: Система менеджмента качества сертифицирована по СТБ ISO 9001. | The quality management system is certified to STB ISO 9001.
k: производство | manufacturing; завод | plant
++ Машиностроение | Mechanical engineering
r: Бел; Тех; Пром; Маш; Гидро; Энерго | маш; пром; техника; прибор; мех
b: Прибор; Энергомаш; Промтехника; Станкомаш; Гидромаш; Интегра-Сервис; Механика
+++ Станкостроение | Machine tools
w: 5
a: Металлорежущие станки | Metal-cutting machine tools; Станки с ЧПУ | CNC machines; Инструментальная оснастка | Tooling; Модернизация оборудования | Equipment upgrades
k: станки | tools; чпу | cnc; оснастка | tooling; оборудование | equipment
x: m:станкостроительный завод | Machine Tool Plant; m:завод точных станков | Precision Machine Tool Plant; m:инструментальный завод | Tool Plant
p: ОАО "{ca} {x}" | {C} {X} OJSC
p: *
+++ Сельхозмашиностроение | Agricultural machinery
w: 5
a: Почвообрабатывающая техника | Tillage equipment; Кормоуборочная техника | Forage harvesting equipment; Прицепы и полуприцепы | Trailers and semi-trailers; Запасные части | Spare parts
k: сельхозтехника | machinery; прицепы | trailers; запчасти | parts; комбайны | harvesters
x: m:завод сельскохозяйственного машиностроения | Agricultural Machinery Plant; m:механический завод | Mechanical Plant; m:ремонтный завод | Repair Plant
p: ОАО "{ca} {x}" | {C} {X} OJSC
p: *
s: Сельхозтехника
+++ Автомобильная техника | Automotive
i: truck
w: 4
a: Автомобильные компоненты | Automotive components; Кузова и надстройки | Bodies and superstructures; Автобусы | Buses; Коммунальная техника | Municipal vehicles
k: автокомпоненты | components; кузова | bodies; автобусы | buses; техника | vehicles
x: m:завод автомобильных агрегатов | Automotive Units Plant; m:завод специальных машин | Special Vehicles Plant; m:автоагрегатный завод | Auto Parts Plant
p: ОАО "{ca} {x}" | {C} {X} OJSC
p: *
++ Химическая промышленность | Chemicals
i: flask
r: Хим; Поли; Пласт; Эко; Био | хим; пласт; полимер; синтез
+++ Пластмассы | Plastics
w: 5
a: Полиэтиленовые трубы | Polyethylene pipes; Упаковка из полимеров | Polymer packaging; Плёнка | Film; Литьё пластмасс под давлением | Plastic injection moulding
k: пластик | plastic; трубы | pipes; упаковка | packaging; плёнка | film
b: Полимер; Пластимекс; Пласткомплект; Полипак; Экопласт; Пласттех
x: m:завод пластмассовых изделий | Plastic Products Plant
p: *
p: *
p: ОАО "{ca} {x}" | {C} {X} OJSC
+++ Удобрения | Fertilisers
w: 3
a: Азотные удобрения | Nitrogen fertilisers; Комплексные удобрения | Compound fertilisers; Средства защиты растений | Crop protection products; Агрохимическое обслуживание | Agrochemical services
k: удобрения | fertilisers; агрохимия | agrochemicals; азот | nitrogen; урожай | harvest
b: Агрохим; Химпром; Азот-Сервис; Фосфор; Агросинтез
s: Семена и удобрения
+++ Бытовая химия | Household chemicals
w: 4
a: Моющие средства | Detergents; Средства для уборки | Cleaning products; Косметика и гигиена | Cosmetics and hygiene; Профессиональная химия | Professional chemicals
k: химия | chemicals; моющие | detergents; уборка | cleaning; косметика | cosmetics
b: Чистюля; Белизна; Свежесть; Химбыт; Клинекс; Пена
++ Лёгкая промышленность | Light industry
i: star
r: Текс; Мода; Лён; Стиль; Бел | текс; мода; стиль; трикотаж
+++ Текстиль | Textiles
w: 4
a: Льняные ткани | Linen fabrics; Трикотажное полотно | Knitted fabrics; Домашний текстиль | Home textiles; Пряжа | Yarn
k: ткани | fabrics; лён | linen; трикотаж | knitwear; текстиль | textiles
x: m:льнокомбинат | Linen Mill; m:камвольный комбинат | Worsted Mill; f:ткацкая фабрика | Weaving Mill
p: ОАО "{ca} {x}" | {C} {X} OJSC
p: *
+++ Швейные фабрики | Garment factories
w: 5
a: Пошив верхней одежды | Outerwear manufacturing; Спецодежда | Workwear; Школьная форма | School uniforms; Пошив по индивидуальным заказам | Custom tailoring
k: пошив | sewing; спецодежда | workwear; форма | uniforms; одежда | clothing
x: f:швейная фабрика | Garment Factory; f:фабрика верхней одежды | Outerwear Factory
p: ОАО "{ca} {x}" | {C} {X} OJSC
p: *
p: *
b: Элегия; Комфорт-Текс; Швейник; Славянка; Модерн; Белтекс
+++ Обувные фабрики | Footwear factories
w: 3
a: Мужская и женская обувь | Men's and women's footwear; Детская обувь | Children's footwear; Рабочая обувь | Work footwear; Кожевенное производство | Leather production
k: обувь | footwear; кожа | leather; ботинки | boots; туфли | shoes
x: f:обувная фабрика | Footwear Factory
p: ОАО "{ca} {x}" | {C} {X} OJSC
p: *
b: Сапожок; Мастер-Стиль; Лидер; Обувьпром; Вест-Мастер
++ Деревообработка | Woodworking
i: leaf
r: Древ; Лес; Дуб; Сосна; Бор | древ; лес; мебель; дом
+++ Мебельные фабрики | Furniture factories
w: 5
a: Производство корпусной мебели | Cabinet furniture manufacturing; Мебель из массива | Solid wood furniture; Мебель для гостиниц | Hotel furniture; Мебельные фасады | Furniture fronts
k: мебель | furniture; массив | wood; фабрика | factory; фасады | fronts
x: f:мебельная фабрика | Furniture Factory; m:мебельный комбинат | Furniture Works
p: ОАО "{ca} {x}" | {C} {X} OJSC
p: *
p: *
b: Древо; Мебель-Стиль; Бобр; Ясень; Мебелайн; Дуб-Мастер
s: Мебель
+++ Деревянные дома | Wooden houses
w: 4
a: Дома из бруса | Timber-beam houses; Срубы | Log cabins; Каркасные дома | Frame houses; Бани под ключ | Turnkey saunas
k: срубы | logs; дома | houses; бани | saunas; брус | beams
b: Сруб-Мастер; Терем; Изба; Бревно; Деревянный дом; Хата
++ Пищевая промышленность | Food industry
i: wheat
r: Агро; Прод; Вкус; Эко; Бел; Нива | продукт; пром; вкус; фуд; мол
b: Вкусное детство; Родные просторы; Белая Русь; Смак; Добрыня; Бабушкин рецепт; Деревенское
d: Продукция без консервантов по ГОСТ и СТБ. | Products without preservatives to GOST and STB standards.
+++ Молочная продукция | Dairy
i: drop
w: 5
a: Молоко и кисломолочная продукция | Milk and fermented milk products; Сыры | Cheeses; Масло сливочное | Butter; Мороженое | Ice cream
k: молоко | milk; сыр | cheese; кефир | kefir; масло | butter; творог | cottage
x: m:молочный комбинат | Dairy Plant; m:молочный завод | Dairy; m:маслодельно-сыродельный завод | Butter and Cheese Plant; m:гормолзавод | City Dairy
p: ОАО "{ca} {x}" | {C} {X} OJSC
p: ОАО "{ca} {x}" | {C} {X} OJSC
p: *
+++ Мясная продукция | Meat products
w: 5
a: Колбасные изделия | Sausages; Мясные полуфабрикаты | Semi-finished meat products; Копчёности | Smoked meats; Мясо птицы | Poultry meat
k: мясо | meat; колбасы | sausages; полуфабрикаты | convenience; копчёности | smoked
x: m:мясокомбинат | Meat Plant; m:мясоперерабатывающий завод | Meat Processing Plant
p: ОАО "{ca} {x}" | {C} {X} OJSC
p: *
b: Мясной двор; Колбасный цех; Мясная лавка; Агрокомбинат; Деликатес
+++ Хлебозаводы | Bakeries
w: 5
a: Хлеб и хлебобулочные изделия | Bread and buns; Сдобная выпечка | Sweet pastries; Сухари и сушки | Rusks and bagels; Торты на заказ | Cakes to order
k: хлеб | bread; выпечка | bakery; батон | loaf; торты | cakes
x: m:хлебозавод №{n} | Bakery No. {n}; m:хлебокомбинат | Bread Plant
p: ОАО "{ca} {x}" | {C} {X} OJSC
p: *
p: *
b: Каравай; Пекарня; Хлебный дом; Булочная; Калач; Колосок
+++ Кондитерские изделия | Confectionery
w: 4
a: Шоколад и конфеты | Chocolate and sweets; Печенье и вафли | Biscuits and wafers; Пастила и зефир | Pastila and marshmallows; Карамель | Caramels
k: конфеты | sweets; шоколад | chocolate; печенье | biscuits; зефир | marshmallows
x: f:кондитерская фабрика | Confectionery Factory
p: ОАО "{ca} {x}" | {C} {X} OJSC
p: *
b: Сладкий мир; Сластёна; Шоколадка; Вафелька; Пряник; Ласунка
++ Металлообработка | Metalworking
i: gear
r: Мет; Сталь; Лит; Бел; Тех | мет; сталь; лит; маш
+++ Металлоконструкции | Steel structures
w: 5
a: Изготовление металлоконструкций | Steel fabrication; Ангары и быстровозводимые здания | Hangars and prefabricated buildings; Металлообработка на станках с ЧПУ | CNC machining; Лазерная резка металла | Laser metal cutting; Ворота и ограждения | Gates and fences
k: металлоконструкции | steelwork; металл | metal; резка | cutting; ангары | hangars
b: Металлстрой; Стальконструкция; Профсталь; Металлмастер; Сталь-Проект; Кузнец
s: Жилищное строительство
+++ Литьё | Casting
w: 3
a: Литьё чугуна | Iron casting; Литьё алюминия | Aluminium casting; Кованые изделия | Forged products; Механическая обработка отливок | Machining of castings
k: литьё | casting; чугун | iron; алюминий | aluminium; ковка | forging
x: m:литейный завод | Foundry; m:завод литья и нормалей | Casting and Fittings Plant
p: ОАО "{ca} {x}" | {C} {X} OJSC
p: *
b: Литмаш; Кокиль; Литейщик; Металлолит

+ Сельское хозяйство | Agriculture
c: #558b2f #fbc02d
i: wheat
f: ОАО 4; СПК 4; КФХ 3; ООО 3; ИП 1
h: Пн-Пт 8:00-17:00 | Mon-Fri 8:00-17:00
h: Пн-Сб 7:00-16:00 | Mon-Sat 7:00-16:00
d: Площадь сельскохозяйственных угодий — {n:12-90}00 га. | Farmland area: {n:12-90}00 ha.
d: Хозяйство основано в {year} году. | The farm was founded in {year}.
k: агро | agro; сельхоз | farming
r: Агро; Нива; Колос; Зерно; Поле | агро; нива; фермер; продукт
b: Рассвет; Нива; Колос; Заря; Светлый путь; Родина; Дружба; Прогресс; Победа; Маяк; Дубрава; Искра
++ Растениеводство | Crop farming
+++ Зерновые культуры | Cereals
w: 6
a: Выращивание зерновых | Cereal growing; Рапс | Rapeseed; Сушка и хранение зерна | Grain drying and storage; Семенной материал | Seed material
k: зерно | grain; пшеница | wheat; рапс | rapeseed; ячмень | barley
x: m:комбинат хлебопродуктов | Grain Products Plant; m:элеватор | Grain Elevator
p: *
p: *
p: ОАО "{ca} {x}" | {C} {X} OJSC
+++ Овощеводство | Vegetable growing
i: leaf
w: 5
a: Картофель | Potatoes; Овощи открытого грунта | Field vegetables; Тепличные овощи | Greenhouse vegetables; Грибы | Mushrooms
k: овощи | vegetables; картофель | potatoes; теплицы | greenhouses; огурцы | cucumbers
b: Тепличный; Огородник; Зелёный берег; Овощевод; Урожайный; Огурчик
+++ Садоводство | Fruit growing
i: leaf
w: 4
a: Яблоки и груши | Apples and pears; Ягоды | Berries; Саженцы плодовых деревьев | Fruit tree saplings; Голубика и клюква | Blueberries and cranberries
k: сад | orchard; яблоки | apples; ягоды | berries; саженцы | saplings
b: Яблоневый сад; Вишнёвый сад; Ягодка; Садовод; Журавина; Антоновка
++ Животноводство | Livestock
i: leaf
+++ Молочное животноводство | Dairy farming
w: 5
a: Производство молока | Milk production; Племенное животноводство | Pedigree breeding; Выращивание крупного рогатого скота | Cattle raising; Корма | Fodder
k: молоко | milk; ферма | farm; скот | cattle; корма | fodder
s: Молочная продукция
+++ Птицеводство | Poultry
w: 4
a: Мясо птицы | Poultry meat; Яйцо куриное | Chicken eggs; Инкубаторий | Hatchery; Комбикорма | Compound feed
k: птица | poultry; яйца | eggs; курица | chicken; бройлеры | broilers
x: f:птицефабрика | Poultry Farm
p: ОАО "{ca} {x}" | {C} {X} OJSC
p: *
+++ Рыбоводство | Fish farming
i: wave
w: 3
a: Товарная рыба | Commercial fish; Рыбопосадочный материал | Fish fry; Платная рыбалка | Paid fishing; Копчение рыбы | Fish smoking
k: рыба | fish; карп | carp; пруды | ponds; рыбалка | fishing
x: m:рыбхоз | Fish Farm
p: ОАО "Рыбхоз {b}" | {B} Fish Farm OJSC
p: *
++ Агросервис | Agricultural services
i: gear
f: ООО 6; ОАО 2; ЧТУП 2; ИП 1
+++ Семена и удобрения | Seeds and fertilisers
w: 5
a: Семена овощных культур | Vegetable seeds; Минеральные удобрения | Mineral fertilisers; Средства защиты растений | Crop protection; Агрономическое сопровождение | Agronomic support
k: семена | seeds; удобрения | fertilisers; агроном | agronomist; защита | protection
b: Агроцентр; Семеновод; Агрохимсервис; Зелёная нива; Росток; Семена-Сервис
+++ Ветеринарные препараты | Veterinary drugs
w: 3
a: Ветеринарные препараты | Veterinary drugs; Кормовые добавки | Feed additives; Дезинфицирующие средства | Disinfectants; Ветеринарный инструмент | Veterinary instruments
k: ветпрепараты | drugs; добавки | additives; ветеринария | veterinary; дезинфекция | disinfection
b: Ветфарм; Агровет; Зоофарм; Биовет
+++ Сельхозтехника | Farm machinery
i: truck
w: 5
a: Продажа тракторов | Tractor sales; Запчасти к сельхозтехнике | Farm machinery parts; Ремонт сельхозтехники | Farm machinery repair; Навесное оборудование | Attachments
k: тракторы | tractors; запчасти | parts; сельхозтехника | machinery; ремонт | repair
x: m:райагросервис | District Agro Service
p: ОАО "{ca} {x}" | {C} {X} OJSC
p: *
p: *
b: Агротехника; Тракторцентр; Агромаш; Техагро; Механизатор

+ Финансы | Finance
c: #0d47a1 #ffd54f
i: coin
f: ООО 6; ЗАО 2; ОАО 2; ЧУП 1
h: Пн-Пт 9:00-18:00 | Mon-Fri 9:00-18:00
h: Пн-Пт 9:00-19:00, Сб 10:00-15:00 | Mon-Fri 9:00-19:00, Sat 10:00-15:00
d: Конфиденциальность и ответственность. | Confidentiality and responsibility.
d: Опыт работы более {n:5-25} лет. | More than {n:5-25} years of experience.
k: финансы | finance; деньги | money
r: Фин; Инвест; Капитал; Кредит; Бел; Аудит | инвест; финанс; капитал; аудит; кредит
b: Гарант; Капитал; Актив; Баланс; Резерв; Дебет; Консалт; Эксперт; Стандарт
++ Банки | Banks
i: coin
+++ Коммерческие банки | Commercial banks
w: 5
f: ОАО 3; ЗАО 2
r: Евро; Интер; Агро; Пром; Транс; Нац; Бизнес | траст; капитал; кредит; инвест; финанс
h: Пн-Пт 9:00-18:00 | Mon-Fri 9:00-18:00
a: Кредитование | Lending; Депозиты | Deposits; Расчётно-кассовое обслуживание | Cash and settlement services; Платёжные карточки | Payment cards; Интернет-банкинг | Internet banking
k: банк | bank; кредит | loan; депозит | deposit; карточка | card
p: {f} "Банк {b}" | {B} Bank {F}
p: {f} "{b} Банк" | {B} Bank {F}
b: Континент; Меридиан; Северный; Вектор; Сфера; Кредо; Стандарт; Нива
+++ Обмен валют | Currency exchange
w: 3
h: Ежедневно 9:00-21:00 | Daily 9:00-21:00
a: Обмен валют | Currency exchange; Денежные переводы | Money transfers; Продажа слитков | Sale of bullion
k: валюта | currency; обмен | exchange; доллар | dollar; евро | euro
p: Пункт обмена валют №{n} | Currency Exchange Office No. {n}
p: *
++ Страхование | Insurance
i: shield
r: Страх; Полис; Гарант; Защита; Бел | страх; полис; гарант; резерв; защита
+++ Страхование имущества | Property insurance
w: 5
a: Страхование автомобилей | Car insurance; Страхование квартир и домов | Home insurance; Страхование грузов | Cargo insurance; Страхование ответственности | Liability insurance
k: страхование | insurance; каско | casco; полис | policy; имущество | property
b: Гарант-Полис; Надёжный полис; Надёжная защита; Щит; Опора; Страхуем
+++ Медицинское страхование | Health insurance
w: 3
a: Добровольное медицинское страхование | Voluntary health insurance; Страхование выезжающих за рубеж | Travel insurance; Страхование от несчастных случаев | Accident insurance
k: страхование | insurance; медицина | medicine; полис | policy; туристы | travellers
b: Медстрах; Здоровье-Полис; Асклепий; Забота
++ Бухгалтерия и аудит | Accounting and audit
i: coin
f: ООО 5; ЧУП 3; ИП 3
r: Аудит; Баланс; Учёт; Финанс; Налог | аудит; консалт; баланс; эксперт; сервис; учёт
b: Бухгалтер Плюс; Главбух; Дебет-Кредит; Сальдо; Бухучёт; Аудит-Эксперт; Налоговый консультант; Финэксперт
+++ Бухгалтерские услуги | Bookkeeping
w: 7
a: Ведение бухгалтерского учёта | Bookkeeping; Налоговые консультации | Tax consulting; Расчёт заработной платы | Payroll; Восстановление учёта | Accounting recovery
k: бухгалтерия | accounting; налоги | taxes; учёт | bookkeeping; зарплата | payroll
+++ Аудит | Audit
w: 4
a: Обязательный аудит | Statutory audit; Инициативный аудит | Voluntary audit; Аудит по МСФО | IFRS audit; Юридический аудит | Legal audit
k: аудит | audit; мсфо | ifrs; проверка | review; отчётность | reporting
+++ Лизинг | Leasing
w: 4
f: ООО 3; ЗАО 2; ОАО 1
a: Лизинг автомобилей | Car leasing; Лизинг оборудования | Equipment leasing; Лизинг недвижимости | Property leasing; Возвратный лизинг | Leaseback
k: лизинг | leasing; оборудование | equipment; автомобили | cars; кредит | credit
p: {f} "{b} Лизинг" | {B} Leasing {F}
p: *
b: Актив; Инвест; Прайм; Гарант; Прогресс; Ресурс

+ IT и связь | IT and communications
c: #283593 #26c6da
i: chip
f: ООО 8; ЧУП 2; ИООО 2; СООО 1; ИП 3
h: Пн-Пт 9:00-18:00 | Mon-Fri 9:00-18:00
h: Пн-Пт 10:00-19:00 | Mon-Fri 10:00-19:00
d: Резидент Парка высоких технологий. | A resident of the Hi-Tech Park.
d: Команда из {n:10-150} сертифицированных специалистов. | A team of {n:10-150} certified specialists.
k: it | it; технологии | technology
r: Софт; Дата; Нет; Ай; Кибер; Смарт; Веб; Инфо; Код; Диджитал | софт; тех; нет; лаб; systems; логик; дата
b: Алгоритм; Байт; Пиксель; Интегра Софт; Облако; Код; Вектор; Матрица; Логос; Спектр; Дигитал
++ Разработка ПО | Software development
i: chip
+++ Веб-разработка | Web development
w: 8
a: Разработка сайтов | Website development; Интернет-магазины | Online shops; Продвижение сайтов | Search engine optimisation; Веб-дизайн | Web design; Поддержка сайтов | Website support
k: сайты | websites; seo | seo; дизайн | design; разработка | development
b: Веб-Студия; Сайт-Мастер; Web Expert; Пиксель; Интернет-Решения; Кликер
+++ Мобильные приложения | Mobile apps
w: 5
a: Разработка мобильных приложений | Mobile app development; Приложения для iOS и Android | iOS and Android apps; Тестирование ПО | Software testing; UX-дизайн | UX design
k: приложения | apps; android | android; ios | ios; тестирование | testing
b: Апп-Лаб; Mobile Lab; Смартап; Гаджет; Код Мобайл
+++ Автоматизация бизнеса | Business automation
w: 6
a: Внедрение учётных систем | Accounting system implementation; Автоматизация торговли | Retail automation; Электронный документооборот | Electronic document management; Разработка CRM-систем | CRM development
k: автоматизация | automation; crm | crm; учёт | accounting; внедрение | implementation
b: Бизнес-Софт; Автоматика; Учётные системы; Инфосервис; Софт-Решения
++ Связь | Telecommunications
i: wave
+++ Интернет-провайдеры | Internet providers
w: 5
h: Круглосуточно | 24 hours
a: Подключение к интернету | Internet access; Оптоволоконные сети | Fibre-optic networks; Интерактивное телевидение | Interactive TV; IP-телефония | IP telephony
k: интернет | internet; провайдер | provider; оптоволокно | fibre; телевидение | tv
b: Сетка; Сетевые решения; Телесеть; Домашний интернет; Оптинет; Телесвязь
+++ Мобильная связь | Mobile communications
w: 4
a: Продажа мобильных телефонов | Mobile phone sales; Подключение к сотовой сети | Mobile network subscriptions; Аксессуары для телефонов | Phone accessories; Ремонт телефонов | Phone repair
k: телефоны | phones; смартфоны | smartphones; ремонт | repair; аксессуары | accessories
b: Мобилка; Телефон-Сервис; Связист; Сота; Дозвон
+++ Телефония | Telephony
w: 3
a: Офисные АТС | Office PBX; Колл-центры | Call centres; Монтаж телефонных сетей | Telephone network installation
k: телефония | telephony; атс | pbx; колл-центр | callcentre; связь | communications
b: Телеком; Связьмонтаж; Коннект; Линия связи
++ Компьютерная техника | Computer equipment
i: chip
f: ООО 5; ЧТУП 3; ИП 3
h: Пн-Сб 10:00-20:00 | Mon-Sat 10:00-20:00
+++ Продажа компьютеров | Computer sales
w: 6
a: Компьютеры и ноутбуки | Computers and laptops; Комплектующие | Components; Оргтехника | Office equipment; Серверное оборудование | Server hardware
k: компьютеры | computers; ноутбуки | laptops; комплектующие | components; принтеры | printers
b: Компьютерный мир; Мегабайт; Процессор; Техноком; Ноутбук-Центр; Гигабайт
+++ Ремонт компьютеров | Computer repair
w: 5
f: ИП 4; ООО 2; ЧУП 2
a: Ремонт компьютеров и ноутбуков | Computer and laptop repair; Восстановление данных | Data recovery; Заправка картриджей | Cartridge refilling; Настройка сетей | Network setup
k: ремонт | repair; компьютеры | computers; картриджи | cartridges; данные | data
b: Компьютерная помощь; Ремкомп; Айтишник; Киберсервис; Картридж-Сервис

+ Общественное питание | Catering
c: #c62828 #ffca28
i: cup
f: ООО 6; ЧУП 3; ЧТУП 2; ИП 2
h: Ежедневно 11:00-23:00 | Daily 11:00-23:00
h: Пн-Чт 12:00-23:00, Пт-Сб 12:00-02:00, Вс 12:00-23:00 | Mon-Thu 12:00-23:00, Fri-Sat 12:00-02:00, Sun 12:00-23:00
h: Ежедневно 10:00-22:00 | Daily 10:00-22:00
d: Бесплатный Wi-Fi и парковка для гостей. | Free Wi-Fi and parking for guests.
d: Зал на {n:30-180} посадочных мест. | A hall with {n:30-180} seats.
d: Бизнес-ланч по будням с 12:00 до 16:00. | Business lunch on weekdays from 12:00 to 16:00.
k: еда | food; кафе | cafe
r: Вкус; Гурман; Шеф; Бистро; Кафе | вкус; бистро; гурман
b: Вясёлка; Лада; Крупеничка; Старое место; Вкусно; Печь; Гурман; Трапеза
++ Рестораны | Restaurants
i: cup
+++ Белорусская кухня | Belarusian cuisine
w: 6
a: Блюда белорусской кухни | Belarusian dishes; Драники | Potato pancakes; Банкеты и свадьбы | Banquets and weddings; Живая музыка | Live music
k: ресторан | restaurant; драники | draniki; корчма | tavern; банкет | banquet
b: Смачна; Бульбаш; Млын; Талака; Хата; Бабушкина кухня; Хатка; Застолье
p: {f} "Ресторан {b}" | {B} Restaurant {F}
p: *
p: {f} "Корчма {b}" | {B} Tavern {F}
+++ Европейская кухня | European cuisine
w: 6
a: Европейская кухня | European cuisine; Винная карта | Wine list; Банкеты | Banquets; Летняя терраса | Summer terrace
k: ресторан | restaurant; вино | wine; стейки | steaks; терраса | terrace
b: Гранд Бистро; Венеция; Бельвью; Монмартр; Прага; Тиффани; Ле Гурме; Амстердам
p: {f} "Ресторан {b}" | {B} Restaurant {F}
p: *
+++ Азиатская кухня | Asian cuisine
w: 5
a: Суши и роллы | Sushi and rolls; Вок | Wok; Китайская кухня | Chinese cuisine; Паназиатская кухня | Pan-Asian cuisine; Доставка | Delivery
k: суши | sushi; роллы | rolls; вок | wok; азия | asia
b: Сакура; Токио; Васаби; Пекин; Самурай; Шанхай; Йоко; Суши Лайн
++ Кафе и бары | Cafes and bars
+++ Кафе | Cafes
w: 8
a: Блюда домашней кухни | Home-style cooking; Десерты | Desserts; Детские праздники | Children's parties; Обеды | Lunches
k: кафе | cafe; обеды | lunch; десерты | desserts; кухня | cuisine
b: Лакомка; Весна; Встреча; Уголок; Каштан; Мята; Лето; Юность; Бульвар
p: {f} "Кафе {b}" | {B} Cafe {F}
p: *
+++ Кофейни | Coffee shops
w: 5
h: Пн-Пт 7:30-21:00, Сб-Вс 9:00-21:00 | Mon-Fri 7:30-21:00, Sat-Sun 9:00-21:00
a: Кофе и чай | Coffee and tea; Выпечка собственного производства | Own-baked pastries; Кофе с собой | Coffee to go; Продажа кофейных зёрен | Coffee bean sales
k: кофе | coffee; кофейня | coffeehouse; выпечка | pastries; эспрессо | espresso
b: Кофеин; Зерно; Кофе Тайм; Арабика; Бариста; Капучино; Coffee Room
+++ Пиццерии | Pizzerias
w: 5
a: Пицца | Pizza; Паста | Pasta; Доставка пиццы | Pizza delivery; Салаты | Salads
k: пицца | pizza; паста | pasta; доставка | delivery; итальянская | italian
b: Мама Мия; Пицца Фреско; Неаполь; Сицилия; Маргарита; Пиноккио; Пиццамания
p: {f} "Пиццерия {b}" | {B} Pizzeria {F}
p: *
++ Кейтеринг | Catering services
+++ Доставка еды | Food delivery
w: 5
h: Ежедневно 10:00-23:00 | Daily 10:00-23:00
a: Доставка готовой еды | Ready meal delivery; Бизнес-ланчи в офис | Office lunches; Обеды для предприятий | Corporate meals
k: доставка | delivery; обеды | lunch; еда | food; офис | office
b: Обед-Экспресс; Вкусная доставка; Ланч-Бокс; Еда на дом; Шеф-Повар
+++ Организация банкетов | Banquets
w: 4
a: Выездное обслуживание | Off-site catering; Фуршеты | Buffet receptions; Свадебные банкеты | Wedding banquets; Аренда посуды и мебели | Tableware and furniture hire
k: кейтеринг | catering; банкет | banquet; фуршет | buffet; свадьба | wedding
b: Кейтеринг-Сервис; Фуршет; Праздник; Банкет-Холл; Торжество

+ Услуги | Services
c: #ad1457 #f48fb1
i: star
f: ООО 5; ЧУП 3; ИП 4
h: Пн-Пт 9:00-18:00 | Mon-Fri 9:00-18:00
h: Пн-Пт 9:00-19:00, Сб 10:00-15:00 | Mon-Fri 9:00-19:00, Sat 10:00-15:00
d: Выезд специалиста в день обращения. | A specialist visits on the day you call.
d: Работаем без выходных. | Open seven days a week.
k: услуги | services
r: Сервис; Бел; Быт; Проф; Мастер | сервис; быт; мастер; профи
b: Мастерская; Сервис-Центр; Быт-Сервис; Ателье; Мастер; Уют; Ваш мастер
++ Бытовые услуги | Consumer services
+++ Химчистка | Dry cleaning
i: drop
w: 4
a: Химчистка одежды | Dry cleaning of clothes; Стирка белья | Laundry; Чистка ковров | Carpet cleaning; Химчистка мебели | Furniture cleaning
k: химчистка | drycleaning; стирка | laundry; ковры | carpets; прачечная | launderette
b: Снежинка; Белоснежка; Чистый дом; Чистюля; Прачечная №1
+++ Ремонт обуви | Shoe repair
i: tools
w: 3
f: ИП 5; ЧУП 2; ООО 1
a: Ремонт обуви | Shoe repair; Изготовление ключей | Key cutting; Ремонт сумок | Bag repair; Заточка инструмента | Tool sharpening
k: обувь | shoes; ключи | keys; ремонт | repair; заточка | sharpening
b: Каблучок; Сапожник; Набойка; Мастер-Ключ
+++ Парикмахерские | Hairdressers
i: scissors
w: 8
f: ИП 4; ООО 3; ЧУП 2
h: Ежедневно 9:00-21:00 | Daily 9:00-21:00
a: Стрижки | Haircuts; Окрашивание волос | Hair colouring; Маникюр и педикюр | Manicure and pedicure; Визаж | Make-up; Барбершоп | Barbershop
k: парикмахерская | hairdresser; стрижка | haircut; маникюр | manicure; салон | salon
b: Локон; Шарм; Венера; Прядка; Стиль; Афродита; Barber House; Мадам
p: *
p: {f} "Салон красоты {b}" | {B} Beauty Salon {F}
++ Юридические услуги | Legal services
i: shield
r: Юр; Право; Лекс; Консалт | консалт; право; лекс; эксперт
f: ООО 4; ЧУП 2; ИП 2
+++ Адвокаты | Attorneys
w: 5
a: Защита по уголовным делам | Criminal defence; Гражданские и семейные споры | Civil and family disputes; Хозяйственные споры | Commercial disputes; Составление исков | Drafting of claims
k: адвокат | attorney; защита | defence; суд | court; иск | claim
p: Адвокатское бюро "{b}" | {B} Law Office
p: Адвокат {s} {i} | Attorney {S} {I}
p: Юридическая консультация №{n} г. {cityg} | Legal Advice Office No. {n}, {C}
b: Право; Фемида; Лекс; Юстиция; Закон и право; Вердикт; Правовая защита
+++ Нотариусы | Notaries
w: 3
h: Пн-Пт 9:00-17:00 | Mon-Fri 9:00-17:00
a: Удостоверение сделок | Certification of transactions; Наследственные дела | Inheritance cases; Доверенности | Powers of attorney; Свидетельствование копий | Certification of copies
k: нотариус | notary; доверенность | proxy; наследство | inheritance; сделка | transaction
p: Нотариус {s} {i} | Notary {S} {I}
p: Нотариальная контора №{n} г. {cityg} | Notary Office No. {n}, {C}
+++ Юридические консультации | Legal consulting
w: 5
a: Регистрация предприятий | Company registration; Абонентское юридическое обслуживание | Legal services on retainer; Договорная работа | Contract work; Трудовые споры | Employment disputes
k: юрист | lawyer; регистрация | registration; договоры | contracts; консультация | consultation
b: Юрконсалт; Правовед; Юрист-Сервис; Лигал Групп; Бизнес-Право; Статус
++ Реклама и полиграфия | Advertising and printing
i: star
r: Медиа; Арт; Принт; Промо; Бренд | медиа; принт; арт; промо; дизайн
+++ Рекламные агентства | Advertising agencies
w: 6
a: Наружная реклама | Outdoor advertising; Световые вывески | Illuminated signs; Реклама в интернете | Online advertising; Брендинг | Branding; Организация выставок | Exhibition services
k: реклама | advertising; вывески | signs; брендинг | branding; маркетинг | marketing
b: Медиа-Плюс; Креатив; Идея; Реклама-Сити; Бренд; Промо; Арт-Медиа
+++ Типографии | Printing houses
w: 5
a: Офсетная печать | Offset printing; Цифровая печать | Digital printing; Широкоформатная печать | Large-format printing; Печать визиток | Business card printing; Переплётные работы | Bookbinding
k: печать | printing; типография | printhouse; визитки | cards; буклеты | booklets
x: f:типография | Printing House
p: *
p: *
p: {f} "{ca} {x}" | {C} {X} {F}
b: Печатный двор; Принт; Оттиск; Полиграф; Формат; Колорпринт; Буквица
++ Недвижимость | Real estate
i: house
r: Дом; Жил; Риэлт; Квартал; Метр | риэлт; инвест; дом; недвижимость
+++ Агентства недвижимости | Estate agencies
w: 7
a: Продажа квартир | Apartment sales; Аренда жилья | Residential rentals; Коммерческая недвижимость | Commercial property; Загородная недвижимость | Country property; Сопровождение сделок | Transaction support
k: недвижимость | property; квартиры | apartments; аренда | rental; риэлтор | realtor
b: Твой адрес; Новоселье; Ключи; Квартирный вопрос; Дом-Инвест; Риэлт; Жильё; Метраж
+++ Оценка имущества | Property valuation
w: 3
a: Оценка недвижимости | Property valuation; Оценка транспортных средств | Vehicle valuation; Оценка бизнеса | Business valuation; Экспертиза ущерба | Damage assessment
k: оценка | valuation; экспертиза | expertise; недвижимость | property; ущерб | damage
b: Оценщик; Экспертиза; Оценка-Сервис; Эксперт-Оценка
++ Охрана | Security
i: shield
r: Гард; Страж; Секьюр; Барс | сервис; охрана; групп; гард
f: ООО 6; ЧУП 2; УП 1
h: Круглосуточно | 24 hours
a: Физическая охрана объектов | Manned guarding; Пультовая охрана | Alarm monitoring; Видеонаблюдение | CCTV; Охранная сигнализация | Security alarms; Сопровождение грузов | Cargo escort
k: охрана | security; сигнализация | alarms; видеонаблюдение | cctv; безопасность | safety
b: Бастион; Щит; Кордон; Страж; Барс; Цитадель; Дозор; Гарда
w: 6

+ Энергетика и ЖКХ | Energy and utilities
c: #e65100 #ffe082
i: bolt
f: ОАО 3; УП 3; КУП 3; ООО 3; РУП 1
h: Пн-Пт 8:00-17:00 | Mon-Fri 8:00-17:00
h: Пн-Пт 8:30-17:30, обед 13:00-14:00 | Mon-Fri 8:30-17:30, lunch 13:00-14:00
d: Аварийно-диспетчерская служба работает круглосуточно. | The emergency dispatch service works around the clock.
k: жкх | utilities; коммунальные | communal
++ Энергоснабжение | Power supply
i: bolt
+++ Электросети | Power grids
w: 4
a: Передача электроэнергии | Power transmission; Технологическое присоединение | Grid connection; Обслуживание трансформаторных подстанций | Substation maintenance; Учёт электроэнергии | Electricity metering
k: электроэнергия | electricity; подстанция | substation; сети | grid; счётчики | meters
x: n:предприятие электрических сетей | Power Grid Company; m:энергосбыт | Power Supply Office
p: {f} "{ca} {x}" | {C} {X} {F}
p: *
b: Энергосервис; Энергоконтроль; Электросетьстрой; Энергомонтаж; Энергия
+++ Газоснабжение | Gas supply
i: drop
w: 3
a: Газоснабжение населения | Gas supply to households; Обслуживание газового оборудования | Gas equipment servicing; Газификация домов | House gasification; Баллонный газ | Bottled gas
k: газ | gas; газификация | gasification; котлы | boilers; баллоны | cylinders
p: *
b: Газсервис; Газстрой; Огонёк; Газтехника; Голубой огонёк
++ Жилищно-коммунальное хозяйство | Housing and utilities
i: house
+++ Управляющие компании | Property management
w: 5
a: Управление многоквартирными домами | Apartment building management; Текущий ремонт жилфонда | Housing maintenance; Аварийная служба | Emergency service; Уборка территорий | Grounds cleaning
k: жэс | housing; управление | management; аварийная | emergency; ремонт | repair
x: n:жилищно-коммунальное хозяйство | Housing and Utilities Company; n:жилищно-эксплуатационное управление №{n} | Housing Maintenance Department No. {n}
p: {f} "{ca} {x}" | {C} {X} {F}
p: *
b: Домоуправ; Жилсервис; Уютный двор; Управдом; Комфорт-Сервис
+++ Вывоз отходов | Waste collection
i: leaf
w: 3
a: Вывоз бытовых отходов | Household waste collection; Вывоз строительного мусора | Construction waste removal; Переработка вторсырья | Recycling; Аренда контейнеров | Container hire
k: мусор | waste; отходы | refuse; вторсырьё | recycling; контейнер | container
b: Экосервис; Чистый город; Вторресурсы; Экология; Эковывоз; Зелёный мир
+++ Водоканал | Water supply
i: drop
w: 3
a: Водоснабжение | Water supply; Водоотведение | Sewerage; Лабораторный контроль воды | Water quality testing; Подключение к сетям | Network connection
k: вода | water; водоканал | waterworks; канализация | sewerage; водоснабжение | supply
x: m:водоканал | Vodokanal
p: {f} "{ca} {x}" | {C} {X} {F}

+ Культура и СМИ | Culture and media
c: #4527a0 #ff8a65
i: mask
f: ГУК 4; ООО 3; ЧУП 2; УП 1
h: Вт-Вс 10:00-18:00 | Tue-Sun 10:00-18:00
h: Пн-Пт 9:00-18:00 | Mon-Fri 9:00-18:00
d: Касса работает ежедневно с 11:00 до 19:00. | The box office is open daily from 11:00 to 19:00.
k: культура | culture
++ Культура | Culture
i: mask
+++ Театры | Theatres
w: 3
a: Спектакли | Performances; Детские спектакли | Children's performances; Гастроли | Tours; Театральная студия | Theatre studio
k: театр | theatre; спектакль | performance; билеты | tickets; сцена | stage
x: m:театр драмы | Drama Theatre; m:театр кукол | Puppet Theatre; m:молодёжный театр | Youth Theatre
p: ГУК "{ca} {x}" | SCI "{C} {X}"
p: ГУК "{ca} {x}" | SCI "{C} {X}"
+++ Музеи | Museums
w: 4
a: Экспозиции и выставки | Exhibitions; Экскурсии | Guided tours; Музейные занятия для школьников | Museum lessons for pupils; Реставрация | Restoration
k: музей | museum; выставка | exhibition; история | history; экскурсия | tour
x: m:краеведческий музей | Museum of Local History; m:художественный музей | Art Museum; m:музей истории города | City History Museum
p: ГУК "{ca} {x}" | SCI "{C} {X}"
p: ГУК "{ca} {x}" | SCI "{C} {X}"
p: {f} "Музей {b}" | {B} Museum {F}
b: Старая мельница; Ремёсла; Паровоз; Хата-музей
+++ Библиотеки | Libraries
w: 3
a: Абонемент и читальный зал | Lending and reading room; Электронный каталог | Electronic catalogue; Литературные вечера | Literary evenings; Клубы по интересам | Hobby clubs
k: библиотека | library; книги | books; читальный | reading; каталог | catalogue
p: ГУК "Центральная городская библиотека г. {cityg}" | SCI "{C} Central City Library"
p: ГУК "Библиотека №{n} г. {cityg}" | SCI "Library No. {n}, {C}"
++ СМИ | Media
i: star
f: ООО 4; ЧУП 2; УП 2; ОАО 1
+++ Газеты и журналы | Newspapers and magazines
w: 4
a: Издание газеты | Newspaper publishing; Издание журналов | Magazine publishing; Размещение рекламы | Advertising placement; Подписка | Subscriptions
k: газета | newspaper; журнал | magazine; подписка | subscription; новости | news
p: Редакция газеты "{b}" | {B} Newspaper
p: {f} "Издательский дом {b}" | {B} Publishing House {F}
b: Вечерний город; Вести; Наш край; Новости недели; Деловой вестник; Регион; Светоч; Панорама
+++ Радио и телевидение | Radio and TV
w: 3
a: Телевещание | Television broadcasting; Радиовещание | Radio broadcasting; Видеопродакшн | Video production; Размещение рекламы | Advertising placement
k: радио | radio; телевидение | television; эфир | broadcast; реклама | advertising
p: {f} "Телеканал {b}" | {B} TV Channel {F}
p: {f} "Радио {b}" | Radio {B}, {F}
b: Волна; Эфир; Столица; Город ТВ; Мелодия; Альфа Радио; Регион ТВ
)TOPICS";

}  // namespace makecatalog::demo
