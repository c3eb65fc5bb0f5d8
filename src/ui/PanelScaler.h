#pragma once

#include <QFont>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSet>

class QLabel;
class QWidget;

// Draws a fixed-size panel's parts at a factor of their design size: their
// positions and sizes, fonts, icon sizes and pictures, so that text and the
// program's own pictures are drawn at the new size rather than shrunk (a
// stored bitmap on a label is scaled smoothly to its box). The design is read from the parts the
// first time a factor other than 1 is applied; back at 1 every part is
// exactly as built. A part the program moves or re-fonts later is taken as
// given at the design size and scaled in turn.
class PanelScaler : public QObject {
public:
    PanelScaler(QWidget* panel, const QSize& designSize);

    // `dpr`: the device pixels per pixel of the screen the panel is on, which
    // pictures drawn again for a factor other than 1 are drawn for.
    void apply(qreal factor, qreal dpr);
    qreal factor() const { return factor_; }
    QSize designSize() const { return designSize_; }

    // The factor the panel holding `w` is drawn at; 1 outside a scaled panel.
    static qreal factorOf(const QWidget* w);
    // Where a part of a panel drawn at a factor other than 1 is at the design
    // size; invalid for anything else.
    static QRect designGeometryOf(const QWidget* w);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Part {
        QPointer<QWidget> widget;
        QRect geometry;
        QFont font;
        bool ownFont = false;
        // Not its box's font, though not set on it: a font of its class or
        // of its style sheet.
        bool classFont = false;
        QSize iconSize;
        // A stored bitmap, scaled to the box; a picture the program draws is
        // drawn again instead.
        bool stretchesPicture = false;
        // What this scaler last gave the part, to tell its own changes from
        // the program's.
        QRect shownGeometry;
        QFont shownFont;
        // A line of text given a font smaller than the factor's to fit.
        bool fitted = false;
    };

    void collect(QWidget* container);
    void adopt(QWidget* w);
    void place(Part& part);
    void fitText(Part& part, QLabel* label);
    QFont scaledFont(const QFont& design, const QWidget* w) const;

    QWidget* panel_;
    QSize designSize_;
    qreal factor_ = 1.0;
    qreal dpr_ = 1.0;
    bool collected_ = false;
    bool applying_ = false;
    QFont panelFont_;
    bool panelOwnFont_ = false;
    QHash<QObject*, Part> parts_;
    QSet<QObject*> containers_;
    QSet<QObject*> pending_;
};
