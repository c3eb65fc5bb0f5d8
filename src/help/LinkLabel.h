#pragma once

#include <QColor>
#include <QLabel>

// A link text (lnkWeb): underlined, dark blue, hand cursor. Its icon acts as
// part of it. While the mouse button is held down on the text or the icon the
// text turns orange; on release it is dark blue again, and a release over the
// part that was pressed is a click.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    static const QColor Normal; // dark blue
    static const QColor Pressed; // orange

    LinkLabel(const QString& testo, QWidget* parent);

    // The icon that acts as part of the link.
    void addIcon(QWidget* icona);
    QColor colore() const;

Q_SIGNALS:
    void clicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void colora(const QColor& c);

    QWidget* premuto_ = nullptr; // the part the button went down on
};
