// Start-up: the real program, started as a user starts it, to its login window on the screen, beside the
// smallest Qt Widgets program that shows a window, started the same way.
//
// Both run on an X server of their own (Xvfb, no window manager, nothing else drawing). A run is timed
// from the spawn of the process to the first drawing into its window after the window is mapped: the
// DAMAGE extension reports every change of the screen's pixels, so the figure is the moment the user
// sees the window's content, not just an empty frame, and work moved to just after the map still counts.
// A ping sent to the window once it is drawn (as a window manager sends it) tells, by its answer, when
// the process's event loop serves input again: work queued behind the first drawing shows there.
// The mapped window must be the process's own (_NET_WM_PID) and, for the program, carry the login
// caption, so a splash or any other window mapped first does not stop the clock.
//
// The program runs from a copy of its folder as installed (executable, password store, help document)
// in the benchmark's program folder, which also holds the generated catalogue: a user's start with data.
#include "Casi.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRect>
#include <QStandardPaths>

#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int attesaMassimaMs = 20000;

// An X server of our own for the runs; stopped when the case ends.
class ServerX {
public:
    ~ServerX() {
        if (proc.state() != QProcess::NotRunning) {
            proc.terminate();
            if (!proc.waitForFinished(3000))
                proc.kill();
            proc.waitForFinished(3000);
        }
    }

    // The display name (":N"), or empty with the reason in errore.
    QString avvia(QString& errore) {
        const QString eseguibile = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        if (eseguibile.isEmpty()) {
            errore = QStringLiteral("Xvfb not installed");
            return {};
        }
        // -displayfd: the server picks a free display and writes its number once it accepts clients.
        proc.setProcessChannelMode(QProcess::SeparateChannels);
        proc.setStandardErrorFile(QProcess::nullDevice());
        proc.start(eseguibile,
                   {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                    QStringLiteral("0"), QStringLiteral("1280x1024x24"), QStringLiteral("-nolisten"),
                    QStringLiteral("tcp"), QStringLiteral("-noreset")});
        QByteArray uscita;
        QElapsedTimer t;
        t.start();
        while (!uscita.contains('\n') && t.elapsed() < 10000 &&
               proc.waitForReadyRead(10000 - int(t.elapsed())))
            uscita += proc.readAllStandardOutput();
        bool ok = false;
        const int numero = uscita.trimmed().toInt(&ok);
        if (!ok) {
            errore = QStringLiteral("Xvfb did not start");
            return {};
        }
        return QStringLiteral(":%1").arg(numero);
    }

private:
    QProcess proc;
};

// The bench's own connection to the server: structure changes of the top-level windows and every change
// of the screen's pixels.
class Osservatore {
public:
    bool connetti(const QString& display, QString& errore) {
        conn = xcb_connect(display.toLocal8Bit().constData(), nullptr);
        if (xcb_connection_has_error(conn)) {
            errore = QStringLiteral("cannot connect to %1").arg(display);
            return false;
        }
        const xcb_query_extension_reply_t* ext = xcb_get_extension_data(conn, &xcb_damage_id);
        if (!ext || !ext->present) {
            errore = QStringLiteral("the X server has no DAMAGE extension");
            return false;
        }
        primoEventoDamage = ext->first_event;
        free(xcb_damage_query_version_reply(conn, xcb_damage_query_version(conn, 1, 1), nullptr));
        radice = xcb_setup_roots_iterator(xcb_get_setup(conn)).data->root;
        // Structure notify too: Qt sends its ping answers to the root with that mask.
        const uint32_t maschera = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_STRUCTURE_NOTIFY;
        xcb_change_window_attributes(conn, radice, XCB_CW_EVENT_MASK, &maschera);
        // On the root, the damage covers every window drawn on the screen.
        danno = xcb_generate_id(conn);
        xcb_damage_create(conn, danno, radice, XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
        atomoPid = atomo("_NET_WM_PID");
        atomoNome = atomo("_NET_WM_NAME");
        atomoUtf8 = atomo("UTF8_STRING");
        atomoProtocolli = atomo("WM_PROTOCOLS");
        atomoPing = atomo("_NET_WM_PING");
        xcb_flush(conn);
        return true;
    }

    ~Osservatore() {
        if (conn)
            xcb_disconnect(conn);
    }

    struct Esito {
        double mappata = -1;   // ms from the spawn to the map of the window
        double dipinta = -1;   // ms from the spawn to the first drawing into it after the map
        double risponde = -1;  // ms from the spawn to its answer to a ping sent after that drawing
        int altreFinestre = 0; // windows of the process mapped before it (a splash, for instance)
        QString errore;
    };

    // Waits until the window of pid whose caption contains titolo (any caption when empty) is mapped and
    // drawn into; t runs from the spawn.
    Esito attendi(pid_t pid, const QString& titolo, const QElapsedTimer& t) {
        Esito e;
        xcb_window_t finestra = XCB_NONE;
        QRect area;
        pollfd pf{xcb_get_file_descriptor(conn), POLLIN, 0};
        while (t.elapsed() < attesaMassimaMs) {
            std::unique_ptr<xcb_generic_event_t, decltype(&free)> ev(xcb_poll_for_event(conn), &free);
            if (!ev) {
                if (xcb_connection_has_error(conn)) {
                    e.errore = QStringLiteral("X connection lost");
                    return e;
                }
                int stato = 0;
                if (waitpid(pid, &stato, WNOHANG) == pid) {
                    e.errore = QStringLiteral("the process ended before its window was shown");
                    return e;
                }
                poll(&pf, 1, 20);
                continue;
            }
            const uint8_t tipo = ev->response_type & 0x7f;
            if (tipo == XCB_MAP_NOTIFY && finestra == XCB_NONE) {
                const auto* m = reinterpret_cast<xcb_map_notify_event_t*>(ev.get());
                if (pidDi(m->window) != uint32_t(pid))
                    continue;
                if (!titolo.isEmpty() && !nomeDi(m->window).contains(titolo)) {
                    ++e.altreFinestre;
                    continue;
                }
                e.mappata = double(t.nsecsElapsed()) / 1e6;
                finestra = m->window;
                area = geometria(m->window);
            } else if (tipo == primoEventoDamage + XCB_DAMAGE_NOTIFY && finestra != XCB_NONE) {
                const auto* d = reinterpret_cast<xcb_damage_notify_event_t*>(ev.get());
                const QRect r(d->area.x, d->area.y, d->area.width, d->area.height);
                if (e.dipinta < 0 && r.intersects(area)) {
                    e.dipinta = double(t.nsecsElapsed()) / 1e6;
                    ping(finestra);
                }
            } else if (tipo == XCB_CLIENT_MESSAGE && e.dipinta >= 0) {
                // The answer comes from the process's event loop: work queued behind the first
                // drawing (windows created late, say) delays it, so it shows when input would be served.
                const auto* m = reinterpret_cast<xcb_client_message_event_t*>(ev.get());
                if (m->type == atomoProtocolli && m->data.data32[0] == atomoPing &&
                    m->data.data32[2] == finestra) {
                    e.risponde = double(t.nsecsElapsed()) / 1e6;
                    return e;
                }
            }
        }
        e.errore = QStringLiteral("no window within %1 s").arg(attesaMassimaMs / 1000);
        return e;
    }

private:
    // _NET_WM_PING, as a window manager sends it: the client sends it back to the root window.
    void ping(xcb_window_t w) {
        xcb_client_message_event_t m{};
        m.response_type = XCB_CLIENT_MESSAGE;
        m.format = 32;
        m.window = w;
        m.type = atomoProtocolli;
        m.data.data32[0] = atomoPing;
        m.data.data32[1] = XCB_CURRENT_TIME;
        m.data.data32[2] = w;
        xcb_send_event(conn, 0, w, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&m));
        xcb_flush(conn);
    }

    xcb_atom_t atomo(const char* nome) {
        std::unique_ptr<xcb_intern_atom_reply_t, decltype(&free)> r(
            xcb_intern_atom_reply(conn, xcb_intern_atom(conn, 0, uint16_t(std::strlen(nome)), nome), nullptr),
            &free);
        return r ? r->atom : XCB_NONE;
    }

    uint32_t pidDi(xcb_window_t w) {
        std::unique_ptr<xcb_get_property_reply_t, decltype(&free)> r(
            xcb_get_property_reply(conn, xcb_get_property(conn, 0, w, atomoPid, XCB_ATOM_CARDINAL, 0, 1),
                                   nullptr),
            &free);
        if (!r || xcb_get_property_value_length(r.get()) < 4)
            return 0;
        return *static_cast<uint32_t*>(xcb_get_property_value(r.get()));
    }

    QString nomeDi(xcb_window_t w) {
        std::unique_ptr<xcb_get_property_reply_t, decltype(&free)> r(
            xcb_get_property_reply(conn, xcb_get_property(conn, 0, w, atomoNome, atomoUtf8, 0, 256), nullptr),
            &free);
        if (!r)
            return {};
        return QString::fromUtf8(static_cast<const char*>(xcb_get_property_value(r.get())),
                                 xcb_get_property_value_length(r.get()));
    }

    QRect geometria(xcb_window_t w) {
        std::unique_ptr<xcb_get_geometry_reply_t, decltype(&free)> r(
            xcb_get_geometry_reply(conn, xcb_get_geometry(conn, w), nullptr), &free);
        return r ? QRect(r->x, r->y, r->width, r->height) : QRect();
    }

    xcb_connection_t* conn = nullptr;
    xcb_window_t radice = XCB_NONE;
    xcb_damage_damage_t danno = XCB_NONE;
    uint8_t primoEventoDamage = 0;
    xcb_atom_t atomoPid = XCB_NONE, atomoNome = XCB_NONE, atomoUtf8 = XCB_NONE;
    xcb_atom_t atomoProtocolli = XCB_NONE, atomoPing = XCB_NONE;
};

// Peak resident memory of a running process, in MB.
double piccoDi(pid_t pid) {
    QFile f(QStringLiteral("/proc/%1/status").arg(pid));
    if (f.open(QIODevice::ReadOnly))
        for (const QByteArray& riga : f.readAll().split('\n'))
            if (riga.startsWith("VmHWM:"))
                return riga.mid(6).trimmed().split(' ').first().toDouble() / 1024;
    return 0;
}

struct Programma {
    QString nome;
    QString eseguibile;
    QString titolo; // caption of the window that counts; empty: the first window
    Misura misura;
    std::vector<double> mappe;
    std::vector<double> risposte;
    int altreFinestre = 0;
    QString errore;
};

// The environment of a desktop session on the server: no platform forced (the bench itself runs
// offscreen), a private runtime folder.
std::vector<std::string> ambiente(const QString& display, const QString& runtime) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.insert(QStringLiteral("DISPLAY"), display);
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    std::vector<std::string> v;
    for (const QString& s : env.toStringList())
        v.push_back(s.toStdString());
    return v;
}

// One start: spawn, wait for the window, read the peak, kill.
void unaPartenza(Programma& p, Osservatore& oss, const std::vector<std::string>& env, bool conta) {
    const std::string exe = p.eseguibile.toStdString();
    const std::string cartella = QFileInfo(p.eseguibile).absolutePath().toStdString();
    std::vector<char*> envp;
    for (const std::string& s : env)
        envp.push_back(const_cast<char*>(s.c_str()));
    envp.push_back(nullptr);
    char* argv[] = {const_cast<char*>(exe.c_str()), nullptr};

    posix_spawn_file_actions_t azioni;
    posix_spawn_file_actions_init(&azioni);
    posix_spawn_file_actions_addopen(&azioni, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&azioni, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addchdir_np(&azioni, cartella.c_str());

    QElapsedTimer t;
    t.start();
    pid_t pid = 0;
    const int rc = posix_spawn(&pid, exe.c_str(), &azioni, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&azioni);
    if (rc != 0) {
        p.errore = QStringLiteral("cannot start %1: %2")
                       .arg(p.eseguibile, QString::fromLocal8Bit(std::strerror(rc)));
        return;
    }
    const Osservatore::Esito e = oss.attendi(pid, p.titolo, t);
    const double picco = piccoDi(pid);
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    if (!e.errore.isEmpty()) {
        p.errore = e.errore;
        return;
    }
    if (!conta)
        return;
    p.misura.ms.push_back(e.dipinta);
    p.mappe.push_back(e.mappata);
    p.risposte.push_back(e.risponde);
    p.misura.piccoMB = std::max(p.misura.piccoMB, picco);
    p.altreFinestre = std::max(p.altreFinestre, e.altreFinestre);
}

double mediana(std::vector<double> v) {
    Misura m;
    m.ms = std::move(v);
    return m.mediana();
}

// The program folder as installed, beside the catalogue already in the bench's folder.
QString preparaCartella(const Contesto& c, QString& errore) {
    const QDir origine(QCoreApplication::applicationDirPath());
    const QDir destinazione(c.cartella);
    const QString exe = destinazione.filePath(QStringLiteral("geodario"));
    if (!QFile::exists(origine.filePath(QStringLiteral("geodario")))) {
        errore = QStringLiteral("geodario not built beside the bench");
        return {};
    }
    for (const char* nome : {"geodario", "unins000.dll", "Guida.pdf"}) {
        const QString da = origine.filePath(QLatin1String(nome));
        const QString a = destinazione.filePath(QLatin1String(nome));
        QFile::remove(a);
        if (QFile::exists(da) && !QFile::copy(da, a)) {
            errore = QStringLiteral("cannot copy %1").arg(QLatin1String(nome));
            return {};
        }
    }
    return exe;
}

} // namespace

void casoAvvio(const Contesto& c) {
    const QString caso = QStringLiteral("10. start-up to the login window drawn");
    auto salta = [&](const QString& perche) {
        std::printf("%-52s  skipped: %s\n", qPrintable(caso), qPrintable(perche));
        std::fflush(stdout);
    };
    QString errore;
    const QString exe = preparaCartella(c, errore);
    if (exe.isEmpty())
        return salta(errore);
    ServerX server;
    const QString display = server.avvia(errore);
    if (display.isEmpty())
        return salta(errore + QStringLiteral(" (no X display for the start-up case)"));
    Osservatore oss;
    if (!oss.connetti(display, errore))
        return salta(errore);
    const QString runtime = QDir(c.cartella).filePath(QStringLiteral("xdg-runtime"));
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    const std::vector<std::string> env = ambiente(display, runtime);

    Programma minima;
    minima.nome = QStringLiteral("10. start-up: minimal Qt Widgets window (yardstick)");
    minima.eseguibile =
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("bench_finestra_minima"));
    Programma geodario;
    geodario.nome = caso;
    geodario.eseguibile = exe;
    geodario.titolo = QStringLiteral("Geodario - Accesso");

    // One start of each untimed (files in the page cache, font caches built), then alternate, so that a
    // change in the machine's load falls on both alike.
    const int volte = std::max(c.volte, 9);
    for (int i = 0; i <= volte; ++i)
        for (Programma* p : {&minima, &geodario})
            if (p->errore.isEmpty())
                unaPartenza(*p, oss, env, i > 0);
    for (Programma* p : {&minima, &geodario})
        if (!p->errore.isEmpty())
            return salta(QStringLiteral("%1: %2").arg(QFileInfo(p->eseguibile).fileName(), p->errore));

    auto tempi = [](const Programma& p) {
        return QStringLiteral("mapped at %1 ms, answers at %2 ms")
            .arg(mediana(p.mappe), 0, 'f', 2)
            .arg(mediana(p.risposte), 0, 'f', 2);
    };
    stampaRiga(minima.nome, minima.misura, 0, tempi(minima));
    const double rapporto = geodario.misura.mediana() / minima.misura.mediana();
    QString nota =
        tempi(geodario) + QStringLiteral("; ratio to the yardstick ") + obiettivo(rapporto, 1.8, "×");
    if (geodario.altreFinestre > 0)
        nota += QStringLiteral("; %1 other window(s) mapped before the login").arg(geodario.altreFinestre);
    stampaRiga(geodario.nome, geodario.misura, 0, nota);
}
