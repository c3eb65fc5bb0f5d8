#pragma once

#include <QPixmap>
#include <QSize>

// The pictures of the windows that look across all ten archives.
namespace HouseholdPictures {
// The menu icon of the search in every archive: a magnifying glass over a
// stack of archive boxes, on a round plate like the menu's other icons.
QPixmap searchAll(const QSize& size);
} // namespace HouseholdPictures
