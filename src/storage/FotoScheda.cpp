#include "FotoScheda.h"

#include <QDir>

static bool creaCartellaFoto() {
    return QDir().mkpath(CartellaFoto());
}

bool CaricaFotoScheda(IFotoScheda& editor, QSize riquadro) {
    const QString nome = editor.nomeCatalogo(), n = editor.posizioneScheda();
    bool ok = creaCartellaFoto();
    if (ok) {
        const Foto a = Foto::daFile(PercorsoFoto(nome, n, SlotFoto::A), riquadro);
        ok = !a.isNull();
        if (ok) {
            editor.impostaFoto(SlotFoto::A, a);
            const Foto b = Foto::daFile(PercorsoFoto(nome, n, SlotFoto::B), riquadro);
            ok = !b.isNull();
            if (ok)
                editor.impostaFoto(SlotFoto::B, b);
        }
    }
    if (!ok)
        editor.mostraSegnaposto();
    return ok;
}

bool SalvaFotoScheda(IFotoScheda& editor) {
    const QString nome = editor.nomeCatalogo(), n = editor.posizioneScheda();
    const bool ok = creaCartellaFoto() &&
                    editor.foto(SlotFoto::A).salvaJpeg(PercorsoFoto(nome, n, SlotFoto::A)) &&
                    editor.foto(SlotFoto::B).salvaJpeg(PercorsoFoto(nome, n, SlotFoto::B));
    if (!ok)
        editor.mostraSegnaposto();
    return ok;
}
