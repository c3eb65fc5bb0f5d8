#pragma once

#include <QList>
#include <QString>

// Which of the two record layouts a category's file uses.
enum class Tipo { TSchedaBolletta, TSchedaAcquisto };

// The ten categories, in catalogue order. Per-category rules switch over it,
// with no default, so a table that leaves a category out does not compile.
enum class CategoryId { Luce, Gas, Acqua, Rifiuti, Telefono, Automezzi, Condominio, Acquisti, Tasse, Varie };

// What a category's pictures show: the drawing on its tiles, medals and
// placeholder photo.
enum class Emblem { Bulb, Flame, Drop, Bin, Phone, Car, Building, Cart, StampedDocument, Coins };

// The text above one field of the archive screen.
struct Etichetta {
    QString campo; // record field, e.g. "Numero"
    QString componente; // label component, e.g. "lblCampo001"
    QString testo; // e.g. "Bolletta / Fattura n."
};

// A field that a card may not leave blank, and what the user is told.
struct CampoObbligatorio {
    QString controllo; // the edit box, e.g. "txtNumero"
    QString avviso;
};

// Everything that makes one archive differ from another. The ten values are
// the catalogue; every per-category name, text and file name comes from here.
struct Categoria {
    CategoryId id;
    QString Chiave; // names the category's files and windows
    QString Sigla;
    Tipo tipo;
    QString Riquadro;
    QString TitoloRiquadro;
    QString Nome;
    QString Descrizione;
    QString DescrizioneArticolata;
    QString TitoloRiepilogo;
    QString SuggerimentoRiepilogo;
    QList<Etichetta> Etichette; // in the archive screen's tab order
    // The checks a save makes, in order; the first blank field stops it.
    QList<CampoObbligatorio> Obbligatori;
    // How its pictures look: the accent colour (0xRRGGBB) and the emblem.
    quint32 accent;
    Emblem emblem;

    QString FileArchivio() const { return QStringLiteral("Archivio_") + Chiave + QStringLiteral(".pro"); }
    QString FileExcel() const { return QStringLiteral("Database_") + Chiave + QStringLiteral(".xls"); }
    QString NomeFoglio() const { return QStringLiteral("Database ") + Chiave; }
    QString PrefissoFoto() const { return Chiave + QLatin1Char('_'); }

    // Window captions of the five per-category screens.
    QString CaptionArchivio() const { return QStringLiteral(" Tessaria 3.0 - ") + Nome; }
    QString CaptionTrova() const { return QStringLiteral(" Trova ") + Descrizione + QStringLiteral(" in archivio"); }
    QString CaptionRiepilogo() const { return QStringLiteral(" Riepilogo ") + TitoloRiepilogo; }
    QString CaptionExport() const
    {
        return QStringLiteral(" Esporta archivio ") + Descrizione + QStringLiteral(" in Microsoft Excel");
    }
    static QString CaptionStampa() { return QStringLiteral(" Stampa scheda"); }

    // Object names of the per-category screens.
    QString NomeArchivio() const { return QStringLiteral("frmArchivio_") + Chiave; }
    QString NomeTrova() const { return QStringLiteral("frmTrova") + Chiave; }
    QString NomeRiepilogo() const { return QStringLiteral("frmSospesi_") + Chiave; }
    QString NomeExport() const { return QStringLiteral("frmExp") + Chiave; }
    QString NomeStampa() const { return QStringLiteral("frmStampa") + Chiave; }

    // The date fields of the category's screen: DataEmi, DataSca, DataPag for
    // bills, only DataEmi for purchases.
    QList<QString> CampiData() const;
    // Sigla + "_dataemi" and so on, in the order of CampiData().
    QList<QString> TagData() const;
    QString TagData(const QString& campo) const; // empty when the field is no date field

    // Label text of a field, or empty when the field has no label.
    QString TestoEtichetta(const QString& campo) const;
};

// A date tag resolved: the category and the date field it names.
struct DataTag {
    const Categoria* categoria = nullptr;
    QString campo; // "DataEmi", "DataSca" or "DataPag"
};

// The ten categories, in the fixed catalogue order (the order of the tiles).
class Catalogo {
public:
    static const QList<Categoria>& Tutte();
    // Exact, case-sensitive look-ups; nullptr when nothing matches.
    static const Categoria& PerId(CategoryId id);
    static const Categoria* PerChiave(const QString& chiave);
    static const Categoria* PerSigla(const QString& sigla);
    static DataTag PerTagData(const QString& tag);
};
