// The company card: the card HTML and its marks, the pictures of a card and
// the files it may read, picture clicks and links, the start page, finding
// text, the font size and the notes box. The main window runs on a small
// catalog built by the catalog builder in a temporary folder.
#include "app/catalogue_discovery.h"
#include "app/company_card.h"
#include "app/find_dialog.h"
#include "app/html_viewer.h"
#include "app/main_form.h"
#include "builder.h"
#include "catalog/dazi_data.h"
#include "catalog/entities.h"
#include "catalog/stream.h"
#include "gallery/full_screen_image.h"
#include "platform/fb/fb.h"
#include "platform/settings/settings.h"
#include "platform/text/cp1251.h"
#include "test_application.h"

#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <QTreeView>

#include <unistd.h>

#include <filesystem>
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

namespace fs = std::filesystem;

std::string cp(const char* utf8) { return text::utf8ToCp1251(utf8); }
QString U(const char* utf8) { return QString::fromUtf8(utf8); }

std::string pngBytes(int width, int height, QColor color) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(color);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes.toStdString();
}

// --- The fixture catalog ---------------------------------------------------------
//
//   Услуги: Альфа Сервис (17), Бета (18), Гамма (19, a record that is not XML)
//
// Pictures (name, type: thumbnail size / full size):
//   logo.png 1: 6x4 / 60x40     logo.png 2: 7x3 / 70x30
//   photo.png 2: 5x5 / 50x50    plain.png 0: 9x9 / 90x90
// Files of the catalog folder: empty.png 2x2, 5file.png 8x1, 1plain.png 3x1,
// Sub/pic.png 4x1, Partners/partner.png 30x20, inside-link.png -> 5file.png,
// link.png -> ../outside.png; beside the catalog folder outside.png 11x11.

const std::string Logo1Thumb = pngBytes(6, 4, Qt::red);
const std::string Logo2Thumb = pngBytes(7, 3, Qt::blue);
const std::string PhotoThumb = pngBytes(5, 5, Qt::green);
const std::string PlainThumb = pngBytes(9, 9, Qt::yellow);
const std::string EmptyPng = pngBytes(2, 2, Qt::white);
const std::string FilePng = pngBytes(8, 1, Qt::cyan);
const std::string OnePlainPng = pngBytes(3, 1, Qt::darkRed);
const std::string SubPng = pngBytes(4, 1, Qt::darkGreen);
const std::string PartnerPng = pngBytes(30, 20, Qt::magenta);
const std::string OutsidePng = pngBytes(11, 11, Qt::black);

const char* const CardStyleSheet = R"(<?xml version="1.0" encoding="windows-1251"?>
<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform">
  <xsl:output method="html" encoding="windows-1251"/>
  <xsl:template match="/"><html><body><xsl:apply-templates select="company"/></body></html></xsl:template>
  <xsl:template match="company">
    <h1><xsl:apply-templates select="name"/></h1>
    <p><xsl:for-each select="image"><img src="{@kind}{.}"/><xsl:text> </xsl:text></xsl:for-each></p>
    <p><a href="http://{web}">site</a> <a href="mailto:{email}">mail</a> <a href="{partner}">partner</a></p>
    <p><xsl:apply-templates select="about"/></p>
  </xsl:template>
  <xsl:template match="searchselect"><u><xsl:apply-templates/></u></xsl:template>
  <xsl:template match="searchresult"/>
</xsl:stylesheet>
)";

makecatalog::CatalogSource fixtureSource() {
    makecatalog::CatalogSource source;
    makecatalog::TopicNode services;
    services.name = cp("Услуги");
    for (const auto& [id, name] : std::vector<std::pair<int, const char*>>{
             {17, "Альфа Сервис"}, {18, "Бета"}, {19, "Гамма"}}) {
        makecatalog::TopicNode entry;
        entry.name = cp(name);
        entry.companyId = id;
        services.children.push_back(entry);
    }
    source.topics = {services};

    makecatalog::CompanySource alpha;
    alpha.id = 17;
    alpha.record = cp("<company><name>Альфа Сервис</name><image kind=\"1\">logo.png</image>"
                      "<image kind=\"3\">photo.png</image><image kind=\"0\">plain.png</image>"
                      "<web>www.alpha.by</web><email>info@alpha.by</email><partner>partner.png</partner>"
                      "<about>Ремонт обуви и ремонт часов</about></company>");
    alpha.images = {{"logo.png", 1, makecatalog::StorePlain, Logo1Thumb, pngBytes(60, 40, Qt::red)},
                    {"logo.png", 2, makecatalog::StoreCompressed, Logo2Thumb, pngBytes(70, 30, Qt::blue)},
                    {"photo.png", 2, makecatalog::StorePlain, PhotoThumb, pngBytes(50, 50, Qt::green)},
                    {"plain.png", 0, makecatalog::StorePlain, PlainThumb, pngBytes(90, 90, Qt::yellow)}};
    makecatalog::CompanySource beta;
    beta.id = 18;
    beta.record = cp("<company><name>Бета</name></company>");
    makecatalog::CompanySource gamma;
    gamma.id = 19;
    gamma.record = cp("<company><name>Гамма</company>");
    source.companies = {alpha, beta, gamma};

    source.files["Org.xsl"] = CardStyleSheet;
    source.files["Welcome.htm"] = cp("<html><body><p>Страница каталога</p></body></html>");
    source.files["empty.png"] = EmptyPng;
    source.files["5file.png"] = FilePng;
    source.files["1plain.png"] = OnePlainPng;
    source.files["Sub/pic.png"] = SubPng;
    source.files["Partners/partner.png"] = PartnerPng;
    return source;
}

// The catalog is built once per process; every test gets its own copy.
const fs::path& builtCatalogue() {
    static QTemporaryDir dir;
    static const fs::path path = [] {
        const fs::path folder = fs::path(dir.path().toStdString()) / "built";
        makecatalog::buildCatalog(fixtureSource(), folder.string());
        return folder;
    }();
    return path;
}

class CardTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        root = fs::path(m_dir.path().toStdString());
        catalogue = root / "Catalog";
        fs::copy(builtCatalogue(), catalogue, fs::copy_options::recursive);
        writeFile(root / "outside.png", OutsidePng);
        fs::create_symlink("5file.png", catalogue / "inside-link.png");
        fs::create_symlink("../outside.png", catalogue / "link.png");
        writeFile(root / "Program" / "Welcome.htm", cp("<html><body><p>Страница программы</p></body></html>"));

        app::ProgramFolder = QString::fromStdString((root / "Program").string()) + "/";
        app::CurrentDatabase = app::TDatabaseInfo();
        app::CurrentDatabase.Language = "Russian";
        app::CurrentDatabase.Path = QString::fromStdString(catalogue.string()) + "/";
        catalog::DaziData = std::make_unique<catalog::TDaziData>();
        form = std::make_unique<app::TMainForm>();
        form->OpenDocumentHook = [this](const QString& target) { opened.push_back(target); };
        form->OpenCatalogue();
        form->resize(1000, 700);
        form->show();
        application()->errors.clear();
    }

    void TearDown() override {
        form.reset();
        catalog::DaziData.reset();
        app::CurrentDatabase = app::TDatabaseInfo();
    }

    static void writeFile(const fs::path& path, const std::string& bytes) {
        fs::create_directories(path.parent_path());
        QFile file(QString::fromStdString(path.string()));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }

    // The bytes the card gets for a picture source; "(none)" for no stream.
    std::string requested(const QString& src) {
        std::unique_ptr<catalog::TMemoryStream> stream = form->HTMLViewerImageRequest(src);
        if (!stream)
            return "(none)";
        EXPECT_EQ(stream->Position(), 0);
        return stream->Bytes();
    }

    // The row-th entry of the one topic.
    QModelIndex companyNode(int row) {
        const QAbstractItemModel* model = form->TopicsTree->model();
        return model->index(row, 0, model->index(0, 0));
    }

    std::string storedNote(int companyId) { return catalog::DaziData->GetNote(companyId); }
    int noteRows() {
        fb::ResultSet& rows = catalog::DaziData->OpenSQL("SELECT COUNT(*) FROM NOTES");
        rows.next();
        const int count = rows.getInt(0);
        catalog::DaziData->CloseDataSet();
        return count;
    }

    // The viewport centre of the n-th picture of the page.
    QPoint pictureCentre(int n) {
        QTextDocument* doc = form->HTMLViewer->document();
        int seen = 0;
        for (int at = 0; at + 1 < doc->characterCount(); ++at) {
            if (doc->characterAt(at) != QChar::ObjectReplacementCharacter)
                continue;
            if (seen++ != n)
                continue;
            QTextCursor before(doc), after(doc);
            before.setPosition(at);
            after.setPosition(at + 1);
            const QRect left = form->HTMLViewer->cursorRect(before), right = form->HTMLViewer->cursorRect(after);
            return QPoint((left.left() + right.left()) / 2, left.center().y());
        }
        ADD_FAILURE() << "no picture " << n;
        return {};
    }

    QTemporaryDir m_dir;
    fs::path root, catalogue;
    std::unique_ptr<app::TMainForm> form;
    std::vector<QString> opened;
};

// --- The card HTML ---------------------------------------------------------------

TEST_F(CardTest, ShowCompanyShowsTheCardWithItsPicturesByNameAndKind) {
    std::vector<QString> requests;
    const app::THTMLViewer::ImageRequestHandler original = form->HTMLViewer->ImageRequest();
    form->HTMLViewer->SetImageRequestHandler([&](const QString& src) {
        requests.push_back(src);
        return original(src);
    });
    form->RightPages->setCurrentWidget(form->RightDecorativePanel);
    form->ShowCompany(17);
    QTextDocument* doc = form->HTMLViewer->document();
    doc->documentLayout()->documentSize();  // lays the page out, which loads its pictures

    EXPECT_EQ(form->RightPages->currentWidget(), form->HtmlDecorativePanel);
    EXPECT_TRUE(form->HTMLViewer->toPlainText().contains(U("Альфа Сервис")));
    EXPECT_TRUE(form->HTMLViewer->toPlainText().contains(U("Ремонт обуви и ремонт часов")));
    std::sort(requests.begin(), requests.end());
    requests.erase(std::unique(requests.begin(), requests.end()), requests.end());
    EXPECT_EQ(requests, (std::vector<QString>{"0plain.png", "1logo.png", "3photo.png"}));
    // The thumbnails: kind 1 of logo.png, kind 2 for the digit 3, kind 0.
    const std::map<QString, QSize> sizes = {{"1logo.png", {6, 4}}, {"3photo.png", {5, 5}}, {"0plain.png", {9, 9}}};
    for (const auto& [src, size] : sizes)
        EXPECT_EQ(doc->resource(QTextDocument::ImageResource, QUrl(src)).value<QImage>().size(), size) << src.toStdString();
}

TEST_F(CardTest, ARecordThatIsNotXmlKeepsThePreviousPage) {
    form->ShowCompany(18);
    const QString shown = form->HTMLViewer->toPlainText();
    EXPECT_TRUE(shown.contains(U("Бета")));
    EXPECT_THROW(form->ShowCompany(19), xml::XmlError);
    EXPECT_EQ(form->HTMLViewer->toPlainText(), shown);
}

TEST_F(CardTest, TheTreeShowsTheCardAndTheNoteOfTheChosenCompany) {
    catalog::DaziData->SetNote(17, cp("Позвонить в понедельник"));
    form->TopicsTree->setCurrentIndex(companyNode(0));
    EXPECT_TRUE(form->HTMLViewer->toPlainText().contains(U("Альфа Сервис")));
    EXPECT_EQ(form->NotesMemo->toPlainText(), U("Позвонить в понедельник"));
    EXPECT_EQ(form->NotesMemo->property("tag").toInt(), 17);
}

// The marks, seen through a style sheet that copies the marked document.
TEST(CardMarks, ConditionsMarkTheirPlacesAndValues) {
    catalog::InitEntityArray();
    const xml::XslStylesheet copy = xml::XslStylesheet::fromBytes(R"(<?xml version="1.0"?>
<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform">
  <xsl:output method="xml" omit-xml-declaration="yes" encoding="windows-1251"/>
  <xsl:template match="/"><xsl:copy-of select="."/></xsl:template>
</xsl:stylesheet>)");
    const std::string record = "<company><name>Alpha Beta Alpha</name><street>Main</street><phone>12</phone></company>";
    struct Case {
        const char* what;
        catalog::TQueryConditions conditions;
        const char* html;
    };
    const Case cases[] = {
        {"no conditions", {}, "<company><name>Alpha Beta Alpha</name><street>Main</street><phone>12</phone></company>"},
        {"every occurrence of the value",
         {{"name", "Alpha", false}},
         "<company><name><searchresult/><searchselect>Alpha</searchselect> Beta <searchselect>Alpha</searchselect>"
         "</name><street>Main</street><phone>12</phone></company>"},
        {"the value trimmed", {{"name", "  Beta ", false}},
         "<company><name><searchresult/>Alpha <searchselect>Beta</searchselect> Alpha</name><street>Main</street>"
         "<phone>12</phone></company>"},
        {"letter case counts", {{"name", "alpha", false}},
         "<company><name><searchresult/>Alpha Beta Alpha</name><street>Main</street><phone>12</phone></company>"},
        {"an empty value marks the place only", {{"street", "", false}},
         "<company><name>Alpha Beta Alpha</name><street><searchresult/>Main</street><phone>12</phone></company>"},
        {"a place the record lacks", {{"fax", "12", false}},
         "<company><name>Alpha Beta Alpha</name><street>Main</street><phone>12</phone></company>"},
        {"a table path", {{"db:keywords/keyword", "Main", false}},
         "<company><name>Alpha Beta Alpha</name><street>Main</street><phone>12</phone></company>"},
        {"several conditions in list order",
         {{"phone", "2", true}, {"street", "ai", false}, {"phone", "1", false}},
         "<company><name>Alpha Beta Alpha</name><street><searchresult/>M<searchselect>ai</searchselect>n</street>"
         "<phone><searchresult/><searchresult/><searchselect>1</searchselect><searchselect>2</searchselect></phone>"
         "</company>"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(app::BuildCompanyHtml(record, c.conditions, copy), std::string(c.html) + "\n") << c.what;
    catalog::FreeEntityTables();
}

TEST_F(CardTest, TheCardMarksTheCardConditions) {
    form->CardConditions = {{"about", cp("ремонт"), false}};
    std::string html;
    form->BuildCompanyHtml(catalog::DaziData->GetCompanyXML(17), html);
    // The single-byte HTML: Cyrillic as character references.
    const std::string word = catalog::ConvertWideCharToHTML(u"ремонт");
    EXPECT_NE(html.find("<u>" + word + "</u>"), std::string::npos) << html;
    EXPECT_EQ(html.find("<u>" + catalog::ConvertWideCharToHTML(u"Ремонт") + "</u>"), std::string::npos) << html;
}

// --- Pictures --------------------------------------------------------------------

TEST_F(CardTest, PicturesComeFromTheDatabaseThenTheCatalogFolderThenEmptyPng) {
    const std::vector<std::pair<QString, std::string>> cases = {
        {"1logo.png", Logo1Thumb},          // name and kind in the database
        {"2logo.png", Logo2Thumb},          // the same name, another kind (stored compressed)
        {"3photo.png", PhotoThumb},         // kind 3 is looked up as 2
        {"2photo.png", PhotoThumb},
        {"plain.png", PlainThumb},          // no digit: kind 0
        {"1plain.png", OnePlainPng},        // not in the database: the file named by the whole source
        {"5file.png", FilePng},
        {"sub/PIC.png", SubPng},            // letter case ignored in the catalog folder
        {"inside-link.png", FilePng},       // a link that stays inside the folder
        {"1photo.png", EmptyPng},           // neither
        {"missing.png", EmptyPng},
        {"file:///tmp/x.png", "(none)"},    // the viewer's own
        {"1logo.png?file:", "(none)"},
    };
    for (const auto& [src, bytes] : cases)
        EXPECT_TRUE(requested(src) == bytes) << src.toStdString();
}

TEST_F(CardTest, ASourceOutsideTheCatalogFolderReadsNothingThere) {
    const QString outside = QString::fromStdString((root / "outside.png").string());
    const QString cases[] = {"../outside.png", "Sub/../../outside.png", "..\\outside.png", outside,
                             "link.png", "/" + outside, "\\\\outside.png"};
    for (const QString& src : cases)
        EXPECT_TRUE(requested(src) == EmptyPng) << src.toStdString();
    // The guard on its own: a real file inside, nothing outside.
    const QString folder = QString::fromStdString(catalogue.string());
    EXPECT_EQ(app::CatalogFilePath(folder, "5file.png"), QString::fromStdString(fs::canonical(catalogue / "5file.png").string()));
    EXPECT_EQ(app::CatalogFilePath(folder, "../outside.png"), QString());
    EXPECT_EQ(app::CatalogFilePath(folder, "link.png"), QString());
    EXPECT_EQ(app::CatalogFilePath(folder, "Sub"), QString());  // a folder is no file
}

TEST_F(CardTest, AMissingEmptyPngIsReportedByTheErrorBox) {
    fs::remove(catalogue / "empty.png");
    EXPECT_THROW(form->HTMLViewerImageRequest("missing.png"), std::runtime_error);
    // Through the viewer: no picture now, the error once the event loop runs.
    const std::optional<QByteArray> bytes = form->HTMLViewer->ImageRequest()("missing.png");
    ASSERT_TRUE(bytes.has_value());
    EXPECT_TRUE(bytes->isEmpty());
    QCoreApplication::processEvents();
    ASSERT_EQ(application()->errors.size(), 1u);
    EXPECT_NE(application()->errors[0].find("empty.png"), std::string::npos) << application()->errors[0];
}

TEST(CardImageSource, TheLeadingDigitIsTheKind) {
    const std::vector<std::tuple<QString, QString, int>> cases = {
        {"1logo.png", "logo.png", 1}, {"3photo.png", "photo.png", 2}, {"2a.png", "a.png", 2},
        {"logo.png", "logo.png", 0},  {"0x.png", "x.png", 0},         {"12.png", "2.png", 1},
        {"", "", 0},
    };
    for (const auto& [src, name, kind] : cases) {
        const app::TCardImageSource source = app::SplitImageSource(src);
        EXPECT_EQ(source.Name, name) << src.toStdString();
        EXPECT_EQ(source.Kind, kind) << src.toStdString();
    }
}

TEST_F(CardTest, APictureClickShowsTheFullPictureOfItsKind) {
    struct Case {
        QString src;
        bool shown;
        QSize size;
    };
    const Case cases[] = {
        {"1logo.png", true, {60, 40}},
        {"3photo.png", true, {50, 50}},  // kind 2
        {"2logo.png", true, {70, 30}},
        {"plain.png", false, {}},        // kind 0: nothing
        {"file:1logo.png", false, {}},
    };
    for (const Case& c : cases) {
        form->FullScreenImageForm->ShowFullScreen(false);
        form->HTMLViewerImageClick(c.src);
        EXPECT_EQ(form->FullScreenImageForm->isVisible(), c.shown) << c.src.toStdString();
        if (c.shown) {
            EXPECT_EQ(form->FullScreenImageForm->Picture().size(), c.size) << c.src.toStdString();
        }
    }
}

TEST_F(CardTest, ClickingAPictureInTheViewerOpensTheFullScreenWindow) {
    form->ShowCompany(17);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    form->HTMLViewer->document()->documentLayout()->documentSize();
    EXPECT_EQ(form->HTMLViewer->ImageSourceAt(pictureCentre(0)), "1logo.png");
    EXPECT_EQ(form->HTMLViewer->ImageSourceAt(QPoint(form->HTMLViewer->viewport()->width() - 2, 2)), QString());
    // Kind 0 does nothing.
    QTest::mouseClick(form->HTMLViewer->viewport(), Qt::LeftButton, {}, pictureCentre(2));
    EXPECT_FALSE(form->FullScreenImageForm->isVisible());
    QTest::mouseClick(form->HTMLViewer->viewport(), Qt::LeftButton, {}, pictureCentre(1));
    ASSERT_TRUE(form->FullScreenImageForm->isVisible());
    EXPECT_EQ(form->FullScreenImageForm->Picture().size(), QSize(50, 50));
    EXPECT_TRUE(opened.empty());
}

TEST_F(CardTest, TheFullScreenWindowFitsThePictureAndLeavesOnAClickOrACharacter) {
    gallery::TFullScreenImageForm& window = *form->FullScreenImageForm;
    window.LoadPictureFile(QString::fromStdString((catalogue / "Partners" / "partner.png").string()));
    window.resize(600, 300);
    // 30 x 20 fitted into 600 x 300: 450 x 300, centred.
    EXPECT_EQ(window.PictureRect(), QRect(75, 0, 450, 300));
    window.resize(300, 600);
    EXPECT_EQ(window.PictureRect(), QRect(0, 200, 300, 200));
    struct Case {
        const char* what;
        std::function<void()> act;
        bool hidden;
    };
    const Case cases[] = {
        {"arrow", [&] { QTest::keyClick(&window, Qt::Key_Left); }, false},
        {"shift", [&] { QTest::keyClick(&window, Qt::Key_Shift); }, false},
        {"escape", [&] { QTest::keyClick(&window, Qt::Key_Escape); }, true},
        {"enter", [&] { QTest::keyClick(&window, Qt::Key_Return); }, true},
        {"space", [&] { QTest::keyClick(&window, Qt::Key_Space); }, true},
        {"letter", [&] { QTest::keyClick(&window, Qt::Key_Q); }, true},
        {"click", [&] { QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(5, 5)); }, true},
    };
    for (const Case& c : cases) {
        window.ShowFullScreen(true);
        c.act();
        EXPECT_EQ(window.isHidden(), c.hidden) << c.what;
    }
}

TEST_F(CardTest, AnUnreadablePictureFileIsReportedAndKeepsThePicture) {
    gallery::TFullScreenImageForm& window = *form->FullScreenImageForm;
    window.LoadPictureFile(QString::fromStdString((catalogue / "5file.png").string()));
    writeFile(root / "broken.png", "not a picture");
    writeFile(root / "picture.xyz", FilePng);
    for (const char* name : {"broken.png", "picture.xyz", "missing.png"})
        EXPECT_THROW(window.LoadPictureFile(QString::fromStdString((root / name).string())), gallery::EPictureLoadError)
            << name;
    EXPECT_EQ(window.Picture().size(), QSize(8, 1));
}

// --- Links -----------------------------------------------------------------------

TEST_F(CardTest, WebAndMailLinksGoToTheShellOthersArePartnerPictures) {
    struct Case {
        QString src;
        bool shell;
    };
    const Case cases[] = {
        {"http://www.alpha.by", true},
        {"HTTP://WWW.Alpha.BY/Page", true},  // passed on as written
        {"mailto:info@alpha.by", true},
        {"MailTo:Info@Alpha.by", true},
        {"see http://x.by", true},
        {"partner.png", false},
        {"PARTNER.png", false},
    };
    for (const Case& c : cases) {
        opened.clear();
        form->FullScreenImageForm->ShowFullScreen(false);
        form->HTMLViewerHotSpotClick(c.src);
        if (c.shell) {
            EXPECT_EQ(opened, std::vector<QString>{c.src});
            EXPECT_FALSE(form->FullScreenImageForm->isVisible()) << c.src.toStdString();
        } else {
            EXPECT_TRUE(opened.empty()) << c.src.toStdString();
            EXPECT_TRUE(form->FullScreenImageForm->isVisible()) << c.src.toStdString();
            EXPECT_EQ(form->FullScreenImageForm->Picture().size(), QSize(30, 20)) << c.src.toStdString();
        }
    }
}

TEST_F(CardTest, APartnerPictureOutsideThePartnersFolderIsNotRead) {
    for (const QString& src : {QString("missing.png"), QString("../../outside.png"),
                               QString::fromStdString((root / "outside.png").string())}) {
        EXPECT_THROW(form->HTMLViewerHotSpotClick(src), gallery::EPictureLoadError) << src.toStdString();
        EXPECT_FALSE(form->FullScreenImageForm->isVisible());
        EXPECT_TRUE(form->FullScreenImageForm->Picture().isNull());
    }
}

TEST_F(CardTest, ALinkClickInTheViewerReportsTheTargetAsWritten) {
    form->HTMLViewer->LoadFromString("<p>go <a href=\"HTTP://Example.COM/Path\">there</a> now</p>");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    QTextCursor link = form->HTMLViewer->document()->find("there");
    link.setPosition(link.selectionStart() + 2);
    const QPoint at = form->HTMLViewer->cursorRect(link).center();
    QTest::mouseClick(form->HTMLViewer->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(opened, std::vector<QString>{"HTTP://Example.COM/Path"});
    EXPECT_TRUE(form->HTMLViewer->toPlainText().contains("there"));  // not followed
}

// --- Start page, find, font size -------------------------------------------------

TEST_F(CardTest, TheStartPageIsTheCataloguesElseTheProgramsWelcomePage) {
    writeFile(catalogue / "Welcome.htm",
              cp("<html><body><p>Страница каталога</p><img src=\"1logo.png\"><img src=\"5file.png\"></body></html>"));
    form->SelectedCompanyNameLabel->setText("x");
    form->ShowCompany(17);
    form->ShowStartPage();
    EXPECT_EQ(form->RightPages->currentWidget(), form->HtmlDecorativePanel);
    EXPECT_EQ(form->HTMLViewer->toPlainText().remove(QChar::ObjectReplacementCharacter).trimmed(),
              U("Страница каталога"));
    EXPECT_EQ(form->SelectedCompanyNameLabel->text(), QString());
    // Its pictures are requested as the card's are: the database first.
    QTextDocument* doc = form->HTMLViewer->document();
    doc->documentLayout()->documentSize();
    EXPECT_EQ(doc->resource(QTextDocument::ImageResource, QUrl("1logo.png")).value<QImage>().size(), QSize(6, 4));
    EXPECT_EQ(doc->resource(QTextDocument::ImageResource, QUrl("5file.png")).value<QImage>().size(), QSize(8, 1));
    fs::remove(catalogue / "Welcome.htm");
    form->ShowStartPage();
    EXPECT_EQ(form->HTMLViewer->toPlainText().trimmed(), U("Страница программы"));
}

TEST_F(CardTest, FindStartsAtTheTopAndFindNextGoesOn) {
    form->TopicsTree->setCurrentIndex(companyNode(1));  // the commands need a company
    ASSERT_TRUE(form->FindInDocAction->isEnabled());
    form->HTMLViewer->LoadFromString("<p>Alpha beta alpha gamma ALPHA</p>");
    app::TFindDialogForm& dialog = *form->FindDialogForm;
    auto answer = [&](QPushButton* button) { QTimer::singleShot(0, button, &QPushButton::click); };
    auto selection = [&] { return form->HTMLViewer->textCursor().selectionStart(); };

    EXPECT_FALSE(dialog.FindButton->isEnabled());
    dialog.TextToFindEdit->setText("alpha");
    EXPECT_TRUE(dialog.FindButton->isEnabled());
    dialog.MatchCaseCheckBox->setChecked(false);
    answer(dialog.FindButton);
    form->FindInDocAction->trigger();
    EXPECT_EQ(selection(), 0);
    EXPECT_EQ(form->HTMLViewer->textCursor().selectedText(), "Alpha");
    form->FindNextInDocAction->trigger();
    EXPECT_EQ(selection(), 11);
    form->FindNextInDocAction->trigger();
    EXPECT_EQ(selection(), 23);

    // Case-sensitive, from the top again; the edit kept its text.
    dialog.MatchCaseCheckBox->setChecked(true);
    answer(dialog.FindButton);
    form->FindInDocAction->trigger();
    EXPECT_EQ(dialog.TextToFindEdit->text(), "alpha");
    EXPECT_EQ(selection(), 11);
    form->FindNextInDocAction->trigger();  // no more: the mark stays
    EXPECT_EQ(selection(), 11);

    // Cancelled: the search position stays.
    dialog.MatchCaseCheckBox->setChecked(false);
    answer(dialog.CancelButton);
    form->FindInDocAction->trigger();
    EXPECT_EQ(selection(), 11);
}

TEST_F(CardTest, AFontSizeCommandStoresTheSettingAndReshowsTheCard) {
    form->TopicsTree->setCurrentIndex(companyNode(1));
    struct Case {
        QAction* action;
        int points;
        const char* word;
    };
    const Case cases[] = {{form->FontHugeAction, 16, "huge"},
                          {form->FontNormalAction, 12, "normal"},
                          {form->FontLargeAction, 14, "large"},
                          {form->FontSmallAction, 10, "small"}};
    for (const Case& c : cases) {
        form->HTMLViewer->clear();
        c.action->trigger();
        EXPECT_EQ(settings::ReadFontSizeSetting(), c.word);
        EXPECT_EQ(form->HTMLViewer->DefaultFontSize(), c.points);
        EXPECT_EQ(form->HTMLViewer->document()->defaultFont().pointSize(), c.points);
        for (QAction* action : {form->FontHugeAction, form->FontLargeAction, form->FontNormalAction,
                                form->FontSmallAction})
            EXPECT_EQ(action->isChecked(), action == c.action) << c.word;
        EXPECT_TRUE(form->HTMLViewer->toPlainText().contains(U("Бета"))) << c.word;
    }
}

// --- Notes -----------------------------------------------------------------------

TEST_F(CardTest, NotesAreSavedAtEveryKeystrokeAndDeletedWhenEmptied) {
    catalog::DaziData->SetNote(17, cp("Старая"));
    form->LoadNote(17);
    EXPECT_EQ(form->NotesMemo->toPlainText(), U("Старая"));
    EXPECT_EQ(storedNote(17), cp("Старая"));

    form->LoadNote(18);  // filling the box stores nothing
    EXPECT_EQ(form->NotesMemo->toPlainText(), QString());
    EXPECT_EQ(noteRows(), 1);
    form->NotesMemo->setFocus();
    QTest::keyClick(form->NotesMemo, Qt::Key_A);
    EXPECT_EQ(storedNote(18), "a");
    QTest::keyClick(form->NotesMemo, Qt::Key_B);
    EXPECT_EQ(storedNote(18), "ab");
    QTest::keyClick(form->NotesMemo, Qt::Key_Return);
    QTest::keyClick(form->NotesMemo, Qt::Key_C);
    EXPECT_EQ(storedNote(18), "ab\r\nc");  // line breaks as the catalog keeps them
    EXPECT_EQ(storedNote(17), cp("Старая"));

    form->LoadNote(18);
    EXPECT_EQ(form->NotesMemo->toPlainText(), "ab\nc");
    form->NotesMemo->selectAll();
    QTest::keyClick(form->NotesMemo, Qt::Key_Delete);
    EXPECT_EQ(storedNote(18), "");
    EXPECT_EQ(noteRows(), 1);  // only company 17's
}

TEST_F(CardTest, TheNotesButtonShowsAndHidesTheNotes) {
    EXPECT_FALSE(form->NotesSizePanel->isVisible());
    form->NotesButton->trigger();
    EXPECT_TRUE(form->NotesSizePanel->isVisible());
    EXPECT_EQ(form->NotesButton->text(), U("Скрыть заметки"));
    form->NotesButton->trigger();
    EXPECT_FALSE(form->NotesSizePanel->isVisible());
    EXPECT_EQ(form->NotesButton->text(), U("Показать заметки"));
}

}  // namespace

int main(int argc, char** argv) {
    // Listing the tests runs this without the tests' environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The stored setting goes to a folder of the test's own.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    fb::usePrivateRoot(MARVENIC_FIREBIRD_ROOT);
    TTestApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
