// The catalog builder: source folder round trip and what lands in the database.
#include "builder.h"

#include "catalog/hfgsd_stream.h"
#include "catalog/scramble.h"
#include "platform/fb/fb.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;
using namespace makecatalog;

namespace {

CatalogSource smallSource() {
    CatalogSource s;
    TopicNode medicine{"\xcc\xe5\xe4\xe8\xf6\xe8\xed\xe0", -1, 0, true, {}};  // "Медицина"
    TopicNode dentists{"Dentists", -1, 0, false, {}};
    dentists.children.push_back({"OOO \"Smile\" & Co", 1, 2, true, {}});
    medicine.children.push_back(dentists);
    medicine.children.push_back({"Clinic <One>", 2, 0, false, {}});
    s.topics.push_back(medicine);
    s.topics.push_back({"Empty", -1, 0, false, {}});

    CompanySource one{1, "<company><name>Smile</name></company>", {"teeth", "smile"}, {}};
    one.images.push_back({"logo1.png", 1, StoreCompressedScrambled, "thumb-bytes", std::string(5000, 'p')});
    one.images.push_back({"photo1.jpg", 2, StorePlain, "", "jpeg-bytes"});
    s.companies.push_back(one);
    s.companies.push_back({2, "<company><name>One</name></company>", {}, {}});
    s.files["tolvik.xml"] = "<databaseInfo/>";
    s.files["Partners/p.png"] = "png";
    return s;
}

class BuilderTest : public ::testing::Test {
protected:
    void SetUp() override {
        fb::usePrivateRoot(MARVENIC_FIREBIRD_ROOT);
        dir_ = fs::temp_directory_path() /
               ("makecatalog-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    fs::path dir_;
};

TEST_F(BuilderTest, SourceFolderRoundTrip) {
    const CatalogSource original = smallSource();
    writeSourceFolder(original, (dir_ / "src").string());
    const CatalogSource back = readSourceFolder((dir_ / "src").string());

    ASSERT_EQ(back.topics.size(), 2u);
    const TopicNode& medicine = back.topics[0];
    EXPECT_EQ(medicine.name, original.topics[0].name);
    EXPECT_TRUE(medicine.scrambleName);
    ASSERT_EQ(medicine.children.size(), 2u);
    EXPECT_EQ(medicine.children[0].children[0].name, "OOO \"Smile\" & Co");
    EXPECT_EQ(medicine.children[0].children[0].companyId, 1);
    EXPECT_EQ(medicine.children[0].children[0].property, 2);
    ASSERT_EQ(back.companies.size(), 2u);
    EXPECT_EQ(back.companies[0].record, original.companies[0].record);
    EXPECT_EQ(back.companies[0].keywords, original.companies[0].keywords);
    ASSERT_EQ(back.companies[0].images.size(), 2u);
    EXPECT_EQ(back.companies[0].images[0].storage, StoreCompressedScrambled);
    EXPECT_EQ(back.companies[0].images[0].thumb, "thumb-bytes");
    EXPECT_EQ(back.companies[0].images[1].thumb, "");
    EXPECT_EQ(back.files, original.files);
}

TEST_F(BuilderTest, RecordsInUtf8AreStoredAsCp1251AndPathsStayInside) {
    fs::create_directories(dir_ / "src" / "records");
    std::ofstream(dir_ / "src" / "topics.xml") << "<topics><company id='1' name='x'/></topics>";
    std::ofstream(dir_ / "src" / "companies.xml") << "<companies><company id='1' record='records/1.xml'/></companies>";
    std::ofstream(dir_ / "src" / "records" / "1.xml") << "<?xml version='1.0' encoding='UTF-8'?>\n<company><name>\xd0\x9c</name></company>";
    EXPECT_EQ(readSourceFolder((dir_ / "src").string()).companies[0].record,
              "<company><name>\xcc</name></company>");

    std::ofstream(dir_ / "src" / "companies.xml") << "<companies><company id='1' record='../secret.xml'/></companies>";
    EXPECT_THROW(readSourceFolder((dir_ / "src").string()), std::runtime_error);
}

TEST_F(BuilderTest, DatabaseHoldsNestedSetsScrambledDataAndFiles) {
    buildCatalog(smallSource(), (dir_ / "out").string());
    EXPECT_TRUE(fs::exists(dir_ / "out" / "Partners" / "p.png"));

    fb::Connection db;
    db.attach((dir_ / "out" / "tolvik.gdb").string());
    struct Row {
        int id, l, r;
        bool company;
        std::string name;
    };
    const std::vector<Row> expected = {
        {1, 1, 8, false, "\xcc\xe5\xe4\xe8\xf6\xe8\xed\xe0"},
        {2, 2, 5, false, "Dentists"},
        {3, 3, 4, true, "OOO &quot;Smile&quot; &amp; Co"},
        {4, 6, 7, true, "Clinic &lt;One&gt;"},
        {5, 9, 10, false, "Empty"},
    };
    auto rs = db.open("SELECT * FROM Topics0 ORDER BY L");
    for (const Row& row : expected) {
        ASSERT_TRUE(rs->next());
        EXPECT_EQ(rs->getInt("TopicID"), row.id);
        EXPECT_EQ(rs->getInt("L"), row.l);
        EXPECT_EQ(rs->getInt("R"), row.r);
        EXPECT_EQ(rs->isNull("CompanyID"), !row.company);
        EXPECT_EQ(catalog::UnscrambleText(rs->getText("TopicName")), row.name);
    }
    EXPECT_FALSE(rs->next());

    // Names marked for it are stored scrambled, the others plain.
    rs = db.open("SELECT TopicName FROM Topics0 WHERE TopicID IN (1, 2) ORDER BY TopicID");
    ASSERT_TRUE(rs->next());
    EXPECT_EQ(static_cast<unsigned char>(rs->getText(0)[0]), 0x7F);
    ASSERT_TRUE(rs->next());
    EXPECT_EQ(rs->getText(0), "Dentists");

    rs = db.open("SELECT XML FROM Companies WHERE CompanyID = 1");
    ASSERT_TRUE(rs->next());
    std::string record = rs->getBlob(0);
    EXPECT_NE(record, smallSource().companies[0].record);
    catalog::UnscrambleRecord(record);
    EXPECT_EQ(record, smallSource().companies[0].record);

    // A compressed and scrambled picture: unscramble, then inflate.
    rs = db.open("SELECT Comp, Data, DataSize, Thumb FROM Images WHERE ImageName = 'logo1.png'");
    ASSERT_TRUE(rs->next());
    EXPECT_EQ(rs->getInt("Comp"), 0x10001);
    EXPECT_EQ(rs->getInt("DataSize"), 5000);
    catalog::TMemoryStream stored(rs->getBlob("Data"));
    catalog::THfgsdStream unscrambler(stored);
    std::string compressed(static_cast<size_t>(stored.Size()), '\0');
    unscrambler.ReadBuffer(compressed.data(), stored.Size());
    std::string data(5000, '\0');
    uLongf size = data.size();
    ASSERT_EQ(uncompress(reinterpret_cast<Bytef*>(data.data()), &size,
                         reinterpret_cast<const Bytef*>(compressed.data()), compressed.size()),
              Z_OK);
    EXPECT_EQ(data, std::string(5000, 'p'));

    rs = db.open("SELECT Thumb, Data FROM Images WHERE ImageName = 'photo1.jpg'");
    ASSERT_TRUE(rs->next());
    EXPECT_TRUE(rs->isNull("Thumb"));
    EXPECT_EQ(rs->getBlob("Data"), "jpeg-bytes");

    rs = db.open("SELECT COUNT(*) FROM Keywords WHERE CompanyID = 1");
    ASSERT_TRUE(rs->next());
    EXPECT_EQ(rs->getInt(0), 2);
}

}  // namespace
