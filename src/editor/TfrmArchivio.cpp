#include "editor/TfrmArchivio.h"

#include "archive/Attachments.h"
#include "archive/Categoria.h"
#include "archive/FieldText.h"
#include "archive/PhotoFiles.h"
#include "dialogs/Dialogs.h"
#include "editor/AmountValidator.h"
#include "editor/ArchiveMessages.h"
#include "editor/CardFields.h"
#include "editor/CardFile.h"
#include "editor/FieldKeys.h"
#include "editor/Navigation.h"
#include "editor/PhotoDialogs.h"
#include "editor/TfrmAllegaCartella.h"
#include "editor/TfrmCalendario.h"
#include "editor/TfrmWebCam.h"
#include "editor/TfrmZoom.h"
#include "ui/Fonts.h"
#include "ui/Formats.h"
#include "ui/IconPictures.h"
#include "ui/ImageBox.h"
#include "ui/Palette.h"
#include "ui/ProgramPictures.h"
#include "ui/ScaledPicture.h"
#include "ui/ShapeBox.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDate>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QValidator>

namespace {

const QString EmptyArchiveMessage = QStringLiteral("L'archivio non contiene nessuna scheda.");
const QString ReadyHint = QStringLiteral("Pronto per archiviare una nuova scheda...");

QString fieldStyle(const QColor& fondo, const QColor& testo)
{
    return QStringLiteral("QLineEdit { background: %1; color: %2; border: 1px solid %3; padding: 0 2px; }"
                          "QLineEdit:focus { background: %4; }")
        .arg(fondo.name(), testo.name(), Palette::SkyBlue.name(), Palette::FocusYellow.name());
}

QHash<QString, TfrmArchivio*>& liveScreens()
{
    static QHash<QString, TfrmArchivio*> s;
    return s;
}

} // namespace

TfrmArchivio::TfrmArchivio(const Categoria& categoria, QWidget* parent)
    : GradientWindow(Palette::Denim, Qt::white, PanelSize, parent)
    , categoria_(categoria)
{
    Formats::apply();
    setObjectName(categoria.NomeArchivio());
    setWindowTitle(categoria.CaptionArchivio());
    setDesignSize(DesignSize);
    setPanelGradient(true);

    buildToolBar();
    buildWorkArea();
    buildFields();
    buildStatusBar();

    btnFocus = new QPushButton(panel());
    btnFocus->setObjectName(QStringLiteral("btnFocus"));
    btnFocus->setGeometry(0, 0, 1, 1);
    btnFocus->setFlat(true);
    // Invisible to the eye but able to take the focus away from a field.
    btnFocus->setStyleSheet(QStringLiteral("QPushButton { border: none; background: transparent; }"));

    for (int i = 0; i < 3; ++i) {
        lblFile[i] = new QLabel(panel());
        lblFile[i]->setObjectName(QStringLiteral("lblFile0%1").arg(i + 1));
        lblFile[i]->hide();
        lblDesc[i] = new QLabel(panel());
        lblDesc[i]->setObjectName(QStringLiteral("lblDesc0%1").arg(i + 1));
        lblDesc[i]->hide();
    }

    // Tab order: the fields in table order, then the "Da pagare" box, then
    // the focus sink.
    QWidget* prima = nullptr;
    for (const auto& c : fields_) {
        if (prima)
            setTabOrder(prima, c.edit);
        prima = c.edit;
    }
    setTabOrder(prima, chkSegnala);
    setTabOrder(chkSegnala, btnFocus);

    makeDecorative(this);
    makeDecorative(panel());
    liveScreens().insert(categoria.Sigla, this);
    // The placeholder is painted when the screen first shows (opening clears
    // the card): ten screens are built at start-up and most are never opened.
}

TfrmArchivio::~TfrmArchivio()
{
    if (liveScreens().value(categoria_.Sigla) == this)
        liveScreens().remove(categoria_.Sigla);
}

TfrmArchivio* TfrmArchivio::PerSigla(const QString& sigla)
{
    return liveScreens().value(sigla, nullptr);
}

// ---- Building the screen ---------------------------------------------------

QPushButton* TfrmArchivio::commandButton(const QString& nome, const QRect& geometria, void (TfrmArchivio::*handler)())
{
    auto* b = new QPushButton(panel());
    b->setObjectName(nome);
    b->setGeometry(geometria);
    b->setCursor(Qt::PointingHandCursor);
    b->setFocusPolicy(Qt::NoFocus);
    connect(b, &QPushButton::clicked, this, handler);
    return b;
}

void TfrmArchivio::setHint(QWidget* w, const QString& testo)
{
    hints_.insert(w, testo);
    w->setMouseTracking(true);
    w->installEventFilter(this);
}

void TfrmArchivio::makeDecorative(QWidget* w)
{
    hints_.insert(w, QString());
    w->setMouseTracking(true);
    w->installEventFilter(this);
}

ShapeBox* TfrmArchivio::panelBox(const QRect& geometria, const QColor& fondo, const QColor& bordo)
{
    auto* b = new ShapeBox(panel(), fondo, bordo, 1, bordo.isValid() ? 4 : 0);
    b->setGeometry(geometria);
    makeDecorative(b);
    return b;
}

void TfrmArchivio::buildToolBar()
{
    const QColor& bordo = Palette::BoxBorder;
    for (const QRect& r : {QRect(16, 16, 172, 57), QRect(193, 16, 162, 57), QRect(361, 16, 162, 57),
             QRect(528, 16, 254, 57), QRect(787, 16, 92, 57), QRect(884, 16, 94, 57)})
        panelBox(r, Qt::white, bordo);

    const QSize icona(37, 39);
    struct Pulsante {
        const char* nome;
        int x;
        Icon icona;
        void (TfrmArchivio::*handler)();
        const char* suggerimento;
    };
    const Pulsante pulsanti[] = {
        {"cmdNuovo", 24, Icon::Nuovo, &TfrmArchivio::cmdNuovoClick,
            "Prepara la schermata per l'inserimento di una nuova scheda."},
        {"cmdDuplica", 64, Icon::Duplica, &TfrmArchivio::cmdDuplicaClick,
            "Prepara la schermata per l'inserimento di una nuova scheda duplicando i dati correnti."},
        {"cmdSalva", 104, Icon::Salva, &TfrmArchivio::cmdSalvaClick, "Salva la scheda in archivio."},
        {"cmdTrova", 144, Icon::Trova, &TfrmArchivio::cmdTrovaClick, "Trova una scheda in archivio."},
        {"cmdPrimo", 538, Icon::Primo, &TfrmArchivio::cmdPrimoClick, "Visualizza la prima scheda in archivio."},
        {"cmdIndietro", 580, Icon::Indietro, &TfrmArchivio::cmdIndietroClick,
            "Visualizza la scheda precedente in archivio."},
        {"cmdAvanti", 696, Icon::Avanti, &TfrmArchivio::cmdAvantiClick, "Visualizza la scheda successiva in archivio."},
        {"cmdUltimo", 738, Icon::Ultimo, &TfrmArchivio::cmdUltimoClick, "Visualizza l'ultima scheda in archivio."},
        {"cmdEsporta", 795, Icon::Esporta, &TfrmArchivio::cmdEsportaClick,
            "Esporta le schede in archivio in un file di Microsoft Excel."},
        {"cmdSegnalati", 835, Icon::Segnalati, &TfrmArchivio::cmdSegnalatiClick, nullptr},
        {"cmdGuida", 892, Icon::Guida, &TfrmArchivio::cmdGuidaClick,
            "Visualizza la pagina della guida sensibile al contesto."},
        {"cmdEsci", 934, Icon::Esci, &TfrmArchivio::cmdEsciClick, "Esci da questa schermata di lavoro."},
    };
    for (const auto& p : pulsanti) {
        QPushButton* b = commandButton(QString::fromLatin1(p.nome), QRect(QPoint(p.x, 26), icona), p.handler);
        ScaledPicture::show(b, [icona = p.icona] { return IconPictures::draw(icona, QSize(30, 30)); });
        b->setIconSize(QSize(30, 30));
        b->setFlat(true);
        setHint(b, p.suggerimento ? QString::fromUtf8(p.suggerimento) : categoria_.SuggerimentoRiepilogo);
    }

    QPushButton* file = commandButton(QStringLiteral("cmdFile"), QRect(200, 28, 148, 32), &TfrmArchivio::cmdFileClick);
    file->setText(QStringLiteral("Allega file"));
    ScaledPicture::show(file, [] { return IconPictures::draw(Icon::Allega, QSize(22, 22)); });
    setHint(file, QStringLiteral("Allega file alla scheda."));
    QPushButton* stampa
        = commandButton(QStringLiteral("cmdStampa"), QRect(368, 28, 148, 32), &TfrmArchivio::cmdStampaClick);
    stampa->setText(QStringLiteral("Stampa"));
    ScaledPicture::show(stampa, [] { return IconPictures::draw(Icon::Stampa, QSize(22, 22)); });
    setHint(stampa, QStringLiteral("Stampa la scheda."));

    lblPosizione = new QLabel(panel());
    lblPosizione->setObjectName(QStringLiteral("lblPosizione"));
    lblPosizione->setGeometry(619, 34, 74, 24);
    lblPosizione->setAlignment(Qt::AlignCenter);
    lblPosizione->setFont(Fonts::verdanaPoints(12, true));
    lblPosizione->setStyleSheet(QStringLiteral("QLabel { color: %1; background: %2; border: 1px solid %3; }")
                                    .arg(Palette::Navy.name(), Palette::AliceBlue.name(), Palette::SkyBlue.name()));
    lblPosizione->setAttribute(Qt::WA_NoMousePropagation);
}

void TfrmArchivio::buildWorkArea()
{
    panelBox(QRect(16, 80, 962, 554), Palette::PanelBlue);
    panelBox(QRect(24, 88, 946, 538), Qt::white);
    panelBox(QRect(30, 94, 583, 394), Palette::BoxFill);
    panelBox(QRect(30, 494, 374, 56), Palette::BoxFill);
    panelBox(QRect(415, 494, 198, 56), Palette::BoxFill);
    panelBox(QRect(496, 556, 117, 34), Palette::Peach);

    imgFoto = new ImageBox(panel());
    imgFoto->setObjectName(QStringLiteral("imgFoto"));
    imgFoto->setGeometry(QRect(QPoint(38, 102), ProgramPictures::PlaceholderSize));
    makeDecorative(imgFoto);
    buildPhotoMenu();

    auto* icoTitolo = new QLabel(panel());
    icoTitolo->setObjectName(QStringLiteral("icoTitolo"));
    ScaledPicture::show(icoTitolo, [&c = categoria_] { return ProgramPictures::titleStrip(c); });
    icoTitolo->setGeometry(QRect(QPoint(618, 96), ProgramPictures::TitleStripSize));
    makeDecorative(icoTitolo);

    // The photo panel.
    QPushButton* carica
        = commandButton(QStringLiteral("btnCaricaFoto"), QRect(38, 502, 157, 40), &TfrmArchivio::btnCaricaFotoClick);
    carica->setText(QStringLiteral("Carica foto"));
    ScaledPicture::show(carica, [] { return IconPictures::draw(Icon::CaricaFoto, QSize(26, 26)); });
    carica->setIconSize(QSize(26, 26));
    setHint(carica, QStringLiteral("Carica una foto esistente."));
    struct Piccolo {
        const char* nome;
        int x;
        Icon icona;
        void (TfrmArchivio::*handler)();
        const char* suggerimento;
    };
    const Piccolo piccoli[] = {
        {"btnSalvaFoto", 204, Icon::SalvaFoto, &TfrmArchivio::btnSalvaFotoClick, "Salva la foto su disco."},
        {"btnCancFoto", 254, Icon::CancFoto, &TfrmArchivio::btnCancFotoClick, "Cancella la foto."},
        {"btnWebcam", 304, Icon::Webcam, &TfrmArchivio::btnWebcamClick, "Scatta la foto con la tua WebCam."},
        {"btnZoomFoto", 354, Icon::Zoom, &TfrmArchivio::btnZoomFotoClick,
            "Visualizza la foto nelle sue dimensioni reali."},
    };
    for (const auto& p : piccoli) {
        QPushButton* b = commandButton(QString::fromLatin1(p.nome), QRect(p.x, 502, 42, 40), p.handler);
        ScaledPicture::show(b, [icona = p.icona] { return IconPictures::draw(icona, QSize(28, 28)); });
        b->setIconSize(QSize(28, 28));
        setHint(b, QString::fromUtf8(p.suggerimento));
    }

    // The euro sign beside the amount, the "Da pagare" box and its icon.
    auto* euro = new QLabel(panel());
    euro->setObjectName(QStringLiteral("imgEuro"));
    ScaledPicture::show(euro, [] { return IconPictures::draw(Icon::Euro, QSize(26, 26)); });
    euro->setGeometry(424, 510, 26, 26);
    makeDecorative(euro);
    auto* sveglia = new QLabel(panel());
    sveglia->setObjectName(QStringLiteral("imgSegnala"));
    ScaledPicture::show(sveglia, [] { return IconPictures::draw(Icon::DaPagare, QSize(26, 26)); });
    sveglia->setGeometry(448, 560, 26, 26);
    makeDecorative(sveglia);

    chkSegnala = new QCheckBox(QStringLiteral("Da pagare"), panel());
    chkSegnala->setObjectName(QStringLiteral("chkSegnala"));
    chkSegnala->setGeometry(504, 561, 105, 24);
    chkSegnala->setFont(Fonts::verdanaPoints(9, true));
    setHint(chkSegnala,
        QStringLiteral("Spunta questa casella per annotare che il pagamento deve ancora "
                       "essere effettuato."));

    QPushButton* codFisc
        = commandButton(QStringLiteral("btnCodFisc"), QRect(787, 596, 22, 22), &TfrmArchivio::btnCodFiscClick);
    ScaledPicture::show(codFisc, [] { return IconPictures::draw(Icon::Spunta, QSize(20, 20)); });
    codFisc->setIconSize(QSize(20, 20));
    codFisc->setFlat(true);
    setHint(codFisc, QStringLiteral("Controlla il codice fiscale."));
}

void TfrmArchivio::buildFields()
{
    const Tracciato& tracciato = Tracciato::di(categoria_.tipo);

    // Sizes are in pixels, as the screen is laid out in pixels.
    const QFont fCampo = Fonts::verdana(12, true);
    const QFont fPrezzo = Fonts::verdana(14, true);
    const QFont fEtichetta = Fonts::verdana(11, true);

    for (const FieldSlot& p : fieldSlots(categoria_.tipo)) {
        const QString& campo = p.field;
        const FieldKind kind = p.kind;
        const bool marrone = campo == QLatin1String("DataSca");

        auto* edit = new QLineEdit(panel());
        edit->setObjectName(p.control);
        const bool prezzo = kind == FieldKind::Amount;
        edit->setGeometry(p.x, p.y, p.width, prezzo ? 24 : 22);
        edit->setFont(prezzo ? fPrezzo : fCampo);
        edit->setMaxLength(tracciato.larghezza(tracciato.indice(campo)));
        edit->setReadOnly(kind == FieldKind::Date);
        edit->setStyleSheet(fieldStyle(
            prezzo ? QColor(Qt::white) : Palette::AliceBlue, prezzo || marrone ? Palette::Brown : QColor(Qt::black)));
        edit->setFrame(false);
        edit->setAttribute(Qt::WA_NoMousePropagation);
        edit->setContextMenuPolicy(kind == FieldKind::Date ? Qt::NoContextMenu : Qt::DefaultContextMenu);
        if (prezzo) {
            edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            edit->setText(QStringLiteral("0,00"));
            edit->setValidator(new AmountValidator(edit->maxLength(), edit));
        }
        edit->installEventFilter(this);
        if (kind == FieldKind::TaxCode) {
            // What the user types is kept trimmed and in capitals.
            connect(edit, &QLineEdit::textEdited, this, [edit](const QString& testo) {
                const QString pulito = normalizeTaxCode(testo);
                if (pulito != testo) {
                    const int cursore = edit->cursorPosition();
                    edit->setText(pulito);
                    edit->setCursorPosition(qMin(cursore, int(pulito.size())));
                }
            });
        }

        if (!p.label.isEmpty()) {
            auto* lbl = new QLabel(categoria_.TestoEtichetta(campo), panel());
            lbl->setObjectName(p.label);
            lbl->setGeometry(p.x, p.y - 18, qMax(p.width, 196), 16);
            lbl->setFont(fEtichetta);
            lbl->setStyleSheet(
                QStringLiteral("QLabel { color: %1; }").arg((marrone ? Palette::Brown : Palette::DeepBlue).name()));
            lbl->setAttribute(Qt::WA_NoMousePropagation);
        }

        LiveField c;
        c.campo = campo;
        c.edit = edit;
        c.kind = kind;
        fields_.append(c);
    }
}

void TfrmArchivio::buildStatusBar()
{
    auto* barra = new ShapeBox(panel(), Palette::StatusBlue);
    barra->setObjectName(QStringLiteral("shpStato"));
    barra->setGeometry(16, 642, 962, 32);
    // Not decorative: the mouse over the bar, its margins around the text
    // included, leaves the hint as it is. A shape box lets the mouse through
    // to the panel beneath, which would empty it; this one keeps the moves.
    barra->setAttribute(Qt::WA_TransparentForMouseEvents, false);
    barra->setAttribute(Qt::WA_NoMousePropagation);
    panInfo = new QLabel(ReadyHint, panel());
    panInfo->setObjectName(QStringLiteral("panInfo"));
    panInfo->setGeometry(22, 650, 950, 18);
    QFont f(QStringLiteral("Tahoma"));
    f.setPixelSize(14);
    panInfo->setFont(f);
    panInfo->setStyleSheet(QStringLiteral("QLabel { color: white; background: transparent; }"));
    panInfo->setAttribute(Qt::WA_NoMousePropagation);
}

// ---- The photo's context menu and drops ------------------------------------
// Ways in beside the photo panel's buttons. A PDF document and the scanner
// belong to another room: the screen only says what the user asked for.

namespace {

bool isPdf(const QString& path)
{
    return QFileInfo(path).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0;
}

bool isDroppable(const QString& path)
{
    static const QStringList suffixes {QStringLiteral("jpg"), QStringLiteral("jpeg"), QStringLiteral("bmp"),
        QStringLiteral("png"), QStringLiteral("pdf")};
    return suffixes.contains(QFileInfo(path).suffix(), Qt::CaseInsensitive);
}

// The local files a drag carries, in their order.
QStringList draggedFiles(const QMimeData* data)
{
    QStringList files;
    if (!data || !data->hasUrls())
        return files;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile())
            files.append(url.toLocalFile());
    }
    return files;
}

} // namespace

void TfrmArchivio::buildPhotoMenu()
{
    // The photo takes the focus on a click, so that the menu key reaches it,
    // and never by Tab: the screen's tab order stays as it is.
    imgFoto->setFocusPolicy(Qt::ClickFocus);
    imgFoto->setContextMenuPolicy(Qt::CustomContextMenu);
    imgFoto->setAcceptDrops(true);
    connect(imgFoto, &QWidget::customContextMenuRequested, this, &TfrmArchivio::showPhotoMenu);

    mnuFoto = new QMenu(this);
    mnuFoto->setObjectName(QStringLiteral("mnuFoto"));
    auto voce
        = [this](const char* nome, const QString& testo, const QString& suggerimento, void (TfrmArchivio::*segnale)()) {
              QAction* a = mnuFoto->addAction(testo);
              a->setObjectName(QString::fromLatin1(nome));
              a->setStatusTip(suggerimento);
              connect(a, &QAction::hovered, this, [this, suggerimento] { panInfo->setText(suggerimento); });
              connect(a, &QAction::triggered, this, segnale);
          };
    voce("actCaricaPdf", QStringLiteral("Carica da documento PDF..."),
        QStringLiteral("Carica come foto la prima pagina di un documento PDF."), &TfrmArchivio::pdfPhotoRequested);
    voce("actScanner", QStringLiteral("Acquisisci da scanner..."),
        QStringLiteral("Acquisisci la foto della ricevuta con lo scanner."), &TfrmArchivio::scannerRequested);
    mnuFoto->addSeparator();
    voce("actLeggiDati", QStringLiteral("Leggi i dati dalla bolletta..."),
        QStringLiteral("Legge dalla foto della bolletta i dati della scheda."), &TfrmArchivio::readBillRequested);
    // The placeholder is no bill to read.
    auto* readItem = findChild<QAction*>(QStringLiteral("actLeggiDati"));
    connect(mnuFoto, &QMenu::aboutToShow, this, [this, readItem] { readItem->setEnabled(!FotoSegnaposto()); });
    // Once closed, the menu's hints leave the status bar.
    connect(mnuFoto, &QMenu::aboutToHide, this, [this] { panInfo->setText(QString()); });
}

void TfrmArchivio::showPhotoMenu(const QPoint& pos)
{
    mnuFoto->popup(imgFoto->mapToGlobal(pos));
}

void TfrmArchivio::MostraStato(const QString& testo)
{
    panInfo->setText(testo);
}

bool TfrmArchivio::photoDrag(QDragMoveEvent* event)
{
    const QStringList files = draggedFiles(event->mimeData());
    // Refused, the drag shows the "not allowed" cursor.
    if (files.isEmpty() || !isDroppable(files.first())) {
        event->ignore();
        return true;
    }
    event->acceptProposedAction();
    return true;
}

void TfrmArchivio::photoDrop(QDropEvent* event)
{
    const QStringList files = draggedFiles(event->mimeData());
    if (files.isEmpty() || !isDroppable(files.first())) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    // Taken once the drop is over: the file manager it came from must not
    // wait on a question asked here.
    QMetaObject::invokeMethod(
        this, [this, files] { takeDropped(files); }, Qt::QueuedConnection);
}

void TfrmArchivio::takeDropped(const QStringList& files)
{
    const QString& file = files.first();
    if (files.size() > 1)
        MostraStato(QStringLiteral("È stato usato il primo dei %1 file trascinati.").arg(files.size()));
    if (isPdf(file)) {
        Q_EMIT pdfDropped(file);
        return;
    }
    const QImage immagine = PhotoFiles::read(file);
    if (immagine.isNull()) {
        Dialogs::current().message(this, Dialogs::Kind::Warning, PhotoDialogs::fileIllegibile());
        return;
    }
    ImpostaFoto(immagine);
}

// ---- The card on display ---------------------------------------------------

QWidget* TfrmArchivio::controlNamed(const QString& nome) const
{
    return panel()->findChild<QWidget*>(nome);
}

const TfrmArchivio::LiveField* TfrmArchivio::liveFieldOf(const QObject* edit) const
{
    for (const auto& c : fields_)
        if (c.edit == edit)
            return &c;
    return nullptr;
}

QLineEdit* TfrmArchivio::Campo(const QString& campo) const
{
    for (const auto& c : fields_)
        if (c.campo == campo)
            return c.edit;
    return nullptr;
}

QString TfrmArchivio::Posizione() const
{
    return lblPosizione->text();
}

QString TfrmArchivio::Allegato(int slot) const
{
    return slot >= 1 && slot <= 3 ? lblFile[slot - 1]->text() : QString();
}

QString TfrmArchivio::DescrizioneAllegato(int slot) const
{
    return slot >= 1 && slot <= 3 ? lblDesc[slot - 1]->text() : QString();
}

void TfrmArchivio::ImpostaAllegato(int slot, const QString& file, const QString& descrizione)
{
    if (slot < 1 || slot > 3)
        return;
    lblFile[slot - 1]->setText(file);
    lblDesc[slot - 1]->setText(descrizione);
}

bool TfrmArchivio::ScriviData(const QString& campo, const QString& data)
{
    QLineEdit* e = Campo(campo);
    const LiveField* c = liveFieldOf(e);
    if (!c || c->kind != FieldKind::Date)
        return false;
    e->setText(data);
    return true;
}

bool TfrmArchivio::ScriviCampo(const QString& field, const QString& text)
{
    QLineEdit* edit = Campo(field);
    const LiveField* live = liveFieldOf(edit);
    if (!live)
        return false;
    QString written = text;
    switch (live->kind) {
    case FieldKind::Text:
        break;
    case FieldKind::Date:
        // Only a day the picker could have picked.
        if (!QDate::fromString(text, Formats::ShortDate).isValid())
            return false;
        break;
    case FieldKind::Amount:
        if (!amountFits(text, edit->maxLength()))
            return false;
        written = normalizeAmount(text);
        break;
    case FieldKind::TaxCode:
        written = normalizeTaxCode(text);
        break;
    }
    if (written.size() > edit->maxLength())
        return false;
    edit->setText(written);
    edit->setCursorPosition(0); // a long text shows its beginning, as a card read does
    edit->setModified(true);
    return true;
}

const QImage& TfrmArchivio::Segnaposto() const
{
    if (placeholder_.isNull())
        placeholder_ = ProgramPictures::placeholder(categoria_).toImage();
    return placeholder_;
}

QImage TfrmArchivio::Foto() const
{
    return photo_.image().isNull() && photo_.isPlaceholder() ? Segnaposto() : photo_.image();
}

void TfrmArchivio::showPhoto()
{
    // The placeholder is a picture of ours, drawn again where the screen is
    // drawn smaller; a photo is a stored bitmap.
    if (photo_.isPlaceholder() && !photo_.image().isNull())
        imgFoto->setImage(photo_.image(), [&c = categoria_] { return ProgramPictures::placeholder(c); });
    else
        imgFoto->setImage(photo_.image());
}

void TfrmArchivio::normaliseAmount(QLineEdit* prezzo)
{
    // Only an amount the user changed: one still as it was read is the
    // record's own and is kept, even in a form the field would not produce.
    if (amountAsRead_ && prezzo->text() == *amountAsRead_)
        return;
    // The validator keeps typed amounts within the field's width. Only an
    // oversized amount read from a record and then edited can still overflow:
    // it stays as the user left it rather than be cut.
    const QString normale = normalizeAmount(prezzo->text());
    if (normale.size() <= prezzo->maxLength())
        prezzo->setText(normale);
}

void TfrmArchivio::ImpostaFoto(const QImage& immagine, const QString& document)
{
    if (photo_.replace(immagine, document))
        showPhoto();
}

void TfrmArchivio::CancellaFoto()
{
    photo_.clear(Segnaposto());
    showPhoto();
}

void TfrmArchivio::PulisciScheda()
{
    for (const auto& c : fields_)
        c.edit->setText(c.kind == FieldKind::Amount ? QStringLiteral("0,00") : QString());
    amountAsRead_.reset();
    chkSegnala->setChecked(false);
    for (int i = 0; i < 3; ++i) {
        lblFile[i]->clear();
        lblDesc[i]->clear();
    }
    photo_.blank(Segnaposto());
    showPhoto();
    lblPosizione->clear();
    fields_.constFirst().edit->setFocus();
}

void TfrmArchivio::MostraScheda(const Scheda& scheda, int n)
{
    const FieldTexts testi = textsFromRecord(scheda);
    for (const auto& c : fields_) {
        c.edit->setText(testi.value(c.campo));
        c.edit->setCursorPosition(0); // a long text shows its beginning
        if (c.kind == FieldKind::Amount)
            amountAsRead_ = c.edit->text();
    }
    if (const std::optional<bool> segnala = flagTicked(testi.value(QStringLiteral("Segnala"))))
        chkSegnala->setChecked(*segnala);
    for (int i = 0; i < 3; ++i) {
        lblFile[i]->setText(testi.value(attachmentFileField(i + 1)));
        lblDesc[i]->setText(testi.value(attachmentDescField(i + 1)));
    }
    lblPosizione->setText(QString::number(n));
    CaricaFotoScheda();
}

void TfrmArchivio::CaricaFotoScheda()
{
    PhotoFiles::createFolder();
    const QString percorso = PhotoFiles::path(categoria_, lblPosizione->text());
    const QImage immagine = PhotoFiles::read(percorso);
    const bool esiste = immagine.isNull() && !percorso.isEmpty() && QFileInfo::exists(percorso);
    photo_.read(immagine, esiste, immagine.isNull() ? Segnaposto() : QImage());
    showPhoto();
}

bool TfrmArchivio::SalvaFotoScheda()
{
    // Not over a stored photo that could not be read (see CardPhoto).
    if (!photo_.mayWrite())
        return true;
    if (!PhotoFiles::createFolder())
        return false;
    if (!PhotoFiles::write(Foto(), PhotoFiles::path(categoria_, lblPosizione->text())))
        return false;
    photo_.written();
    return true;
}

Scheda TfrmArchivio::SchedaDaControlli() const
{
    FieldTexts testi;
    for (const auto& c : fields_)
        testi.insert(c.campo, c.edit->text());
    testi.insert(QStringLiteral("Segnala"), flagText(chkSegnala->isChecked()));
    for (int i = 0; i < 3; ++i) {
        testi.insert(attachmentFileField(i + 1), lblFile[i]->text());
        testi.insert(attachmentDescField(i + 1), lblDesc[i]->text());
    }
    return recordFromTexts(categoria_.tipo, testi);
}

// ---- Commands ----------------------------------------------------------------

void TfrmArchivio::showAccessMessage()
{
    Dialogs::current().message(this, Dialogs::Kind::Error, ArchiveMessages::accessFailed());
}

void TfrmArchivio::cmdNuovoClick()
{
    PulisciScheda();
}

void TfrmArchivio::cmdDuplicaClick()
{
    if (FieldText::trimmed(lblPosizione->text()).isEmpty()) {
        Dialogs::current().message(this, Dialogs::Kind::Warning,
            QStringLiteral("Attenzione: la duplicazione di una scheda può avvenire soltanto "
                           "dopo che questa è stata inserita in archivio."));
        return;
    }
    for (int i = 0; i < 3; ++i) {
        lblFile[i]->clear();
        lblDesc[i]->clear();
    }
    lblPosizione->clear();
    photo_.blank(Segnaposto());
    showPhoto();
    fields_.constFirst().edit->setFocus();
    Dialogs::current().message(this, Dialogs::Kind::Information,
        QStringLiteral("E' ora possibile apportare le proprie modifiche alla scheda corrente."
                       "\n\r\n\rAl termine premere Salva per inserire la scheda in archivio."));
}

void TfrmArchivio::cmdSalvaClick()
{
    btnFocus->setFocus();
    // The amount is stored as the field leaves it, even when the user saves
    // without leaving the field first.
    normaliseAmount(Campo(QStringLiteral("Prezzo")));

    for (const CampoObbligatorio& o : categoria_.Obbligatori) {
        auto* edit = qobject_cast<QLineEdit*>(controlNamed(o.controllo));
        if (edit && FieldText::trimmed(edit->text()).isEmpty()) {
            Dialogs::current().message(this, Dialogs::Kind::Warning, o.avviso);
            edit->setFocus();
            return;
        }
    }

    const bool nuova = FieldText::trimmed(lblPosizione->text()).isEmpty();
    const std::optional<int> n = CardFile::save(categoria_, SchedaDaControlli(), lblPosizione->text());
    if (!n) {
        showAccessMessage();
        return;
    }
    lblPosizione->setText(QString::number(*n));

    const QString esito = nuova ? QStringLiteral("La scheda corrente è stata inserita in archivio.")
                                : QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in "
                                                 "archivio.");
    if (SalvaFotoScheda()) {
        Dialogs::current().message(this, Dialogs::Kind::Information, esito);
    } else {
        // The card is saved, the photo is not: say so, and keep the picture
        // on screen so a later save can write it.
        Dialogs::current().message(this, Dialogs::Kind::Warning,
            esito
                + QStringLiteral("\r\n\r\nAttenzione: non è stato possibile salvare la foto "
                                 "della ricevuta nella cartella Foto_Ricevute."));
    }
}

void TfrmArchivio::browse(RecordArrow comando)
{
    const std::optional<CardFile::Browsed> esito = CardFile::browse(categoria_, comando, lblPosizione->text());
    if (!esito) {
        showAccessMessage();
        return;
    }
    const Step& step = esito->step;
    switch (step.action) {
    case Step::Action::Nothing:
    case Step::Action::Error:
        return;
    case Step::Action::Empty:
        if (step.clearPosition)
            lblPosizione->clear();
        Dialogs::current().message(this, Dialogs::Kind::Information, EmptyArchiveMessage);
        return;
    case Step::Action::Show:
        MostraScheda(*esito->scheda, step.card);
        return;
    }
}

void TfrmArchivio::cmdPrimoClick()
{
    browse(RecordArrow::First);
}
void TfrmArchivio::cmdIndietroClick()
{
    browse(RecordArrow::Back);
}
void TfrmArchivio::cmdAvantiClick()
{
    browse(RecordArrow::Forward);
}
void TfrmArchivio::cmdUltimoClick()
{
    browse(RecordArrow::Last);
}

void TfrmArchivio::cmdTrovaClick()
{
    Q_EMIT searchRequested();
}
void TfrmArchivio::cmdSegnalatiClick()
{
    Q_EMIT unpaidSummaryRequested();
}
void TfrmArchivio::cmdEsportaClick()
{
    Q_EMIT exportRequested();
}
void TfrmArchivio::cmdStampaClick()
{
    Q_EMIT printRequested();
}
void TfrmArchivio::cmdGuidaClick()
{
    Q_EMIT helpRequested();
}
void TfrmArchivio::cmdEsciClick()
{
    close();
}

void TfrmArchivio::cmdFileClick()
{
    TfrmAllegaCartella allegati(this);
    allegati.ImpostaTag(categoria_.Sigla);
    for (int n = 1; n <= 3; ++n)
        allegati.ImpostaSlot(n, FieldText::trimmed(lblFile[n - 1]->text()).toString(),
            FieldText::trimmed(lblDesc[n - 1]->text()).toString());
    if (allegati.exec() == QDialog::Accepted && allegati.tookDocumentPage())
        Q_EMIT documentPageTaken();
}

// ---- The photo panel -------------------------------------------------------
// Everything here changes only the picture on screen; the card's photo file
// is written by the save.

void TfrmArchivio::btnCaricaFotoClick()
{
    const QString file = Dialogs::current().openFile(this, PhotoDialogs::apri());
    if (file.isEmpty())
        return;
    const QImage immagine = PhotoFiles::read(file);
    if (immagine.isNull()) {
        // The picture on screen may be the card's real photo: a save after
        // a failed load must not replace it.
        Dialogs::current().message(this, Dialogs::Kind::Warning, PhotoDialogs::fileIllegibile());
        return;
    }
    ImpostaFoto(immagine);
}

void TfrmArchivio::btnSalvaFotoClick()
{
    const QString percorso = Dialogs::current().saveFile(this, PhotoDialogs::salva());
    if (percorso.isEmpty())
        return;
    if (!PhotoFiles::write(Foto(), percorso))
        Dialogs::current().message(this, Dialogs::Kind::Warning, PhotoDialogs::scritturaFallita());
}

void TfrmArchivio::btnCancFotoClick()
{
    CancellaFoto();
}

void TfrmArchivio::btnWebcamClick()
{
    TfrmWebCam webcam(this);
    webcam.ImpostaTag(categoria_.Sigla);
    webcam.exec();
}

void TfrmArchivio::btnZoomFotoClick()
{
    TfrmZoom zoom(this);
    zoom.ImpostaFoto(Foto());
    zoom.exec();
}

void TfrmArchivio::btnCodFiscClick()
{
    Q_EMIT codeCheckRequested(Campo(QStringLiteral("CodFisc"))->text());
}

// ---- Events ------------------------------------------------------------------

void TfrmArchivio::showEvent(QShowEvent* event)
{
    GradientWindow::showEvent(event);
    if (!event->spontaneous())
        PulisciScheda();
}

void TfrmArchivio::closeEvent(QCloseEvent* event)
{
    Q_EMIT closed();
    event->accept();
}

void TfrmArchivio::openDatePicker(const LiveField& c)
{
    TfrmCalendario calendario(this);
    calendario.ImpostaTag(categoria_.TagData(c.campo));
    calendario.exec();
    c.edit->setFocus();
}

bool TfrmArchivio::fieldKey(const LiveField& c, QKeyEvent* e)
{
    switch (fieldKeyAction(c.kind, e->key(), e->text())) {
    case KeyAction::PassOn:
        return false;
    case KeyAction::Swallow:
        return true;
    case KeyAction::Clear:
        c.edit->clear();
        return true;
    case KeyAction::PickDate:
        openDatePicker(c);
        return true;
    case KeyAction::NextField:
        fields_.at((&c - fields_.constData() + 1) % fields_.size()).edit->setFocus();
        return true;
    }
    return false;
}

bool TfrmArchivio::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        if (const LiveField* c = liveFieldOf(watched))
            return fieldKey(*c, static_cast<QKeyEvent*>(event));
        break;
    case QEvent::FocusOut:
        if (const LiveField* c = liveFieldOf(watched); c && c->kind == FieldKind::Amount)
            normaliseAmount(c->edit);
        break;
    case QEvent::DragEnter:
    case QEvent::DragMove:
        if (watched == imgFoto)
            return photoDrag(static_cast<QDragMoveEvent*>(event));
        break;
    case QEvent::Drop:
        if (watched == imgFoto) {
            photoDrop(static_cast<QDropEvent*>(event));
            return true;
        }
        break;
    case QEvent::MouseMove: {
        auto* w = qobject_cast<QWidget*>(watched);
        const auto it = hints_.constFind(w);
        if (it == hints_.constEnd())
            break;
        panInfo->setText(*it);
        // Handled here: a command's move must not go on to the panel behind
        // it, which would clear the hint again.
        return true;
    }
    default:
        break;
    }
    return GradientWindow::eventFilter(watched, event);
}
