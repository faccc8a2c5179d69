#include "catalog_fixture.h"

#include "builder.h"

#include <QBuffer>
#include <QColor>

#include <unistd.h>

#include <map>
#include <stdexcept>

namespace fs = std::filesystem;
using makecatalog::CatalogSource;
using makecatalog::CompanySource;
using makecatalog::ImageSource;
using makecatalog::TopicNode;

namespace catalog_test {
namespace {

std::string encode(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, format))
        throw std::runtime_error(std::string("cannot encode a ") + format + " picture");
    return bytes.toStdString();
}

TopicNode topic(const std::string& name, std::vector<TopicNode> children, bool scrambled = false) {
    TopicNode node;
    node.name = name;
    node.scrambleName = scrambled;
    node.children = std::move(children);
    return node;
}

TopicNode entry(const std::string& name, int companyId, int property, bool scrambled = false) {
    TopicNode node;
    node.name = name;
    node.companyId = companyId;
    node.property = property;
    node.scrambleName = scrambled;
    return node;
}

ImageSource image(const std::string& name, int type, int storage, std::string thumb,
                  std::string data) {
    ImageSource i;
    i.name = name;
    i.type = type;
    i.storage = storage;
    i.thumb = std::move(thumb);
    i.data = std::move(data);
    return i;
}

// The template database, built once per process and copied for each test.
class Template {
public:
    static Template& instance() {
        static Template t;
        return t;
    }
    const fs::path& root() const { return root_; }
    fs::path database() const { return root_ / "template" / "tolvik.gdb"; }

    ~Template() {
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }

private:
    Template() {
        fb::usePrivateRoot(MARVENIC_FIREBIRD_ROOT);
        root_ = fs::temp_directory_path() / ("marvenic-catalog-" + std::to_string(::getpid()));
        fs::remove_all(root_);
        makecatalog::buildCatalog(fixtureSource(), (root_ / "template").string());

        // Rows the builder cannot produce: damaged and empty blobs.
        std::string packed;
        {
            fb::Connection db;
            db.attach(database().string());
            auto rs = db.open("SELECT Data FROM Images WHERE ImageName = 'broken.png'");
            if (rs->next())
                packed = rs->getBlob(0);
        }
        fb::Connection db;
        db.attach(database().string());
        db.execute("UPDATE Images SET Data = ?, Thumb = ? WHERE ImageName = 'broken.png'",
                   {fb::Param::blob(packed.substr(0, packed.size() / 2)),
                    fb::Param::blob("this is not zlib data")});
        db.execute("UPDATE Images SET Thumb = ? WHERE ImageName = 'blank.png'",
                   {fb::Param::blob("")});
        db.detach();
    }

    fs::path root_;
};

}  // namespace

std::string recordOf(int companyId) {
    static const std::map<int, std::string> records = {
        {10, "<company><name>" + names::MedCentre + "</name><address><city>" + names::Minsk +
                 "</city></address><phone>+375 17 2000010</phone></company>"},
        {11, "<company><name>" + names::Pharmacy + "</name><address><city>" + names::MinskUpper +
                 "</city></address></company>"},
        {12, "<company><name>" + names::Hospital + "</name><address><city>" + names::Brest +
                 "</city></address></company>"},
        {13, "<company><name>" + names::Depot + "</name><address><city>" + names::Grodno +
                 "</city></address></company>"},
        {14, "<company><name>Fourteen</name><address><city>  " + names::BrestLower +
                 " </city></address></company>"},
        {15, "<company><name>Fifteen</name></company>"},
    };
    return records.at(companyId);
}

QImage fullPicture() {
    QImage picture(12, 8, QImage::Format_RGB32);
    picture.fill(QColor(200, 30, 40));
    return picture;
}

QImage thumbPicture() {
    QImage picture(4, 3, QImage::Format_RGB32);
    picture.fill(QColor(10, 20, 250));
    return picture;
}

std::string pngBytes(const QImage& image) { return encode(image, "PNG"); }
std::string jpegBytes(const QImage& image) { return encode(image, "JPEG"); }
std::string bmpBytes(const QImage& image) { return encode(image, "BMP"); }

std::string gifBytes() {
    // GIF89a, 1 x 1, palette red and white, the pixel of colour 0 (red).
    static const unsigned char gif[] = {
        'G', 'I', 'F', '8', '9', 'a', 0x01, 0x00, 0x01, 0x00, 0x80, 0x00, 0x00,
        0xFF, 0x00, 0x00, 0xFF, 0xFF, 0xFF,                           // palette
        0x2C, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x01, 0x00, 0x00,  // image descriptor
        0x02, 0x02, 0x44, 0x01, 0x00,                                 // clear, 0, end
        0x3B};
    return std::string(reinterpret_cast<const char*>(gif), sizeof gif);
}

std::string wmfBytes() {
    // A placeable-metafile header followed by nothing useful.
    return std::string("\xd7\xcd\xc6\x9a", 4) + std::string(40, '\0');
}

CatalogSource fixtureSource() {
    using namespace names;
    CatalogSource source;
    source.topics = {
        topic(Medicine, {topic(Clinics, {entry(MedCentre, 10, 2), entry(Pharmacy, 11, 1, true)}, true),
                         entry(Hospital, 12, 0)}),
        topic(Transport, {entry(Depot, 13, 4), entry(MedCentre, 10, 2)}),
        topic(EmptyTopic, {}),
    };

    const std::string full = pngBytes(fullPicture());
    const std::string thumb = pngBytes(thumbPicture());
    const std::map<int, std::vector<std::string>> keywords = {
        {10, {Clinic, Doctor}}, {11, {PharmacyWord}}, {12, {HospitalWord, Doctor}},
        {13, {TransportWord}}};
    for (int id = 10; id <= 15; ++id) {
        CompanySource company;
        company.id = id;
        company.record = recordOf(id);
        if (auto k = keywords.find(id); k != keywords.end())
            company.keywords = k->second;
        source.companies.push_back(std::move(company));
    }
    using namespace makecatalog;
    source.companies[0].images = {
        image("logo.png", 1, StorePlain, thumb, full),
        image("photo.Jpg", 2, StoreCompressed, thumb, jpegBytes(fullPicture())),
        image("scheme.bmp", 3, StoreScrambled, thumb, bmpBytes(fullPicture())),
        image("map.gif", 4, StoreCompressedScrambled, thumb, gifBytes()),
        image("scan.tif", 5, StorePlain, "", "II* a TIFF is not decoded here"),
        image("drawing.wmf", 6, StorePlain, "", wmfBytes()),
    };
    source.companies[1].images = {image("broken.png", 1, StoreCompressed, thumb, full)};
    source.companies[2].images = {image("blank.png", 1, StorePlain, "", "")};
    source.companies[3].images = {image("fake.png", 1, StorePlain, "", "not a PNG at all")};
    source.files["tolvik.xml"] = "<databaseInfo><name>Fixture</name></databaseInfo>";
    return source;
}

void CatalogTest::SetUp() {
    const Template& t = Template::instance();
    folder = t.root() / ::testing::UnitTest::GetInstance()->current_test_info()->name();
    fs::remove_all(folder);
    fs::create_directories(folder);
    databasePath = (folder / "tolvik.gdb").string();
    fs::copy_file(t.database(), databasePath);
    data.Connect("fbclient.dll", databasePath);
    ASSERT_TRUE(data.Connected());
}

void CatalogTest::TearDown() {
    data.Disconnect();
    direct_.reset();
    std::error_code ignored;
    fs::remove_all(folder, ignored);
}

fb::Connection& CatalogTest::direct() {
    if (!direct_) {
        direct_ = std::make_unique<fb::Connection>();
        direct_->attach(databasePath);
    }
    return *direct_;
}

int CatalogTest::countRows(const std::string& sql) {
    auto rs = direct().open(sql);
    return rs->next() ? rs->getInt(0) : 0;
}

}  // namespace catalog_test
