#pragma once

#include "ui/GradientDialog.h"
#include "ui/ScaledPicture.h"

class QLabel;
class QLineEdit;
class QPushButton;

// What the two check windows have in common: a banner, one line of
// instructions, a band with the edit and "Controlla", and "Chiudi" below.
// Enter in the edit moves to "Controlla" and never starts the check; the
// window closes only through its buttons. It never touches the card it was
// opened from.
class CheckWindow : public GradientDialog {
    Q_OBJECT
public:
    static constexpr QSize PanelSize {453, 222};

    QLineEdit* campo() const { return campo_; }
    // Puts the code from the card into the edit as it is, even when longer
    // than the user could type it: such a code must reach the check whole.
    void setText(const QString& testo);

public Q_SLOTS:
    virtual void btnControllaClick() = 0;
    void btnChiudiClick();

protected:
    struct Aspetto {
        const char* nome; // the window's object name
        QString caption;
        QSize clientSize;
        QColor sfondo; // top of the window's gradient (white at the bottom)
        QColor area; // the box that holds banner, instructions and band
        QColor bordoArea; // its outline, or invalid for none
        QColor fascia; // the band's colour
        PicturePainter banner;
        QString istruzioni;
        const char* nomeCampo; // the edit's object name
        int lunghezza; // the most characters the user can type or paste
        bool soloCifre; // only the digits 0 to 9 can be typed or pasted
    };
    CheckWindow(QWidget* owner, const Aspetto& aspetto);

    // A key typed into the edit, other than Enter; true to discard it.
    virtual bool scartaTasto(const QKeyEvent* e);
    // What the user typed, before the edit shows it.
    virtual void testoDigitato(const QString&) { }

    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

    class Limite;
    Limite* limite_ = nullptr;
    QLineEdit* campo_ = nullptr;
    QPushButton* btnControlla_ = nullptr;
    QPushButton* btnChiudi_ = nullptr;
};
