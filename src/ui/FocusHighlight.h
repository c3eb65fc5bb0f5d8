#pragma once

#include <QWidget>

// The yellow rectangle behind an edit box, a few pixels larger than it, shown
// only while the box has the keyboard focus. It follows the box when the box
// moves or changes size, and keeps its margin and line in proportion to the
// panel's factor.
class FocusHighlight : public QWidget {
    Q_OBJECT
public:
    // Placed in the field's parent, stacked under the field.
    FocusHighlight(QWidget* field, const QString& objectName, int margin = 4);

    QWidget* field() const { return field_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void follow();

    QWidget* field_;
    int margin_;
};
