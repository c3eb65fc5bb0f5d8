#pragma once

#include <QDialog>
#include <QImage>

class ImageBox;

// The zoom window: the card's picture as large as the screen allows. Opens
// maximised; its panel and picture are the screen's size less 60 by 90
// pixels, centred. A click on the picture or on the panel closes it, as does
// the title bar's close button. It changes nothing.
class TfrmZoom : public QDialog {
    Q_OBJECT
public:
    explicit TfrmZoom(QWidget* owner);

    void ImpostaFoto(const QImage& immagine);
    QImage Foto() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void centra();

    QWidget* panContainer;
    ImageBox* imgFoto;
};
