// The card viewer: a text browser that asks its owner for the pictures of a
// page, reports link and picture clicks instead of following links, and
// finds text in the page.
#pragma once

#include <QByteArray>
#include <QCursor>
#include <QString>
#include <QTextBrowser>

#include <functional>
#include <optional>

class QPainter;

namespace app {

class THTMLViewer : public QTextBrowser {
    Q_OBJECT
public:
    explicit THTMLViewer(QWidget* parent = nullptr);

    // Called for every picture of a page with its source as written. The
    // bytes of the picture, or nothing to let the viewer load the source
    // itself (relative to the page).
    using ImageRequestHandler = std::function<std::optional<QByteArray>(const QString& Src)>;
    void SetImageRequestHandler(ImageRequestHandler Handler) { m_imageRequest = std::move(Handler); }
    const ImageRequestHandler& ImageRequest() const { return m_imageRequest; }

    // Whether a click on the picture of this source does something; the
    // pointer becomes a hand over such pictures.
    std::function<bool(const QString& Src)> ImageIsClickable;

    // Draws the footer band of a printed page (W x H device pixels); the
    // printing of the viewer calls it for each page.
    using PrintFooterHandler =
        std::function<void(QPainter& Canvas, int NumPage, int W, int H, bool& StopPrinting)>;
    PrintFooterHandler OnPrintFooter;

    // Print settings, kept for the printing of the viewer.
    double PrintMarginLeft = 1.5;
    double PrintMarginRight = 1.5;
    double PrintMarginTop = 1.5;
    double PrintMarginBottom = 2.5;
    double PrintScale = 1.0;

    // A page held in memory, without a base for relative sources.
    void LoadFromString(const QString& Html);
    // A page file in code page 1251. Its pictures are requested by their
    // sources as written too; what the request leaves to the viewer is
    // looked for beside the page. False (and an empty viewer) when the file
    // cannot be read.
    bool LoadFromFile(const QString& FileName);

    void SetDefaultFontSize(int Points);
    int DefaultFontSize() const { return m_defaultFontSize; }

    // Searches forward from the current position; a hit becomes the
    // selection and is scrolled into view. False when nothing is found.
    bool FindNext(const QString& Text, bool MatchCase);
    // The same from the start of the page.
    bool FindFromStart(const QString& Text, bool MatchCase);

    // The source of the picture under a viewport position; empty when none.
    QString ImageSourceAt(const QPoint& ViewportPos) const;

signals:
    // A link was clicked or activated; Src is its target as written.
    void HotSpotClick(const QString& Src);
    // A picture that is not inside a link was clicked.
    void ImageClick(const QString& Src);

protected:
    QVariant loadResource(int type, const QUrl& name) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString RawAnchor(const QUrl& Url) const;
    void UpdateImageCursor(const QPoint& ViewportPos);

    ImageRequestHandler m_imageRequest;
    int m_defaultFontSize = 10;
    QPoint m_pressPos;
    QString m_pressAnchor;
    bool m_pressed = false;
    bool m_handCursor = false;
    QCursor m_savedCursor;
};

}  // namespace app
