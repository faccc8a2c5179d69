// The company card in the right half of the main window: the card HTML, its
// pictures and links, the start page, finding text, and the notes box.
#include "app/main_form.h"

#include "app/catalogue_discovery.h"
#include "app/company_card.h"
#include "app/find_dialog.h"
#include "app/html_viewer.h"
#include "catalog/dazi_data.h"
#include "catalog/data_mediator.h"
#include "catalog/stream.h"
#include "gallery/full_screen_image.h"
#include "platform/files/files.h"
#include "platform/text/cp1251.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTimer>

#include <exception>
#include <stdexcept>

namespace app {
namespace {

const QString FileScheme = QStringLiteral("file:");

}  // namespace

void TMainForm::CreateCardView() {
    FindDialogForm = new TFindDialogForm(this);
    FullScreenImageForm = new gallery::TFullScreenImageForm(this);
    OpenDocumentHook = [](const QString& Target) { catalog::OpenDocument(Target); };

    HTMLViewer->SetImageRequestHandler([this](const QString& Src) -> std::optional<QByteArray> {
        try {
            std::unique_ptr<catalog::TMemoryStream> stream = HTMLViewerImageRequest(Src);
            if (!stream)
                return std::nullopt;
            const std::string& bytes = stream->Bytes();
            return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
        } catch (...) {
            // Raised again from the event loop, where the error box shows
            // it: the viewer is in the middle of its layout here.
            QTimer::singleShot(0, this, [error = std::current_exception()] { std::rethrow_exception(error); });
            return QByteArray();
        }
    });
    HTMLViewer->ImageIsClickable = [](const QString& Src) {
        return !Src.contains(FileScheme) && SplitImageSource(Src).Kind != 0;
    };
    connect(HTMLViewer, &THTMLViewer::HotSpotClick, this, &TMainForm::HTMLViewerHotSpotClick);
    connect(HTMLViewer, &THTMLViewer::ImageClick, this, &TMainForm::HTMLViewerImageClick);
    connect(NotesMemo, &QPlainTextEdit::textChanged, this, &TMainForm::NotesMemoChange);
    connect(FindInDocAction, &QAction::triggered, this, &TMainForm::FindInDocActionExecute);
    connect(FindNextInDocAction, &QAction::triggered, this, &TMainForm::FindNextInDocActionExecute);
}

void TMainForm::ShowCompany(int CompanyId) {
    RightPages->setCurrentWidget(HtmlDecorativePanel);
    std::string html;
    BuildCompanyHtml(catalog::DaziData->GetCompanyXML(CompanyId), html);
    HTMLViewer->LoadFromString(text::fromCp1251(html));
}

void TMainForm::BuildCompanyHtml(const std::string& RecordXml, std::string& Html) const {
    if (!m_styleSheet || !*m_styleSheet)
        throw std::logic_error("The card style sheet is not loaded");
    Html = app::BuildCompanyHtml(RecordXml, CardConditions, *m_styleSheet);
}

void TMainForm::ShowStartPage() {
    RightPages->setCurrentWidget(HtmlDecorativePanel);
    QString page = files::FindFileNoCase(m_catalogueFolder, QStringLiteral("Welcome.htm"));
    if (m_catalogueFolder.isEmpty() || !QFileInfo(page).isFile())
        page = files::FindFileNoCase(ProgramFolder, QStringLiteral("Welcome.htm"));
    SelectedCompanyNameLabel->clear();
    statusBar()->clearMessage();
    HTMLViewer->LoadFromFile(page);
}

std::unique_ptr<catalog::TMemoryStream> TMainForm::HTMLViewerImageRequest(const QString& SRC) {
    if (SRC.contains(FileScheme))
        return nullptr;
    const TCardImageSource source = SplitImageSource(SRC);
    if (std::unique_ptr<catalog::TMemoryStream> stream =
            catalog::DaziData->GetImageStream("IMAGES", text::toCp1251(source.Name), true, source.Kind)) {
        stream->SetPosition(0);
        return stream;
    }
    // Only files inside the catalog folder: the source comes from the record.
    QString path = CatalogFilePath(m_catalogueFolder, SRC);
    if (path.isEmpty())
        path = files::FindFileNoCase(m_catalogueFolder, QStringLiteral("empty.png"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("Cannot open file \"" + path.toStdString() + "\". " +
                                 file.errorString().toStdString());
    const QByteArray bytes = file.readAll();
    return std::make_unique<catalog::TMemoryStream>(std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

void TMainForm::HTMLViewerImageClick(const QString& Src) {
    if (Src.contains(FileScheme))
        return;
    const TCardImageSource source = SplitImageSource(Src);
    if (source.Kind == 0)
        return;
    FullScreenImageForm->LoadCatalogPicture(text::toCp1251(source.Name), source.Kind);
    FullScreenImageForm->ShowFullScreen(true);
}

void TMainForm::HTMLViewerHotSpotClick(const QString& SRC) {
    const QString lower = SRC.toLower();
    if (lower.contains(QLatin1String("http://")) || lower.contains(QLatin1String("mailto:"))) {
        OpenDocumentHook(SRC);
        return;
    }
    const QString relative = QStringLiteral("Partners/") + SRC;
    const QString path = CatalogFilePath(m_catalogueFolder, relative);
    // A partner picture that is missing or lies outside the catalog folder
    // is not read.
    if (path.isEmpty())
        throw gallery::EPictureLoadError("Cannot open file \"" +
                                         files::FilePathNoCase(m_catalogueFolder, relative).toStdString() +
                                         "\". No such file.");
    FullScreenImageForm->LoadPictureFile(path);
    FullScreenImageForm->ShowFullScreen(true);
}

void TMainForm::FindInDocActionExecute() {
    if (FindDialogForm->exec() != QDialog::Accepted)
        return;
    HTMLViewer->FindFromStart(FindDialogForm->TextToFind(), FindDialogForm->MatchCase());
}

void TMainForm::FindNextInDocActionExecute() {
    HTMLViewer->FindNext(FindDialogForm->TextToFind(), FindDialogForm->MatchCase());
}

void TMainForm::LoadNote(int CompanyId) {
    NotesMemo->setProperty("tag", 0);
    // Notes keep the line breaks of the catalog's own platform, CR LF.
    QString note = text::fromCp1251(catalog::DaziData->GetNote(CompanyId));
    note.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    NotesMemo->setPlainText(note);
    NotesMemo->setProperty("tag", CompanyId);
}

void TMainForm::NotesMemoChange() {
    const int companyId = NotesMemo->property("tag").toInt();
    if (companyId <= 0)
        return;
    QString note = NotesMemo->toPlainText();
    note.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    catalog::DaziData->SetNote(companyId, text::toCp1251(note));
}

}  // namespace app
