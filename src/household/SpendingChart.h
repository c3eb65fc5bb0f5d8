#pragma once

#include "household/SpendingBars.h"

#include <QImage>
#include <QWidget>

#include <optional>

class QPainter;

// The overview's chart on screen (imgGrafico): paints the bars it is given
// and shows the tooltip of the segment under the mouse.
class SpendingChart : public QWidget {
    Q_OBJECT
public:
    explicit SpendingChart(QWidget* parent = nullptr);

    // Lays the chart out again for the widget's size.
    void showYear(const SpendingSummary& summary, int year);
    const std::optional<SpendingBars>& bars() const { return bars_; }

    // The whole chart painted at the painter's origin.
    static void paint(QPainter& p, const SpendingBars& bars);
    // The chart on white, `scale` device pixels to one unit of its size.
    static QImage picture(const SpendingBars& bars, qreal scale);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    std::optional<SpendingBars> bars_;
};
