#pragma once

#include <QPixmap>
#include <QSize>

// The pictures of the spending overview, drawn when asked for.
namespace SpendingPictures {
// The main menu's icon: a round plate with a small bar chart and a coin.
QPixmap menuIcon(const QSize& size);
} // namespace SpendingPictures
