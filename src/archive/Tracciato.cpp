#include "archive/Tracciato.h"

#include "archive/FieldText.h"

#include <iterator>

namespace {

constexpr auto offsetBolletta = Tracciati::posizioni(Tracciati::TSchedaBolletta);
constexpr auto offsetAcquisto = Tracciati::posizioni(Tracciati::TSchedaAcquisto);

} // namespace

const Tracciato& Tracciato::di(Tipo tipo)
{
    static const Tracciato bolletta(Tipo::TSchedaBolletta, Tracciati::TSchedaBolletta, offsetBolletta.data(),
        int(std::size(Tracciati::TSchedaBolletta)), Tracciati::dimensione(Tracciati::TSchedaBolletta));
    static const Tracciato acquisto(Tipo::TSchedaAcquisto, Tracciati::TSchedaAcquisto, offsetAcquisto.data(),
        int(std::size(Tracciati::TSchedaAcquisto)), Tracciati::dimensione(Tracciati::TSchedaAcquisto));
    return tipo == Tipo::TSchedaAcquisto ? acquisto : bolletta;
}

int Tracciato::indice(QAnyStringView nome) const
{
    for (int i = 0; i < n_; ++i) {
        if (QAnyStringView::equal(nome, QLatin1StringView(campi_[i].nome)))
            return i;
    }
    return -1;
}

QString VistaScheda::testo(int i) const
{
    if (i < 0 || i >= tracciato_->campi())
        return QString();
    return FieldText::fromField(dati_ + tracciato_->offset(i), tracciato_->larghezza(i));
}

void VistaScheda::appendText(int i, QString& out) const
{
    if (i >= 0 && i < tracciato_->campi())
        FieldText::appendFromField(out, dati_ + tracciato_->offset(i), tracciato_->larghezza(i));
}

QString VistaScheda::testo(QAnyStringView campo) const
{
    return testo(tracciato_->indice(campo));
}

Scheda::Scheda(Tipo tipo)
    : tracciato_(&Tracciato::di(tipo))
    , byte_(tracciato_->dimensione(), '\0')
{ }

Scheda::Scheda(Tipo tipo, const char* dati)
    : tracciato_(&Tracciato::di(tipo))
    , byte_(dati, tracciato_->dimensione())
{ }

QString Scheda::testo(QAnyStringView campo) const
{
    return vista().testo(campo);
}

QString Scheda::testo(int i) const
{
    return vista().testo(i);
}

void Scheda::imposta(QAnyStringView campo, const QString& testo)
{
    imposta(tracciato_->indice(campo), testo);
}

void Scheda::imposta(int i, const QString& testo)
{
    if (i < 0 || i >= tracciato_->campi())
        return;
    FieldText::toField(testo, byte_.data() + tracciato_->offset(i), tracciato_->larghezza(i));
}
