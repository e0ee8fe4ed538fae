#include "Catalogo.h"

#include "storage/Scheda.h"

#include <QFile>
#include <QStringList>

#include <random>

namespace {

struct Specie {
    const char* nome;
    const char* formula;
    const char* sistema;
    const char* durezza;
};

struct Gruppo {
    const char* nome;
    int peso; // in hundredths of the catalogue
    std::initializer_list<Specie> specie;
};

// The groups of the classification, weighted roughly as a general collection holds them; silicates are
// 30 % of the cards.
const Gruppo gruppi[] = {
    {"Elementi nativi",
     6,
     {{"Oro nativo", "Au", "Cubico", "2,5"},
      {"Zolfo", "S", "Rombico", "2"},
      {"Rame nativo", "Cu", "Cubico", "3"},
      {"Grafite", "C", "Esagonale", "1,5"}}},
    {"Solfuri",
     14,
     {{"Pirite", "FeS2", "Cubico", "6"},
      {"Galena", "PbS", "Cubico", "2,5"},
      {"Calcopirite", "CuFeS2", "Tetragonale", "3,5"},
      {"Sfalerite", "ZnS", "Cubico", "4"},
      {"Cinabro", "HgS", "Trigonale", "2,5"},
      {"Stibnite", "Sb2S3", "Rombico", "2"}}},
    {"Alogenuri",
     6,
     {{"Fluorite", "CaF2", "Cubico", "4"},
      {"Salgemma", "NaCl", "Cubico", "2,5"},
      {"Atacamite", "Cu2Cl(OH)3", "Rombico", "3"}}},
    {"Ossidi e idrossidi",
     14,
     {{"Quarzo ialino", "SiO2", "Trigonale", "7"},
      {"Ematite", "Fe2O3", "Trigonale", "6"},
      {"Magnetite", "Fe3O4", "Cubico", "6"},
      {"Cassiterite", "SnO2", "Tetragonale", "6,5"},
      {"Rutilo", "TiO2", "Tetragonale", "6"},
      {"Corindone", "Al2O3", "Trigonale", "9"}}},
    {"Carbonati",
     14,
     {{"Calcite", "CaCO3", "Trigonale", "3"},
      {"Aragonite", "CaCO3", "Rombico", "3,5"},
      {"Malachite", "Cu2CO3(OH)2", "Monoclino", "4"},
      {"Azzurrite", "Cu3(CO3)2(OH)2", "Monoclino", "3,5"},
      {"Dolomite", "CaMg(CO3)2", "Trigonale", "3,5"},
      {"Siderite", "FeCO3", "Trigonale", "4"}}},
    {"Borati",
     2,
     {{"Colemanite", "CaB3O4(OH)3·H2O", "Monoclino", "4,5"},
      {"Ulexite", "NaCaB5O9·8H2O", "Triclino", "2,5"}}},
    {"Solfati",
     8,
     {{"Barite", "BaSO4", "Rombico", "3"},
      {"Gesso", "CaSO4·2H2O", "Monoclino", "2"},
      {"Celestina", "SrSO4", "Rombico", "3"},
      {"Anglesite", "PbSO4", "Rombico", "3"}}},
    {"Fosfati",
     6,
     {{"Apatite", "Ca5(PO4)3F", "Esagonale", "5"},
      {"Piromorfite", "Pb5(PO4)3Cl", "Esagonale", "3,5"},
      {"Turchese", "CuAl6(PO4)4(OH)8·4H2O", "Triclino", "5,5"},
      {"Vanadinite", "Pb5(VO4)3Cl", "Esagonale", "3"}}},
    {"Silicati",
     30,
     {{"Granato almandino", "Fe3Al2(SiO4)3", "Cubico", "7,5"},
      {"Olivina", "(Mg,Fe)2SiO4", "Rombico", "6,5"},
      {"Tormalina elbaite", "Na(Li,Al)3Al6(BO3)3Si6O18(OH)4", "Trigonale", "7,5"},
      {"Berillo", "Be3Al2Si6O18", "Esagonale", "7,5"},
      {"Epidoto", "Ca2(Al,Fe)3(SiO4)3(OH)", "Monoclino", "6,5"},
      {"Ortoclasio", "KAlSi3O8", "Monoclino", "6"},
      {"Muscovite", "KAl2(AlSi3O10)(OH)2", "Monoclino", "2,5"},
      {"Vesuvianite", "Ca10(Mg,Fe)2Al4(SiO4)5(Si2O7)2(OH)4", "Tetragonale", "6,5"},
      {"Titanite", "CaTiSiO5", "Monoclino", "5"},
      {"Zircone", "ZrSiO4", "Tetragonale", "7,5"}}},
};

const char* localita[] = {
    "Rio Marina, Isola d'Elba (LI)",
    "Cava di Candoglia, Mergozzo (VB)",
    "Miniera di Brosso, Val Chiusella (TO)",
    "Monte Somma, Vesuvio (NA)",
    "Val di Vizze, Alto Adige (BZ)",
    "Miniera di Montevecchio, Guspini (SU)",
    "Cave di Carrara, Alpi Apuane (MS)",
    "Baveno, Lago Maggiore (VB)",
    "Miniera di Traversella (TO)",
    "Monte Cervandone, Val Devero (VB)",
    "Miniera del Bottino, Seravezza (LU)",
    "Cava Lanzi, Montemurlo (PO)",
    "Alpe Devero, Baceno (VB)",
    "Miniera di Gavorrano (GR)",
    "Vulcano Laziale, Ariccia (RM)",
    "Miniera di Perda Niedda, Domusnovas (SU)",
    "Passo di Lavazè, Val di Fiemme (TN)",
    "Val Malenco, Chiesa in Valmalenco (SO)",
    "Colle di Tenda, Limone Piemonte (CN)",
    "Cava di Pitigliano (GR)",
};

const char* stati[] = {"Ottimo", "Buono", "Discreto", "Da restaurare"};
const char* rarita[] = {"Comune", "Poco comune", "Rara", "Molto rara"};
const char* colori[] = {"Incolore", "Viola", "Verde smeraldo", "Giallo oro", "Nero lucente",
                        "Azzurro",  "Rosa"};
const char* rocce[] = {"Granito", "Pegmatite", "Marmo", "Basalto", "Serpentinite", "Skarn", "Gneiss"};
const char* forme[] = {"Prismatico", "Tabulare",   "Cubico",     "Aciculare",
                       "Massivo",    "Botroidale", "Romboedrico"};

const Gruppo& gruppoPer(int centesimo) {
    int soglia = 0;
    for (const Gruppo& g : gruppi) {
        soglia += g.peso;
        if (centesimo < soglia)
            return g;
    }
    return gruppi[std::size(gruppi) - 1];
}

QString testo(const char* s) {
    return QString::fromUtf8(s);
}

} // namespace

void creaCatalogo(const QString& percorso, qint64 schede) {
    QFile f(percorso);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(percorso));
    std::mt19937 caso(20261211); // the same catalogue every run
    auto tra = [&](int n) { return int(caso() % unsigned(n)); };
    QByteArray blocco;
    blocco.reserve(DimensioneScheda * 1024);
    for (qint64 i = 0; i < schede; ++i) {
        const Gruppo& g = gruppoPer(tra(100));
        const Specie& s = *(g.specie.begin() + tra(int(g.specie.size())));
        const int anno = 1900 + tra(125);
        TScheda r;
        r.impostaTesto(Campo::Titolo, testo(s.nome));
        r.impostaTesto(Campo::Tipologia, testo(g.nome));
        r.impostaTesto(Campo::Editore, testo(localita[tra(int(std::size(localita)))]));
        r.impostaTesto(
            Campo::Serie,
            QStringLiteral("%1°%2'N %3°%4'E").arg(38 + tra(9)).arg(tra(60)).arg(7 + tra(11)).arg(tra(60)));
        r.impostaTesto(Campo::Descrizione, QStringLiteral("Con %1 e %2")
                                               .arg(testo(gruppi[tra(9)].specie.begin()->nome).toLower(),
                                                    testo(rocce[tra(7)]).toLower()));
        r.impostaTesto(Campo::Anno, QString::number(anno));
        r.impostaTesto(Campo::Valore, QStringLiteral("%1,%2").arg(5 + tra(2000)).arg(tra(2) ? "00" : "50"));
        r.impostaTesto(Campo::Dimensioni,
                       QStringLiteral("%1 x %2 x %3 cm").arg(1 + tra(12)).arg(1 + tra(8)).arg(1 + tra(5)));
        r.impostaTesto(Campo::Carta, QStringLiteral("%1.%2%3.%4")
                                         .arg(1 + tra(9))
                                         .arg(QChar('A' + tra(6)))
                                         .arg(QChar('A' + tra(6)))
                                         .arg(5 + tra(90)));
        r.impostaTesto(Campo::Rarita, testo(rarita[tra(4)]));
        r.impostaTesto(Campo::Mittente, testo(s.formula));
        r.impostaTesto(Campo::IndirizzoMit, testo(forme[tra(7)]));
        r.impostaTesto(Campo::Destinatario, testo(rocce[tra(7)]));
        r.impostaTesto(Campo::IndirizzoDes, testo(s.sistema));
        r.impostaTesto(Campo::Testo,
                       tra(3) ? QStringLiteral("Nessuno") : QStringLiteral("Pulito con acqua distillata"));
        r.impostaTesto(Campo::Data, testo(colori[tra(7)]));
        r.impostaTesto(Campo::Francobollo, QStringLiteral("%1 g").arg(1 + tra(900)));
        r.impostaTesto(Campo::Timbro, testo(s.durezza));
        r.impostaTesto(Campo::Stato, testo(stati[tra(4)]));
        r.impostaTesto(Campo::Luogo,
                       QStringLiteral("Vetrina %1, ripiano %2").arg(1 + tra(40)).arg(1 + tra(6)));
        r.impostaTesto(Campo::Note,
                       QStringLiteral("Campione n. %1: acquistato alla mostra di Sainte-Marie-aux-Mines, "
                                      "più esemplari sulla stessa matrice; qualità da museo.")
                           .arg(i + 1));
        r.impostaInVendita(tra(4) == 0);
        blocco.append(r.byte.data(), DimensioneScheda);
        if (blocco.size() >= DimensioneScheda * 1024) {
            if (f.write(blocco) != blocco.size())
                qFatal("cannot write %s", qPrintable(percorso));
            blocco.clear();
        }
    }
    if (f.write(blocco) != blocco.size())
        qFatal("cannot write %s", qPrintable(percorso));
}
