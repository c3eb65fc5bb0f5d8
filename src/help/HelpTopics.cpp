#include "help/HelpTopics.h"

#include "archive/Categoria.h"

namespace {

// The paragraphs of the main menu's topic. The archive screen's topic reuses
// the ones about cards, from the fourth to the nineteenth.
const char* const ParagrafiMenu[] = {
    // 1
    "Nella vita di tutti i giorni si accumulano bollette, ricevute e scontrini che l'Agenzia delle Entrate, "
    "la banca o il Comune potrebbero chiedere di esibire, o che potrebbe essere necessario contestare. Con "
    "Tessaria 3.0 non si perde più traccia di nessun pagamento.",
    // 2
    "Tessaria 3.0 archivia le ricevute delle utenze domestiche e delle altre spese: registra i dati di ogni "
    "pagamento e associa a ciascuna scheda la foto della ricevuta, acquisita con lo scanner e salvata in "
    "formato JPEG oppure scattata direttamente con la webcam del computer.",
    // 3
    "Il programma mette a disposizione dieci app: luce, gas, acqua, rifiuti solidi urbani, telefono e Internet, "
    "tasse automobilistiche e altri costi dell'auto, spese condominiali ordinarie e straordinarie, acquisti, "
    "tasse versate e pagamenti vari.",
    // 4
    "Per ogni bolletta, ricevuta o fattura si possono registrare il numero di conto corrente o l'IBAN, la "
    "causale e la data di emissione, l'importo pagato o da pagare, la modalità di pagamento, gli estremi della "
    "ricevuta o della fattura, il periodo di riferimento, i dettagli dei consumi, la data di scadenza e la data "
    "di pagamento, i dati del pagatore con il codice fiscale e il codice cliente, lo stato del pagamento "
    "(effettuato o ancora da effettuare) e qualsiasi nota personale.",
    // 5
    "Il pulsante a destra del campo del codice fiscale del pagatore verifica la correttezza del codice; se il "
    "campo contiene soltanto cifre, verifica la partita IVA.",
    // 6
    "L'app dedicata all'auto permette di registrare anche la marca, il modello e la targa del veicolo.",
    // 7
    "L'app del condominio consente di descrivere l'immobile a cui si riferisce il pagamento.",
    // 8
    "L'app degli acquisti dispone di campi per l'attività commerciale, il suo numero di telefono, l'indirizzo "
    "e-mail e il sito Web, i prodotti acquistati, la garanzia e i documenti di acquisto.",
    // 9
    "L'app delle tasse registra la tipologia della tassa, la data di decorrenza, la data di scadenza e la data "
    "del pagamento.",
    // 10
    "Qualsiasi altro pagamento trova posto nell'app dei pagamenti vari.",
    // 11
    "Per inserire una nuova scheda fare clic su Nuovo, compilare i campi, caricare la foto se lo si desidera e "
    "fare clic su Salva. Per modificare una scheda già registrata, visualizzarla con le frecce di scorrimento "
    "oppure con la ricerca, apportare le modifiche e fare clic su Salva.",
    // 12
    "Per conservare nella scheda una copia della ricevuta, acquisirla con lo scanner, salvarla in formato JPEG "
    "e importarla con il pulsante Carica foto.",
    // 13
    "La foto può essere scattata anche con la webcam: il pulsante della webcam apre la finestra di "
    "acquisizione. Fare clic su Accendi webcam, tenere la ricevuta davanti all'obiettivo, fare clic su Cattura "
    "foto e poi su Importa foto in scheda; infine fare clic su Salva nella scheda.",
    // 14
    "La foto viene adattata al riquadro di anteprima; l'icona dello zoom la mostra a tutto schermo. Per "
    "ritoccarla, salvarla su disco, modificarla con un programma di grafica e ricaricarla con Carica foto.",
    // 15
    "Il pulsante Duplica velocizza la registrazione di una bolletta simile a una già presente in archivio: "
    "visualizzare la scheda precedente (con le frecce oppure con Trova), fare clic su Duplica, modificare i "
    "campi che cambiano, caricare la nuova foto e fare clic su Salva.",
    // 16
    "Oltre alla foto, a ogni scheda si possono allegare file di qualsiasi tipo, ad esempio il PDF della "
    "fattura.",
    // 17
    "Un pagamento non ancora effettuato si contrassegna con la casella Da pagare; il pulsante con la mano e la "
    "moneta visualizza e stampa il riepilogo di tutti i pagamenti non ancora completati.",
    // 18
    "Nello stesso archivio si possono conservare le bollette di persone diverse: la finestra di ricerca "
    "combina più filtri contemporaneamente, per trovare ad esempio tutte le bollette pagate da una persona a "
    "un certo beneficiario, oppure quelle che riportano particolari note.",
    // 19
    "Ogni scheda può essere stampata insieme alla sua foto, e ogni archivio può essere esportato in un file di "
    "Excel, che può essere aperto con qualsiasi programma in grado di gestire i file XLS.",
    // 20
    "Il programma funziona anche da una chiavetta USB: basta copiare la cartella del programma e avviarlo da "
    "lì. Copiare la cartella è anche il modo più rapido per fare una copia di sicurezza di tutti gli archivi.",
    // 21
    "Il programma può essere utilizzato in una rete locale per condividere gli archivi tra più postazioni di "
    "lavoro.",
    // 22
    "L'accesso al programma è protetto da una password, che l'utente può cambiare tutte le volte che vuole. "
    "Per il primo accesso si usa la parola chiave girasolemarino, digitata senza virgolette.",
    // 23
    "Tessaria 3.0 è lo strumento ideale per avere sempre a portata di mano ogni ricevuta, e per usarlo non "
    "c'è praticamente nulla da imparare.",
};
constexpr int NumeroParagrafiMenu = int(sizeof(ParagrafiMenu) / sizeof(ParagrafiMenu[0]));
static_assert(NumeroParagrafiMenu == 23, "the main menu's topic has 23 paragraphs");

QStringList paragrafiMenu(int primo, int ultimo) // from 1, both included
{
    QStringList p;
    for (int i = primo; i <= ultimo; ++i)
        p << QString::fromUtf8(ParagrafiMenu[i - 1]);
    return p;
}

} // namespace

QString HelpTopic::testo() const
{
    return paragrafi.join(QStringView(HelpTopics::Separator));
}

HelpTopic HelpTopics::menu()
{
    return {QStringLiteral("Uno sguardo ad Tessaria 3.0."), paragrafiMenu(1, NumeroParagrafiMenu)};
}

HelpTopic HelpTopics::archive()
{
    QStringList p;
    p << QStringLiteral("Tessaria 3.0 mette a disposizione dieci app in cui archiviare le ricevute delle bollette di "
                        "luce, gas, acqua, rifiuti solidi urbani, telefono e Internet, tasse automobilistiche e altri "
                        "costi sostenuti per la propria auto, spese condominiali ordinarie e straordinarie, acquisti "
                        "effettuati, tasse versate e pagamenti vari.");
    p << paragrafiMenu(4, 19);
    return {QStringLiteral("App per registrazione bollette e altri pagamenti."), p};
}

HelpTopic HelpTopics::exportTopic(const Categoria& c)
{
    QStringList p;
    p << QStringLiteral("Il pulsante Esporta archivio consente di esportare l'archivio ") + c.DescrizioneArticolata
            + QStringLiteral(" in un foglio di lavoro di Microsoft Excel, che potrà essere aperto con qualsiasi "
                             "software in grado di gestire i file in formato XLS (ad esempio, con Open Office, Libre "
                             "Office o Microsoft Office).");
    p << QStringLiteral("Dopo aver aperto la finestra contenente la griglia dei dati, bisogna fare clic sull'icona di "
                        "Excel. Questa operazione crea in tempo reale un file in formato XLS contenente le schede in "
                        "archivio, che potrà essere aperto immediatamente rispondendo affermativamente al messaggio "
                        "di domanda che appare.");
    p << QStringLiteral("A questo punto è sufficiente salvare il file sul proprio disco fisso assegnandogli un nome "
                        "qualsiasi.");
    return {QStringLiteral("Esportazione archivio ") + c.Descrizione + QStringLiteral(" in Microsoft Excel."), p};
}
