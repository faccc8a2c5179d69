// The full-screen picture window: one picture, scaled to fit and centred on
// black, over everything, until a click or a character key.
#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

#include <stdexcept>
#include <string>

namespace gallery {

// A picture file that is missing, of an unknown kind or not decodable.
class EPictureLoadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TFullScreenImageForm : public QWidget {
    Q_OBJECT
public:
    // Always a window of its own; Parent only owns it.
    explicit TFullScreenImageForm(QWidget* Parent = nullptr);

    // True: over the whole screen and visible; false: hidden again.
    void ShowFullScreen(bool Show);
    // The full picture of the catalog database (name in code page 1251);
    // no such row leaves the picture empty. The hourglass shows meanwhile.
    void LoadCatalogPicture(const std::string& ImageName, int ImageKind);
    // A picture file, decoded by its extension. Throws EPictureLoadError and
    // keeps the previous picture when that fails.
    void LoadPictureFile(const QString& FileName);

    const QImage& Picture() const { return m_picture; }
    // Where the picture is drawn in the window: fitted, proportions kept, centred.
    QRect PictureRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FullScreenImageClick();
    void FormKeyPress(QKeyEvent* event);

    QImage m_picture;
};

}  // namespace gallery
