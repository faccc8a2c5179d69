#include "gallery/full_screen_image.h"

#include "catalog/dazi_data.h"
#include "platform/ui/wait_cursor.h"

#include <QApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

namespace gallery {
TFullScreenImageForm::TFullScreenImageForm(QWidget* Parent)
    : QWidget(Parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("FullScreenImageForm"));
    setWindowTitle(QStringLiteral("Logo"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAutoFillBackground(false);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setFocusPolicy(Qt::StrongFocus);
}

void TFullScreenImageForm::ShowFullScreen(bool Show) {
    if (!Show) {
        hide();
        setWindowState(Qt::WindowNoState);
        // Keys go back to the window the picture was opened from.
        if (QWidget* owner = parentWidget())
            owner->window()->activateWindow();
        return;
    }
    QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    // The whole screen also where no window manager honours "full screen".
    if (screen)
        setGeometry(screen->geometry());
    showFullScreen();
    raise();
    activateWindow();
    setFocus();
}

void TFullScreenImageForm::LoadCatalogPicture(const std::string& ImageName, int ImageKind) {
    ui::TWaitCursor wait;
    catalog::DaziData->LoadPicture(ImageName, ImageKind, m_picture);
    update();
}

void TFullScreenImageForm::LoadPictureFile(const QString& FileName) {
    const QFileInfo info(FileName);
    if (!info.isFile())
        throw EPictureLoadError("Cannot open file \"" + FileName.toStdString() + "\". No such file.");
    const QByteArray format = info.suffix().toLower().toLatin1();
    if (!QImageReader::supportedImageFormats().contains(format))
        throw EPictureLoadError("Unknown picture file extension (." + format.toStdString() + ")");
    QImageReader reader(FileName, format);
    reader.setDecideFormatFromContent(false);
    QImage picture = reader.read();
    if (picture.isNull())
        throw EPictureLoadError("Cannot read the picture \"" + FileName.toStdString() +
                                "\": " + reader.errorString().toStdString());
    m_picture = std::move(picture);
    update();
}

QRect TFullScreenImageForm::PictureRect() const {
    if (m_picture.isNull())
        return {};
    const QSize size = m_picture.size().scaled(this->size(), Qt::KeepAspectRatio);
    return QRect(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
}

void TFullScreenImageForm::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (m_picture.isNull())
        return;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(PictureRect(), m_picture);
}

void TFullScreenImageForm::mousePressEvent(QMouseEvent*) { FullScreenImageClick(); }

void TFullScreenImageForm::keyPressEvent(QKeyEvent* event) { FormKeyPress(event); }

void TFullScreenImageForm::FullScreenImageClick() { ShowFullScreen(false); }

// Keys that produce a character leave; arrows, shifts and the like do not.
void TFullScreenImageForm::FormKeyPress(QKeyEvent* event) {
    const bool character = !event->text().isEmpty() || event->key() == Qt::Key_Escape ||
                           event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (character)
        ShowFullScreen(false);
    else
        QWidget::keyPressEvent(event);
}

}  // namespace gallery
