#include "shell/settingsfile.h"

#include "foundation/paraliti.h"
#include "foundation/texttools.h"
#include "platform/process.h"
#include "shell/decryptiko.h"
#include "shell/messages.h"
#include "shell/safesave.h"
#include "shell/shellstate.h"
#include "storedtexts.h"

#include <cstdlib>

lichati liguser;

namespace {

constexpr std::int16_t piecemax = 60;
constexpr int lettres = 26;

// Piece k of a grid's play data is named "gv" i ":" and a letter, "A" to "Z"; a text too long for
// 26 pieces goes on with "ZA" to "ZZ", "ZZA" and so on, so that no play data is cut.
gstring nomgv(std::int16_t i, int k) {
    gstring name;
    name.set("gv", vi(i).adr(), ":");
    for (; k >= lettres; k -= lettres)
        name.cat("Z");
    const char letter[2] = {static_cast<char>('A' + k), 0};
    name.cat(letter);
    return name;
}

gstring nomtps(std::int16_t i) {
    gstring name;
    name.set("tps", vi(i).adr());
    return name;
}

// The line name "=" value.
void ajouteligne(lichati &lines, const char *name, const char *value) {
    gstring line;
    line.set(name, "=", value);
    lines.padd(line.adr());
}

bool valeurvide(const paraliti &params, const char *name) {
    gstring value;
    params.getparam(value, name);
    return value.isempty();
}

// A grid number the file may name: one of the offered grids.
bool grilleofferte(std::int32_t n) {
    return n >= 1 && n <= grinombre;
}

void lirepositions(const paraliti &params) {
    const std::int32_t top = params.getival("top");
    const std::int32_t left = params.getival("left");
    if (top > 0 && top <= INT16_MAX)
        printop = static_cast<std::int16_t>(top);
    if (left > 0 && left <= INT16_MAX)
        prinleft = static_cast<std::int16_t>(left);
}

void lirelignesusr(const paraliti &params) {
    liguser.clear();
    for (const lichati::lxnoeud *p = params.lines.head; p != nullptr; p = p->next)
        if (debuli(p->text.adr(), "usr=") || debuli(p->text.adr(), "usr ="))
            liguser.padd(p->text.adr());
}

void liregrilles(const paraliti &params) {
    for (std::int16_t i = 1; i <= grinombre; ++i) {
        gstring data;
        gstring piece;
        for (int k = 0; data.len() < gstring::maxlen; ++k) {
            params.getparam(piece, nomgv(i, k).adr());
            if (piece.isempty())
                break;
            data.cat(piece.adr());
        }
        memogrilluser(i, data.adr());
        if (i <= nbchronos) {
            resolutime[i].clear();
            resolutime[i].ajoutsec(params.getival(nomtps(i).adr()));
        }
    }
}

// The first form kept one grid's play data after the grid number, digits for letters.
void lireanciengri(const paraliti &params) {
    gstring data;
    params.getparam(data, "gri");
    const char *rest = data.adr();
    while (*rest != 0 && *rest != ' ')
        ++rest;
    while (*rest == ' ')
        ++rest;
    gstring converted(rest);
    for (char *c = converted.adr(); *c != 0; ++c) {
        if (*c >= '1' && *c <= '6')
            *c = static_cast<char>('A' + (*c - '1'));
        else if (*c == '0')
            *c = 'G';
    }
    memogrilluser(grillenjeu, converted.adr());
}

void ecriregrilles(lichati &lines) {
    const std::int16_t count = valuseram.effectif();
    for (std::int16_t i = 1; i <= count; ++i) {
        gstring rest(valuseram.adr(i));
        for (int k = 0; rest.notempty(); ++k) {
            gstring piece;
            piece.setmange(rest, piecemax);
            ajouteligne(lines, nomgv(i, k).adr(), piece.adr());
        }
        if (avechrono && i <= grinombre && i <= nbchronos) {
            const std::int32_t seconds = resolutime[i].getsec();
            if (seconds > 0)
                ajouteligne(lines, nomtps(i).adr(), vi(seconds).adr());
        }
    }
}

void direechec() {
    const storedlist &texts = globish ? cryptechecsauveen : cryptechecsauvefr;
    gstring text;
    text.set(decryptiko(storedtext(texts, 0)), " ", fidemopara.adr());
    text.cat(" ", decryptiko(storedtext(texts, 1)));
    winboxerreur(text.adr());
}

} // namespace

void getparamuser() {
    grillenjeu = 0;
    valuseram.clear();
    posiregok = 0;
    if (fileexists(fidemopara.adr())) {
        paraliti params;
        params.lines.addfromfilebkill(fidemopara.adr());
        params.lines.trialpha();
        const std::int32_t ver = params.getival("ver");
        const std::int32_t gri = params.getival("gri");
        grillenjeu = grilleofferte(gri) ? static_cast<std::int16_t>(gri) : 0;
        lirepositions(params);
        globish = params.getival("lng") == 2;
        cavipozerini = !valeurvide(params, "cviz") && params.getival("cviz") != 0;
        avechrono = valeurvide(params, "chro") || params.getival("chro") != 0;
        lirelignesusr(params);
        const std::int32_t tca = params.getival("tca");
        if (tca > 0 && tca != taillechoisie)
            taillechoisie = taillenviron(tca);
        settailleprin(taillechoisie);
        if (ver > 1)
            liregrilles(params);
        else if (grillenjeu > 0)
            lireanciengri(params);
    }
    if (grillenjeu == 0)
        grillenjeu = 1;
}

bool ecriparamusernew() {
    paraliti params;
    gstring titre;
    titre.set("***-", goodname.adr(), "-***");
    params.lines.padd(titre.adr());
    params.lines.padd(decryptiko(storedtext(cryptentete, 0)));
    gstring version;
    version.set(vi(proversion).adr(), ".", vi(sousversion).adr());
    params.setparam("ver", version.adr());
    params.setparam("lng", vi(globish + 1).adr());
    params.setparam("gri", vi(grillenjeu).adr());
    params.setparam("tca", vi(taillechoisie).adr());
    params.setparam("top", vi(printop).adr());
    params.setparam("left", vi(prinleft).adr());
    params.setparam("vcr", vi(ticryptaversion).adr());
    params.setparam("cmpd", compidate.adr());
    params.setparam("chro", vi(avechrono ? 1 : 0).adr());
    params.setparam("cviz", vi(cavipozerini ? 1 : 0).adr());
    ecriregrilles(params.lines);
    params.lines.mergekeep(liguser);
    if (ecrirefichiersur(params.lines, fidemopara.adr()))
        return true;
    direechec();
    return false;
}

void memogrilluser(std::int16_t i, const char *data) {
    if (i < 1)
        return;
    while (valuseram.effectif() < i) {
        const std::int16_t before = valuseram.effectif();
        valuseram.padd("");
        if (valuseram.effectif() == before)
            return;
    }
    valuseram.modif(i, data);
}

void grilluserfromram(gstring &out, std::int16_t i) {
    const char *entry = i >= 1 ? valuseram.adr(i) : nullptr;
    out.set(entry);
}

std::int16_t taillenviron(std::int32_t v) {
    std::int16_t best = tacasemin;
    std::int64_t nearest = -1;
    for (std::int16_t size = tacasemin; size <= tacasemax; size = static_cast<std::int16_t>(size + 10)) {
        const std::int64_t distance = std::llabs(std::int64_t{v} - size);
        if (nearest < 0 || distance < nearest) {
            nearest = distance;
            best = size;
        }
    }
    return best;
}

void settailleprin(std::int16_t size) {
    printaillepix = size;
    settaillegrille(0, size);
    posiregok = 0;
}

void settaillegrille(std::int16_t page, std::int16_t size) {
    if (page < 0 || page >= nbgrilleram)
        return;
    clagripage &p = grilleram[page];
    p.settaillemmpix(0, size);
    p.taillemilli = 0;
    p.taillemillipix = printaillepix;
}
