#include "checkers/CheckWindow.h"

#include "ui/Drawing.h"
#include "ui/Fonts.h"
#include "ui/PanelScaler.h"
#include "ui/Widgets.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QValidator>

namespace {

// The band that holds the edit and "Controlla": the colour fading to a
// lighter shade towards the bottom.
class Fascia : public QWidget {
public:
    Fascia(QWidget* parent, const QColor& colore)
        : QWidget(parent)
        , colore_(colore)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        // The corners keep their proportion in a window drawn smaller.
        const qreal radius = 6 * PanelScaler::factorOf(this);
        Drawing::plate(p, Drawing::inside(rect()), colore_, colore_.lighter(150), colore_.darker(130), radius);
    }

private:
    QColor colore_;
};

bool invio(const QKeyEvent* e)
{
    return e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
}

} // namespace

// The edit's limit on what the user types or pastes. It is not the edit's
// maximum length, which would also cut a longer code placed there on opening;
// the user may shorten such a code but not lengthen it.
class CheckWindow::Limite : public QValidator {
public:
    Limite(QLineEdit* edit, int lunghezza, bool soloCifre)
        : QValidator(edit)
        , lunghezza_(lunghezza)
        , consentita_(lunghezza)
        , soloCifre_(soloCifre)
    {
        connect(edit, &QLineEdit::textChanged, this,
            [this](const QString& t) { consentita_ = qMax(lunghezza_, int(t.size())); });
    }

    // Before a longer text is put into the edit.
    void consenti(int lunghezza) { consentita_ = qMax(lunghezza_, lunghezza); }

    State validate(QString& testo, int&) const override
    {
        if (soloCifre_) {
            for (QChar c : std::as_const(testo)) {
                if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                    return Invalid;
            }
        }
        return testo.size() <= consentita_ ? Acceptable : Invalid;
    }

private:
    int lunghezza_;
    int consentita_;
    bool soloCifre_;
};

CheckWindow::CheckWindow(QWidget* owner, const Aspetto& a)
    : GradientDialog(owner, a.sfondo, Qt::white, a.clientSize, PanelSize)
{
    setObjectName(QString::fromLatin1(a.nome));
    setWindowTitle(a.caption);
    QWidget* p = panel();

    Widgets::box(p, QStringLiteral("shpArea"), QRect(0, 0, 453, 170), a.area, a.bordoArea, 8);
    Widgets::picture(p, QStringLiteral("imgTitolo"), a.banner, QRect(16, 10, 421, 73));

    auto* istruzioni = new QLabel(a.istruzioni, p);
    istruzioni->setObjectName(QStringLiteral("lblRigo01"));
    // Made smaller if need be, so the whole line fits the band above which it sits.
    const QFont fIstruzioni = Fonts::largestFitting(Fonts::verdana(11, true), a.istruzioni, 11, 421, 8);
    istruzioni->setFont(fIstruzioni);
    istruzioni->setStyleSheet(QStringLiteral("QLabel { color: #2B3A4D; }"));
    istruzioni->setGeometry(16, 88, 421, 20);

    auto* fascia = new Fascia(p, a.fascia);
    fascia->setObjectName(QStringLiteral("shpFascia"));
    fascia->setGeometry(16, 112, 421, 50);

    campo_ = new QLineEdit(p);
    campo_->setObjectName(QString::fromLatin1(a.nomeCampo));
    limite_ = new Limite(campo_, a.lunghezza, a.soloCifre);
    campo_->setValidator(limite_);
    // Sizes are pixels, as the window is laid out in pixels: sixteen
    // characters of the code fit the box.
    QFont fCampo(QStringLiteral("Courier New"));
    fCampo.setStyleHint(QFont::Monospace);
    fCampo.setPixelSize(20);
    fCampo.setBold(true);
    campo_->setFont(fCampo);
    campo_->setGeometry(28, 119, 233, 36);
    campo_->installEventFilter(this);
    connect(campo_, &QLineEdit::textEdited, this, [this](const QString& t) { testoDigitato(t); });

    btnControlla_
        = Widgets::button(p, QStringLiteral("btnControlla"), QStringLiteral("Controlla"), QRect(281, 121, 144, 32));
    btnChiudi_ = Widgets::button(p, QStringLiteral("btnChiudi"), QStringLiteral("Chiudi"), QRect(309, 180, 144, 34));
    connect(btnControlla_, &QPushButton::clicked, this, &CheckWindow::btnControllaClick);
    connect(btnChiudi_, &QPushButton::clicked, this, &CheckWindow::btnChiudiClick);

    setTabOrder(campo_, btnControlla_);
    setTabOrder(btnControlla_, btnChiudi_);
}

void CheckWindow::setText(const QString& testo)
{
    limite_->consenti(int(testo.size()));
    campo_->setText(testo);
}

void CheckWindow::btnChiudiClick()
{
    reject();
}

bool CheckWindow::scartaTasto(const QKeyEvent*)
{
    return false;
}

bool CheckWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == campo_ && event->type() == QEvent::KeyPress) {
        const auto* e = static_cast<QKeyEvent*>(event);
        // Enter only moves on; it must not reach the dialog's default button.
        if (invio(e)) {
            btnControlla_->setFocus();
            return true;
        }
        if (scartaTasto(e))
            return true;
    }
    return GradientDialog::eventFilter(watched, event);
}

void CheckWindow::showEvent(QShowEvent* event)
{
    GradientDialog::showEvent(event);
    campo_->setFocus();
}
