// Picture blobs: storage flags, picture queries and decoding.
#include "catalog_fixture.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>

#include <map>
#include <optional>
#include <string>

using namespace catalog;
using namespace catalog_test;

namespace {

std::optional<std::string> bytesOf(const std::unique_ptr<TMemoryStream>& stream) {
    if (!stream)
        return std::nullopt;
    EXPECT_EQ(stream->Position(), 0);
    return stream->Bytes();
}

}  // namespace

TEST_F(CatalogTest, GetImageStreamForEveryStorageFlag) {
    const std::string thumb = pngBytes(thumbPicture());
    struct Case {
        const char* name;
        int type;
        bool preferThumb;
        std::optional<std::string> bytes;
    };
    const Case cases[] = {
        {"logo.png", 1, false, pngBytes(fullPicture())},
        {"logo.png", 1, true, thumb},
        {"photo.Jpg", 2, false, jpegBytes(fullPicture())},  // Comp 1: DataSize bytes inflated
        {"photo.Jpg", 2, true, thumb},
        {"scheme.bmp", 3, false, bmpBytes(fullPicture())},  // Comp 65536: unscrambled whole
        {"scheme.bmp", 3, true, thumb},
        {"map.gif", 4, false, gifBytes()},  // both
        {"map.gif", 4, true, thumb},
        {"scan.tif", 5, true, "II* a TIFF is not decoded here"},  // NULL thumb: the full picture
        {"broken.png", 1, false, std::nullopt},  // truncated zlib data
        {"broken.png", 1, true, std::nullopt},   // not zlib data at all
        {"blank.png", 1, false, std::nullopt},   // empty Data
        {"blank.png", 1, true, std::nullopt},    // empty, not NULL, thumb: no fallback
        {"logo.png", 2, false, std::nullopt},    // the type must match
        {"missing.png", 1, false, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(bytesOf(data.GetImageStream("IMAGES", c.name, c.preferThumb, c.type)), c.bytes)
            << c.name << (c.preferThumb ? " thumb" : " data");
}

TEST_F(CatalogTest, CompressedDataTakesExactlyDataSizeBytes) {
    const std::string jpeg = jpegBytes(fullPicture());
    direct().execute("UPDATE Images SET DataSize = 10 WHERE ImageName = 'photo.Jpg'");
    EXPECT_EQ(bytesOf(data.GetImageStream("IMAGES", "photo.Jpg", false, 2)), jpeg.substr(0, 10));
    direct().execute("UPDATE Images SET DataSize = ? WHERE ImageName = 'photo.Jpg'",
                     {fb::Param::integer(static_cast<int32_t>(jpeg.size() + 1))});
    EXPECT_EQ(data.GetImageStream("IMAGES", "photo.Jpg", false, 2), nullptr);
}

TEST_F(CatalogTest, CompanyImagesWithoutDataSizeInflateToTheStreamEnd) {
    const std::string thumb = pngBytes(thumbPicture());
    data.OpenCompanyImages(10);
    fb::ResultSet& ds = data.DataSet();
    EXPECT_LT(ds.columnIndex("DataSize"), 0);
    std::map<std::string, std::optional<std::string>> thumbs;
    while (ds.next()) {
        EXPECT_EQ(ds.getInt("CompanyID"), 10);
        thumbs[ds.getText("ImageName")] = bytesOf(data.ReadImageBlob("Thumb", ds.getInt("Comp")));
    }
    const std::map<std::string, std::optional<std::string>> expected = {
        {"logo.png", thumb}, {"photo.Jpg", thumb},         {"scheme.bmp", thumb},
        {"map.gif", thumb},  {"scan.tif", std::nullopt},   {"drawing.wmf", std::nullopt}};
    EXPECT_EQ(thumbs, expected);

    data.OpenCompanyImages(11);  // a corrupt compressed thumb is still none
    ASSERT_TRUE(data.DataSet().next());
    EXPECT_EQ(data.ReadImageBlob("Thumb", data.DataSet().getInt("Comp")), nullptr);
}

TEST_F(CatalogTest, TopicImagesCoverCompaniesStrictlyInsideOncePerTopicRow) {
    data.OpenTopicImages(1, 10);  // Медицина
    fb::ResultSet& ds = data.DataSet();
    std::vector<int> companies;
    while (ds.next()) {
        companies.push_back(ds.getInt("CompanyID"));
        if (ds.getText("ImageName") == "map.gif") {
            EXPECT_EQ(ds.getBlob("XML").size(), recordOf(10).size());
            EXPECT_EQ(bytesOf(data.ReadImageBlob("Thumb", ds.getInt("Comp"))),
                      pngBytes(thumbPicture()));
        }
    }
    // By stored TopicName: the scrambled pharmacy name first.
    EXPECT_EQ(companies, (std::vector<int>{11, 12, 10, 10, 10, 10, 10, 10}));

    data.OpenTopicImages(0, 100);
    int rows = 0;
    while (data.DataSet().next())
        ++rows;
    EXPECT_EQ(rows, 6 * 2 + 1 + 1 + 1);  // company 10 under two topics
}

TEST_F(CatalogTest, LoadPictureDecodesByExtension) {
    const QImage marker(2, 2, QImage::Format_RGB32);
    struct Case {
        const char* name;
        int type;
        QSize size;  // (0, 0): the picture is cleared; (2, 2): left unchanged
    };
    const Case cases[] = {
        {"logo.png", 1, QSize(12, 8)},  {"photo.Jpg", 2, QSize(12, 8)},
        {"scheme.bmp", 3, QSize(12, 8)}, {"map.gif", 4, QSize(1, 1)},
        {"scan.tif", 5, QSize(2, 2)},    {"drawing.wmf", 6, QSize(0, 0)},
        {"missing.png", 1, QSize(0, 0)},     {"broken.png", 1, QSize(0, 0)},
        {"", 1, QSize(2, 2)},
    };
    for (const Case& c : cases) {
        QImage picture = marker;
        data.LoadPicture(c.name, c.type, picture);
        EXPECT_EQ(picture.size(), c.size) << c.name;
    }

    QImage jpeg;
    data.LoadPicture("photo.Jpg", 2, jpeg);
    const QColor pixel = jpeg.pixelColor(5, 4);  // lossy: near (200, 30, 40)
    EXPECT_NEAR(pixel.red(), 200, 12);
    EXPECT_NEAR(pixel.green(), 30, 12);
    QImage gif;
    data.LoadPicture("map.gif", 4, gif);
    EXPECT_EQ(gif.pixelColor(0, 0), QColor(255, 0, 0));
}

TEST_F(CatalogTest, LoadPictureReportsUndecodableBytes) {
    QImage picture;
    EXPECT_THROW(data.LoadPicture("fake.png", 1, picture), EInvalidGraphic);
}
