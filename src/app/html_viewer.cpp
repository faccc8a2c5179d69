#include "app/html_viewer.h"

#include "platform/text/cp1251.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace app {

THTMLViewer::THTMLViewer(QWidget* parent) : QTextBrowser(parent) {
    setFrameShape(QFrame::NoFrame);
    setOpenLinks(false);
    setOpenExternalLinks(false);
    setTextInteractionFlags(Qt::TextBrowserInteraction);
    // As web pages do: a narrow table column breaks between words, never inside one.
    setWordWrapMode(QTextOption::WordWrap);
    QPalette white = palette();
    white.setColor(QPalette::Base, Qt::white);
    white.setColor(QPalette::Text, Qt::black);
    setPalette(white);
    SetDefaultFontSize(m_defaultFontSize);
    connect(this, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) { emit HotSpotClick(RawAnchor(url)); });
}

void THTMLViewer::LoadFromString(const QString& Html) {
    setSearchPaths({});
    document()->setBaseUrl(QUrl());
    setHtml(Html);
}

bool THTMLViewer::LoadFromFile(const QString& FileName) {
    QFile file(FileName);
    if (!file.open(QIODevice::ReadOnly)) {
        clear();
        return false;
    }
    const QByteArray bytes = file.readAll();
    const QString folder = QFileInfo(FileName).absolutePath();
    // Search paths rather than a base: a base would turn every source into
    // a file URL before the picture request sees it.
    setSearchPaths({folder});
    document()->setBaseUrl(QUrl());
    setHtml(text::fromCp1251(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))));
    return true;
}

void THTMLViewer::SetDefaultFontSize(int Points) {
    m_defaultFontSize = Points;
    QFont font(QStringLiteral("Verdana"));
    font.setPointSize(Points);
    // The widget font is what a font change event hands the document again.
    setFont(font);
    document()->setDefaultFont(font);
}

bool THTMLViewer::FindNext(const QString& Text, bool MatchCase) {
    if (Text.isEmpty())
        return false;
    return find(Text, MatchCase ? QTextDocument::FindCaseSensitively : QTextDocument::FindFlags());
}

bool THTMLViewer::FindFromStart(const QString& Text, bool MatchCase) {
    moveCursor(QTextCursor::Start);
    return FindNext(Text, MatchCase);
}

QString THTMLViewer::ImageSourceAt(const QPoint& ViewportPos) const {
    QTextDocument* doc = document();
    const QPointF docPos =
        QPointF(ViewportPos) + QPointF(horizontalScrollBar()->value(), verticalScrollBar()->value());
    const int hit = doc->documentLayout()->hitTest(docPos, Qt::FuzzyHit);
    if (hit < 0)
        return {};
    // The hit lands before or after the picture's character, by the half.
    for (const int at : {hit, hit - 1}) {
        if (at < 0 || at + 1 >= doc->characterCount() || doc->characterAt(at) != QChar::ObjectReplacementCharacter)
            continue;
        QTextCursor after(doc);
        after.setPosition(at + 1);
        const QTextCharFormat format = after.charFormat();  // of the character before the position
        if (!format.isImageFormat())
            continue;
        QTextCursor before(doc);
        before.setPosition(at);
        const QRect left = cursorRect(before);
        const QRect right = cursorRect(after);
        if (left.top() != right.top() || right.left() <= left.left())
            continue;
        if (QRect(left.left(), left.top(), right.left() - left.left(), left.height()).contains(ViewportPos))
            return format.toImageFormat().name();
    }
    return {};
}

QVariant THTMLViewer::loadResource(int type, const QUrl& name) {
    if (type == QTextDocument::ImageResource && m_imageRequest)
        if (std::optional<QByteArray> bytes = m_imageRequest(name.toString()))
            return *bytes;
    return QTextBrowser::loadResource(type, name);
}

void THTMLViewer::mousePressEvent(QMouseEvent* event) {
    m_pressPos = event->position().toPoint();
    m_pressAnchor = anchorAt(m_pressPos);
    m_pressed = true;
    QTextBrowser::mousePressEvent(event);
}

void THTMLViewer::mouseMoveEvent(QMouseEvent* event) {
    QTextBrowser::mouseMoveEvent(event);
    UpdateImageCursor(event->position().toPoint());
}

void THTMLViewer::mouseReleaseEvent(QMouseEvent* event) {
    QTextBrowser::mouseReleaseEvent(event);
    const QPoint pos = event->position().toPoint();
    const bool click = m_pressed && (pos - m_pressPos).manhattanLength() < QApplication::startDragDistance();
    m_pressed = false;
    // A picture inside a link is the link's: its hot spot is reported.
    if (!click || !anchorAt(pos).isEmpty())
        return;
    const QString src = ImageSourceAt(pos);
    if (!src.isEmpty())
        emit ImageClick(src);
}

// The link as written: the URL the browser reports has its scheme and host
// in lower case.
QString THTMLViewer::RawAnchor(const QUrl& Url) const {
    for (const QString& candidate : {m_pressAnchor, textCursor().charFormat().anchorHref()})
        if (!candidate.isEmpty() && QUrl(candidate) == Url)
            return candidate;
    return Url.toString();
}

void THTMLViewer::UpdateImageCursor(const QPoint& ViewportPos) {
    if (!anchorAt(ViewportPos).isEmpty()) {
        m_handCursor = false;  // the browser's own link cursor
        return;
    }
    const QString src = ImageIsClickable ? ImageSourceAt(ViewportPos) : QString();
    const bool hand = !src.isEmpty() && ImageIsClickable(src);
    if (hand == m_handCursor)
        return;
    m_handCursor = hand;
    if (hand) {
        m_savedCursor = viewport()->cursor();
        viewport()->setCursor(Qt::PointingHandCursor);
    } else {
        viewport()->setCursor(m_savedCursor);
    }
}

}  // namespace app
