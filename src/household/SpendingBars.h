#pragma once

#include "household/SpendingSummary.h"

#include <QColor>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

// The overview's bar chart laid out for a size, without a widget: one bar per
// month of the year (or one per year), each stacked by archive in the
// archive's colour, the euro axis, the legend, and the previous year's
// monthly totals as a line. The chart widget only paints what this gives,
// and asks it for the tooltip under the mouse.
class SpendingBars {
public:
    struct Segment {
        QRectF rect;
        QColor colour;
        QString tip; // "Luce, marzo 2025: € 123,45"
    };
    struct Tick {
        qreal y;
        QString text; // "€ 1.500"
    };
    struct Label {
        QRectF rect;
        QString text;
    };
    struct LegendEntry {
        QRectF swatch;
        QRectF text;
        QColor colour;
        QString name;
    };

    SpendingBars(const SpendingSummary& summary, int year, const QSizeF& size);

    QSizeF size() const { return size_; }
    QRectF plot() const { return plot_; }
    const QList<Segment>& segments() const { return segments_; }
    const QList<Tick>& ticks() const { return ticks_; }
    const QList<Label>& barLabels() const { return barLabels_; }
    const QList<LegendEntry>& legend() const { return legend_; }
    // The previous year's monthly totals, one point per month; empty with
    // every year, or when the previous year has no card.
    const QList<QPointF>& previousYear() const { return previous_; }
    // The line's own legend entry ("2024"), valid only when there is a line.
    const LegendEntry& previousLegend() const { return previousLegend_; }
    // The tooltip of the segment at `point`; empty elsewhere.
    QString tipAt(const QPointF& point) const;

    // The axis's step in cents for a largest value: 1, 2 or 5 times a power
    // of ten euro, so that the axis has at most five steps.
    static qint64 axisStep(qint64 largest);

private:
    QSizeF size_;
    QRectF plot_;
    QList<Segment> segments_;
    QList<Tick> ticks_;
    QList<Label> barLabels_;
    QList<LegendEntry> legend_;
    QList<QPointF> previous_;
    LegendEntry previousLegend_;
};
