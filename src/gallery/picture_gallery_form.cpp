#include "gallery/picture_gallery_form.h"

#include <QPalette>

namespace gallery {

TPictureGalleryForm::TPictureGalleryForm(QWidget* Parent) : QWidget(Parent) {
    setObjectName(QStringLiteral("PictureGalleryForm"));
    setAutoFillBackground(true);
    QPalette pale = palette();
    pale.setColor(QPalette::Window, QColor(0xff, 0xff, 0xe1));  // the gallery's pale yellow
    setPalette(pale);
}

void TPictureGalleryForm::ShowRangePictures(int L, int R) {
    m_range = std::make_pair(L, R);
    m_subtree = QPersistentModelIndex();
}

void TPictureGalleryForm::ShowSubtreePictures(const QAbstractItemModel&, const QModelIndex& Node) {
    m_range.reset();
    m_subtree = QPersistentModelIndex(Node);
}

}  // namespace gallery
