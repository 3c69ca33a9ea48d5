#include "foundation/shortabunedim.h"
#include "foundation/texttools.h"
#include "grid/clagritiko.h"

void clagritiko::fautunetabledescases() {
    if (tabcasesfaite)
        return;
    fautbasexhaustive();
    creatabledescasesvide();
}

void clagritiko::fautunetabledeshexas() {
    if (!tabhexasfaite)
        creatabledeshexasvide();
}

void clagritiko::fautcoordentableaux() {
    if (coordfaites)
        return;
    fautunetabledescases();
    fautunetabledeshexas();
    metcoordentableaux();
}

void clagritiko::fautunetablecommune() {
    if (!tabvoisinsfaite)
        creatablecommune();
}

void clagritiko::fautunetablevoisidouble() {
    if (tabvoisinsremplie)
        return;
    fautunelistevoisidouble();
    fautunetablecommune();
    creatablevoisidouble();
}

void clagritiko::fautvalfixentables() {
    if (!avaldonnees) {
        fautunetabledescases();
        videvalcasentables();
    } else if (!valplacees) {
        mettrevalfixentables();
    }
}

void clagritiko::creatabledescasesvide() {
    killtabledescases();
    tabcases.assign(static_cast<std::size_t>(nbcases) + 1, structcase{});
    tabcasesfaite = true;
    for (std::int16_t i = 0; i <= nbcases; ++i)
        casetoutclear(i);
    calnulibase();
    razallpuser();
}

void clagritiko::creatabledeshexasvide() {
    killtabledeshexas();
    nbhexas = static_cast<std::int16_t>(nbhexacomplets + nbhexapartiels);
    tabhexas.assign(static_cast<std::size_t>(nbhexas < 0 ? 0 : nbhexas) + 1, structhexa{});
    tabhexasfaite = true;
}

void clagritiko::metcoordentableaux() {
    for (std::int16_t i = 1; i <= nbcases; ++i) {
        const char *name = lichemcases.adr(i);
        if (!estcase(i) || name == nullptr)
            continue;
        giveposicase(name, tabcases[i].x, tabcases[i].y);
    }
    for (std::int16_t h = 1; h <= nbhexas; ++h) {
        const char *name = h <= nbhexacomplets
                               ? lichemhexas.adr(h)
                               : lichemhexapart.adr(static_cast<std::int16_t>(h - nbhexacomplets));
        if (!esthexa(h) || name == nullptr)
            continue;
        giveposipoint(name, tabhexas[h].x, tabhexas[h].y);
    }
    coordfaites = true;
}

void clagritiko::creatablecommune() {
    killtablecommune();
    tabvoisins.assign(static_cast<std::size_t>(nbcases < 0 ? 0 : nbcases) + 1, structvoi{});
    tabvoisinsfaite = true;
}

void clagritiko::creatablevoisidouble() {
    gstring entry;
    gstring item;
    shortabunedim slots;
    for (std::int16_t k = 1; k <= livoisins.effectif(); ++k) {
        entry.set(livoisins.adr(k));
        item.depilefrom(entry);
        const std::int16_t i = numerodelacase(item.adr());
        if (i <= 0 || static_cast<std::size_t>(i) >= tabvoisins.size())
            continue;
        slots.setraztab(12, tabvoisins[i].voisins);
        while (entry.notempty()) {
            item.depilefrom(entry);
            slots.addone(numerodelacase(item.adr()));
        }
    }
    tabvoisinsremplie = true;
}

void clagritiko::mettrevalfixentables() {
    fautunetabledescases();
    videvalcasentables();
    gstring name;
    gstring text;
    const std::int16_t n = valdonnees.lines.effectif();
    for (std::int16_t k = 1; k <= n; ++k) {
        valdonnees.getdeux(name, text, k);
        const std::int16_t i = numerodelacase(name.adr());
        if (!estcase(i))
            continue;
        structcase &c = tabcases[i];
        c.valdef = static_cast<std::int16_t>(depilint(text));
        c.nivdef = static_cast<std::int16_t>(depilint(text));
        c.fixe = 1;
    }
    valplacees = true;
    appliquerniveau();
}

void clagritiko::killtabledescases() {
    if (!tabcasesfaite)
        return;
    tabcases = {};
    tabcasesfaite = false;
    valplacees = false;
    coordfaites = false;
    niveauapplique = 0;
}

void clagritiko::killtabledeshexas() {
    if (!tabhexasfaite)
        return;
    tabhexas = {};
    tabhexasfaite = false;
    coordfaites = false;
}

void clagritiko::killtablecommune() {
    if (!tabvoisinsfaite && !tabvoisinsremplie)
        return;
    tabvoisins = {};
    tabvoisinsfaite = false;
    tabvoisinsremplie = false;
}

void clagritiko::supprimecoordentableaux() {
    for (structcase &c : tabcases)
        c.x = c.y = 0;
    for (structhexa &h : tabhexas)
        h.x = h.y = 0;
    coordfaites = false;
}

void clagritiko::videvalcasentables() {
    if (!tabcasesfaite)
        return;
    for (structcase &c : tabcases) {
        c.nivdef = 0;
        c.valdef = 0;
        c.fixe = 0;
    }
    valplacees = false;
}
