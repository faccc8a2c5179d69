// The pictures of the main tree's nodes, by the numbers of the window's
// image list: 13 a topic (a folder, shown open while expanded), 14 a company
// and 104 to 107 a company with one of its Property marks.
#pragma once

#include <QHash>
#include <QIcon>

namespace app {

inline constexpr int TreePictureNumbers[] = {13, 14, 104, 105, 106, 107};

// Drawn once per call, at 16 pixels and the larger sizes of dense screens.
QHash<int, QIcon> TreePictures();

}  // namespace app
