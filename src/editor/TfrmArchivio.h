#pragma once

#include "archive/Tracciato.h"
#include "editor/CardFields.h"
#include "editor/CardPhoto.h"
#include "ui/GradientWindow.h"

#include <QHash>
#include <QImage>
#include <QPointer>

#include <functional>
#include <optional>

struct Categoria;
enum class RecordArrow;
class ImageBox;
class QAbstractButton;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QDropEvent;
class QDragMoveEvent;
class QPushButton;
class ShapeBox;

// The archive screen of one category: shows one card at a time, browses the
// category's record file, creates, duplicates and saves cards, and asks, by
// its signals, for the windows of the other rooms that work on the category.
// Created once at start-up, shown from the main menu; every showing starts on
// a blank card.
//
// The card on display lives in the controls; the position label lblPosizione
// says which stored card it is (empty: not stored yet) and is the only link to
// the record file and to the card's photo file.
class TfrmArchivio : public GradientWindow {
    Q_OBJECT
public:
    static constexpr QSize DesignSize {1016, 713};
    static constexpr QSize PanelSize {996, 692};

    explicit TfrmArchivio(const Categoria& categoria, QWidget* parent = nullptr);
    ~TfrmArchivio() override;

    const Categoria& categoria() const { return categoria_; }

    // The live archive screen of a category, found by its tag (exact);
    // nullptr when none. The dialogs that write back into a screen use it.
    static TfrmArchivio* PerSigla(const QString& sigla);

    // Blank card: fields empty, amount "0,00", box unticked, no attachments,
    // placeholder photo, empty position label, focus on txtNumero.
    void PulisciScheda();
    // Shows a stored record as card n, photo included.
    void MostraScheda(const Scheda& scheda, int n);
    // Loads the photo of the card named by the position label; the
    // placeholder when there is none or it cannot be read.
    void CaricaFotoScheda();
    // Writes the picture on display as the photo of the card named by the
    // position label. False when the file could not be written; the picture
    // stays on screen either way.
    bool SalvaFotoScheda();

    // The record the controls hold now, as a save would write it.
    Scheda SchedaDaControlli() const;
    // The edit of a record field ("Numero" -> txtNumero); nullptr for none.
    QLineEdit* Campo(const QString& campo) const;
    QString Posizione() const;

    // The picture on display and whether it is the placeholder.
    QImage Foto() const;
    // The category's picture for a card with no photo.
    const QImage& Segnaposto() const;
    bool FotoSegnaposto() const { return photo_.isPlaceholder(); }
    // The user put a new picture on the card (loaded, captured); `document`
    // names the PDF document it is page 1 of, when it is one.
    void ImpostaFoto(const QImage& immagine, const QString& document = QString());
    // The PDF document the picture on display came from, until the picture
    // or the card changes; empty otherwise.
    QString DocumentoFoto() const { return photo_.document(); }
    // The user cleared the picture: the placeholder stands in until saved.
    void CancellaFoto();

    // The attachment slots 1 to 3 of the card on display.
    QString Allegato(int slot) const;
    QString DescrizioneAllegato(int slot) const;
    void ImpostaAllegato(int slot, const QString& file, const QString& descrizione);

    // Page 1 of a PDF document as a picture, for the dialogs of this screen
    // that offer it as the card's photo. The drawing lives in a room above
    // this one: AppWindows installs it. It tells the user itself when the
    // document cannot be read, and then gives a null picture; none installed,
    // nothing is offered.
    using PdfPicture = std::function<QImage(QWidget* parent, const QString& path)>;
    void setPdfPicture(PdfPicture reader) { pdfPicture_ = std::move(reader); }
    const PdfPicture& pdfPicture() const { return pdfPicture_; }

    // Shows a passing message in the status bar (until the mouse's next hint).
    void MostraStato(const QString& testo);

    // Writes a picked date into one of the date fields ("DataEmi", "DataSca",
    // "DataPag"); false when this screen has no such date field.
    bool ScriviData(const QString& campo, const QString& data);
    // Writes a text into the edit of a record field as the user would have
    // entered it: a date as the date picker writes it, the payer's code
    // trimmed and in capitals, the amount in its form. The card is left
    // unsaved. False when this screen has no such field, or the text does
    // not fit in it.
    bool ScriviCampo(const QString& field, const QString& text);

public Q_SLOTS:
    void cmdNuovoClick();
    void cmdDuplicaClick();
    void cmdSalvaClick();
    void cmdTrovaClick();
    void cmdFileClick();
    void cmdStampaClick();
    void cmdPrimoClick();
    void cmdIndietroClick();
    void cmdAvantiClick();
    void cmdUltimoClick();
    void cmdEsportaClick();
    void cmdSegnalatiClick();
    void cmdGuidaClick();
    void cmdEsciClick();
    void btnCaricaFotoClick();
    void btnSalvaFotoClick();
    void btnCancFotoClick();
    void btnWebcamClick();
    void btnZoomFotoClick();
    void btnCodFiscClick();

Q_SIGNALS:
    // The user closed the screen; whoever opened it takes over.
    void closed();
    // The windows built on top of this screen, one signal for each button
    // that opens one: the magnifier (search), the hand and coin (unpaid
    // summary), the spreadsheet (export), "Stampa" (card print), "?" (help)
    // and the check beside the payer's code, with the code as typed.
    void searchRequested();
    void unpaidSummaryRequested();
    void exportRequested();
    void printRequested();
    void helpRequested();
    void codeCheckRequested(const QString& codice);
    // The photo's context menu and drops on the photo: page 1 of a PDF
    // document as the photo (chosen by the user, or the dropped file), and
    // the scanner window.
    void pdfPhotoRequested();
    void pdfDropped(const QString& percorso);
    void scannerRequested();
    // The attachments dialog has put page 1 of a PDF attachment on the card
    // as its photo.
    void documentPageTaken();
    // "Leggi i dati dalla bolletta..." in the photo's context menu: the data
    // on the bill in the photo, read for the user to confirm.
    void readBillRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct LiveField {
        QString campo;
        QLineEdit* edit = nullptr;
        FieldKind kind = FieldKind::Text;
    };

    void buildToolBar();
    void buildWorkArea();
    void buildFields();
    void buildStatusBar();
    void buildPhotoMenu();
    void showPhotoMenu(const QPoint& pos);
    bool photoDrag(QDragMoveEvent* event);
    void photoDrop(QDropEvent* event);
    void takeDropped(const QStringList& files);
    QPushButton* commandButton(const QString& nome, const QRect& geometria, void (TfrmArchivio::*handler)());
    ShapeBox* panelBox(const QRect& geometria, const QColor& fondo, const QColor& bordo = QColor());
    void setHint(QWidget* w, const QString& testo);
    void makeDecorative(QWidget* w);

    void browse(RecordArrow comando);
    void showAccessMessage();
    void showPhoto();
    void normaliseAmount(QLineEdit* prezzo);
    bool fieldKey(const LiveField& c, QKeyEvent* e);
    void openDatePicker(const LiveField& c);
    const LiveField* liveFieldOf(const QObject* edit) const;
    QWidget* controlNamed(const QString& nome) const;

    const Categoria& categoria_;
    QList<LiveField> fields_;
    QHash<QWidget*, QString> hints_;

    QLabel* lblPosizione = nullptr;
    QLabel* panInfo = nullptr;
    QCheckBox* chkSegnala = nullptr;
    ImageBox* imgFoto = nullptr;
    QMenu* mnuFoto = nullptr;
    QLabel* lblFile[3] = {};
    QLabel* lblDesc[3] = {};
    QPushButton* btnFocus = nullptr;

    // The amount as the card on display was read, none for a blank card.
    // While the field still holds it, it is saved as it is, whatever its
    // form: a stored "12.50" is not turned into "0,00" by a save that only
    // ticked "Da pagare".
    std::optional<QString> amountAsRead_;

    mutable QImage placeholder_; // the category's placeholder picture, painted when first needed
    CardPhoto photo_;
    PdfPicture pdfPicture_;
};
