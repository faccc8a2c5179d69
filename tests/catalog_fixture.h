// A small catalog built with the catalog builder for the data-module tests.
//
// Topic tree (TopicID: name [L, R], company id):
//   1 Медицина [1,10]
//     2 Клиники [2,7]            (name stored scrambled)
//       3 Медицинский центр [3,4]   company 10, Property 2
//       4 Аптека Здоровье [5,6]     company 11, Property 1 (name stored scrambled)
//     5 Больница [8,9]           company 12
//   6 Транспорт [11,16]
//     7 Автобаза [12,13]         company 13, Property 4
//     8 Медицинский центр [14,15] company 10 again, Property 2
//   9 Пустой раздел [17,18]      a topic without entries
// Companies 14 and 15 have records but no topic rows.
#pragma once

#include "catalog/dazi_data.h"
#include "catalog_source.h"

#include <gtest/gtest.h>

#include <QImage>

#include <filesystem>
#include <memory>
#include <string>

namespace catalog_test {

// cp1251 texts of the fixture.
namespace names {
inline const std::string Medicine = "\xcc\xe5\xe4\xe8\xf6\xe8\xed\xe0";               // Медицина
inline const std::string Clinics = "\xca\xeb\xe8\xed\xe8\xea\xe8";                   // Клиники
inline const std::string MedCentre =
    "\xcc\xe5\xe4\xe8\xf6\xe8\xed\xf1\xea\xe8\xe9 \xf6\xe5\xed\xf2\xf0";            // Медицинский центр
inline const std::string Pharmacy =
    "\xc0\xef\xf2\xe5\xea\xe0 \xc7\xe4\xee\xf0\xee\xe2\xfc\xe5";                    // Аптека Здоровье
inline const std::string Hospital = "\xc1\xee\xeb\xfc\xed\xe8\xf6\xe0";              // Больница
inline const std::string Transport = "\xd2\xf0\xe0\xed\xf1\xef\xee\xf0\xf2";         // Транспорт
inline const std::string Depot = "\xc0\xe2\xf2\xee\xe1\xe0\xe7\xe0";                 // Автобаза
inline const std::string EmptyTopic =
    "\xcf\xf3\xf1\xf2\xee\xe9 \xf0\xe0\xe7\xe4\xe5\xeb";                            // Пустой раздел
inline const std::string Minsk = "\xcc\xe8\xed\xf1\xea";                             // Минск
inline const std::string MinskUpper = "\xcc\xc8\xcd\xd1\xca";                        // МИНСК
inline const std::string Brest = "\xc1\xf0\xe5\xf1\xf2";                             // Брест
inline const std::string BrestLower = "\xe1\xf0\xe5\xf1\xf2";                        // брест
inline const std::string Grodno = "\xe3\xf0\xee\xe4\xed\xee";                        // гродно
inline const std::string Clinic = "\xea\xeb\xe8\xed\xe8\xea\xe0";                    // клиника
inline const std::string Doctor = "\xe2\xf0\xe0\xf7";                                // врач
inline const std::string PharmacyWord = "\xe0\xef\xf2\xe5\xea\xe0";                  // аптека
inline const std::string HospitalWord = "\xe1\xee\xeb\xfc\xed\xe8\xf6\xe0";          // больница
inline const std::string TransportWord = "\xf2\xf0\xe0\xed\xf1\xef\xee\xf0\xf2";     // транспорт
}  // namespace names

// The company record of a fixture company, as stored before scrambling.
std::string recordOf(int companyId);

// Pictures of company 10 (ImageName, ImageType, storage):
//   logo.png 1 plain, photo.Jpg 2 compressed, scheme.bmp 3 scrambled,
//   map.gif 4 compressed+scrambled, scan.tif 5 plain (NULL thumb),
//   drawing.wmf 6 plain; company 11: broken.png 1 compressed with a corrupt
//   Data and Thumb; company 12: blank.png 1 plain with an empty Data and Thumb;
//   company 13: fake.png 1 plain whose bytes are no PNG.
QImage fullPicture();   // 12 x 8, the full picture of every row
QImage thumbPicture();  // 4 x 3, every thumbnail (PNG)
std::string pngBytes(const QImage& image);
std::string jpegBytes(const QImage& image);
std::string bmpBytes(const QImage& image);
std::string gifBytes();  // a 1 x 1 red GIF
std::string wmfBytes();

makecatalog::CatalogSource fixtureSource();

// Each test gets a fresh copy of the fixture database (built once per
// process) in its own temporary folder, and a data module connected to it.
class CatalogTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A second attachment for arranging and checking rows behind the module.
    fb::Connection& direct();
    int countRows(const std::string& sql);

    std::filesystem::path folder;
    std::string databasePath;
    catalog::TDaziData data;

private:
    std::unique_ptr<fb::Connection> direct_;
};

}  // namespace catalog_test
