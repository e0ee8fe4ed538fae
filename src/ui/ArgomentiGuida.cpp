#include "ArgomentiGuida.h"

namespace {

// The overview: the start window shows all of it, the catalogue windows and the editor a slice each.
const QStringList& panoramica() {
    static const QStringList p{
        // 1
        QStringLiteral(
            "Geodario è un aiuto pensato per geologi e collezionisti di minerali: permette di tenere i "
            "cataloghi dei propri campioni, anche su una chiavetta USB, di descrivere ogni esemplare nei "
            "minimi dettagli e di ritrovarne, aggiornarne o stamparne la scheda con le foto in pochi clic."),
        // 2
        QStringLiteral(
            "I campioni possono essere catalogati secondo qualsiasi criterio: per composizione chimica, per "
            "località di ritrovamento, per impiego economico o industriale. Il numero dei cataloghi è "
            "illimitato e i dati inseriti si ritrovano nella schermata di ricerca, che interroga l'archivio "
            "secondo più criteri contemporaneamente e ne stampa i riepiloghi."),
        // 3
        QStringLiteral(
            "Dalla finestra iniziale si accede a due aree di lavoro: una per creare una nuova collezione e "
            "una per aprire e compilare una collezione esistente. Il primo passo consiste nel premere il "
            "pulsante dell'area desiderata."),
        // 4
        QStringLiteral(
            "Tutti i file degli archivi si trovano nella cartella di installazione del programma. Per fare "
            "una copia di sicurezza basta copiare l'intera cartella su un qualsiasi supporto (disco esterno, "
            "chiavetta USB); per ripristinarla basta sovrascrivere la cartella di installazione con la "
            "copia."),
        // 5
        QStringLiteral(
            "Per creare un archivio premere il pulsante CREA NUOVO ARCHIVIO, digitare il nome completo "
            "nella casella di testo della finestra che si apre e confermare con il pulsante in basso."),
        // 6
        QStringLiteral(
            "La creazione di una collezione genera nella cartella del programma un file di archivio con "
            "estensione IMA. Ogni archivio contiene un numero illimitato di schede, ciascuna con due foto "
            "del campione e i relativi commenti. Un nome completo e ricco di parole chiave aiuta a "
            "ritrovarlo, per esempio l'origine dei minerali: magmatici, metamorfici, sedimentari, "
            "idrotermali."),
        // 7
        QStringLiteral(
            "Dopo aver digitato il nome, confermare con il pulsante APPLICA E CHIUDI per tornare alla "
            "finestra iniziale; qui il pulsante APRI ARCHIVIO ESISTENTE elenca tutte le collezioni. Fare "
            "clic sul nome del catalogo e premere il pulsante APRI ARCHIVIO."),
        // 8
        QStringLiteral(
            "L'icona del cestino elimina la collezione selezionata. Va usata con prudenza: un archivio "
            "eliminato non può più essere recuperato."),
        // 9
        QStringLiteral(
            "La finestra di gestione dell'archivio conserva un numero illimitato di schede per ogni "
            "catalogo. Permette di allegare file a ciascuna scheda, di tenere traccia dei campioni in "
            "vendita, di cercare con una o più chiavi, di visualizzare l'anteprima di una scheda o di "
            "stamparla, di mostrare in sequenza le foto di tutti i minerali e di esportare l'archivio in un "
            "file di Excel."),
        // 10
        QStringLiteral(
            "Ogni scheda contiene due foto e i seguenti dati, ciascuno con un esempio: nome o specie "
            "(Cerussite); gruppo (Carbonati); località di ritrovamento, dal generale al particolare: "
            "continente, stato, regione, provincia, comune, miniera o cava, livello o galleria (Europa, "
            "Italia, Sardegna, Sud Sardegna, Iglesias, miniera di Monteponi, livello 3); coordinate GPS, "
            "cioè latitudine, longitudine e altitudine (39°18' N, 8°31' E, 200 m); paragenesi (Anglesite, "
            "Galena); anno di ritrovamento (1998); valore stimato (150,00); dimensioni in millimetri, "
            "larghezza × altezza × profondità (60 × 45 × 30); classificazione di Strunz o di Dana "
            "(5.AB.15); rarità (non comune); formula chimica (PbCO3); forma esterna o abito cristallino "
            "(cristalli tabulari geminati); roccia madre (calcare dolomitico); sistema cristallino "
            "(rombico); trattamenti (nessuno); colore (bianco); peso in grammi, in carati per le gemme "
            "(85); durezza nella scala di Mohs da 1 a 10 (3,5); stato di conservazione (ottimo); luogo di "
            "conservazione (vetrina 2, ripiano 3)."),
        // 11
        QStringLiteral(
            "Il campo «Note» raccoglie ogni altra informazione utile, come gli aneddoti del ritrovamento o "
            "la data e il modo dell'acquisizione. Una ricerca su questo campo elenca tutte le schede che "
            "contengono la chiave cercata."),
        // 12
        QStringLiteral(
            "Spuntando la casella «In vendita» il campione entra nell'elenco dei pezzi in vendita; il "
            "pulsante con l'icona della mano e della moneta mostra questo elenco."),
        // 13
        QStringLiteral(
            "Foto: salvare l'immagine in formato JPEG e importarla con il pulsante di caricamento, oppure "
            "acquisirla con la webcam (accendere la webcam, posizionare il campione, scattare la foto e "
            "importarla nella scheda). Dopo aver inserito le due foto, memorizzare la scheda con il "
            "pulsante di salvataggio."),
        // 14
        QStringLiteral(
            "Le foto vengono adattate ai riquadri di anteprima; l'icona della lente mostra una foto a tutto "
            "schermo. Per ritoccare una foto, salvarla su disco, modificarla con un programma di grafica e "
            "caricarla di nuovo."),
        // 15
        QStringLiteral(
            "La presentazione (slide show) mostra a tutto schermo, a intervalli di pochi secondi, le foto di "
            "tutti i campioni dell'archivio aperto e ricomincia dopo l'ultima; un clic in qualsiasi punto "
            "la termina."),
        // 16
        QStringLiteral(
            "Il pulsante con la graffetta allega a una scheda file di qualsiasi tipo, per esempio un "
            "certificato di autenticità o una dichiarazione di provenienza lecita."),
        // 17
        QStringLiteral(
            "La ricerca funziona con chiavi parziali (una o più parole consecutive contenute in un campo) e "
            "con più filtri contemporaneamente: per esempio tutti i minerali di una località, di un anno o "
            "di un gruppo."),
        // 18
        QStringLiteral(
            "I dati testuali di un archivio possono essere esportati in un foglio di Excel, per condividerli "
            "con chi non possiede il programma; le singole schede, complete di foto, possono essere stampate "
            "o visualizzate in anteprima."),
        // 19: saving a card overwrites it whole, so the text asks for one writer of a card at a time.
        QStringLiteral(
            "Il programma può essere usato in una rete locale per condividere gli archivi fra più "
            "postazioni di lavoro. Conviene però che una scheda sia modificata da una sola postazione alla "
            "volta: se due postazioni salvano la stessa scheda, resta soltanto l'ultimo salvataggio."),
        // 20
        QStringLiteral(
            "L'accesso è protetto da una password che l'utente può cambiare tutte le volte che vuole. Per "
            "il primo accesso la password è \"ghiandolaverde\" (da digitare senza le virgolette)."),
        // 21
        QStringLiteral(
            "Il programma funziona anche da una chiavetta USB: basta copiare la cartella del programma sulla "
            "chiavetta e fare doppio clic sull'icona dell'applicazione. Copiare la cartella su un "
            "dispositivo esterno è anche il modo più rapido per fare una copia di sicurezza di tutti gli "
            "archivi."),
        // 22
        QStringLiteral(
            "In conclusione, Geodario è uno strumento per costruire in poco tempo il catalogo della propria "
            "collezione, da condividere con altri collezionisti o con possibili acquirenti, e per imparare a "
            "usarlo basta pochissimo."),
    };
    return p;
}

// Paragraphs da to a of the overview, counted from 1 as the text is read.
QStringList brano(int da, int a) {
    return panoramica().mid(da - 1, a - da + 1);
}

const QStringList& esportazione() {
    static const QStringList p{
        QStringLiteral(
            "Il pulsante di esportazione scrive i dati testuali dell'archivio in un foglio di lavoro di "
            "Excel, che può essere aperto da qualsiasi programma in grado di gestire i file XLS (per esempio "
            "Microsoft Excel, LibreOffice Calc o OpenOffice Calc)."),
        QStringLiteral(
            "Nella finestra con la griglia dei dati, l'icona di Excel crea subito un file XLS con le schede "
            "dell'archivio; rispondendo Sì alla domanda che segue, il file viene aperto."),
        QStringLiteral("A quel punto basta salvare il file su disco con il nome che si preferisce."),
    };
    return p;
}

} // namespace

namespace ArgomentiGuida {

QList<Argomento> tutti() {
    return {Argomento::UnoSguardo, Argomento::CreazioneApertura, Argomento::GestioneArchivio,
            Argomento::Esportazione};
}

QString titolo(Argomento a) {
    switch (a) {
    case Argomento::UnoSguardo:
        return QStringLiteral("Uno sguardo ad Geodario");
    case Argomento::CreazioneApertura:
        return QStringLiteral("Creazione e apertura archivi minerali");
    case Argomento::GestioneArchivio:
        return QStringLiteral("App Gestione Archivio Minerali");
    case Argomento::Esportazione:
        return QStringLiteral("Esportazione archivio minerali in Excel");
    }
    return {};
}

QStringList paragrafi(Argomento a) {
    switch (a) {
    case Argomento::UnoSguardo:
        return panoramica();
    case Argomento::CreazioneApertura:
        return brano(3, 8);
    case Argomento::GestioneArchivio:
        return brano(9, 18);
    case Argomento::Esportazione:
        return esportazione();
    }
    return {};
}

QString testo(Argomento a) {
    return paragrafi(a).join(QStringLiteral("\r\n\r\n"));
}

} // namespace ArgomentiGuida
