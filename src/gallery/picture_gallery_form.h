// The picture gallery under the companies table: for now only its pane and
// its calls. It remembers which pictures it was asked for, and shows nothing
// until the scrolling gallery control exists.
#pragma once

#include <QPersistentModelIndex>
#include <QString>
#include <QWidget>

#include <functional>
#include <optional>
#include <utility>

class QAbstractItemModel;

namespace gallery {

class TPictureGalleryForm : public QWidget {
    Q_OBJECT
public:
    explicit TPictureGalleryForm(QWidget* Parent = nullptr);

    // Folder of the advertisement pictures, ending in "/".
    QString AdvertFolder;
    // A click on a picture: its image id and company (-1 for an advertisement).
    std::function<void(const QString& ImageName, int CompanyID)> OnPictureClick;

    // The pictures of the companies inside a nested-set topic range.
    void ShowRangePictures(int L, int R);
    // The pictures of the company nodes below Node of Tree.
    void ShowSubtreePictures(const QAbstractItemModel& Tree, const QModelIndex& Node);

    // What the last Show… asked for: a range, or a subtree node.
    std::optional<std::pair<int, int>> ShownRange() const { return m_range; }
    QPersistentModelIndex ShownSubtree() const { return m_subtree; }

private:
    std::optional<std::pair<int, int>> m_range;
    QPersistentModelIndex m_subtree;
};

}  // namespace gallery
