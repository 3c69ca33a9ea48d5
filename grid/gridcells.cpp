#include "grid/candidatemasks.h"
#include "grid/clagritiko.h"
#include "grid/foldcontains.h"

bool clagritiko::estcase(std::int16_t i) const {
    return i >= 1 && i <= nbcases && static_cast<std::size_t>(i) < tabcases.size();
}

bool clagritiko::esthexa(std::int16_t h) const {
    return h >= 1 && h <= nbhexas && static_cast<std::size_t>(h) < tabhexas.size();
}

std::int16_t clagritiko::getcaseval(std::int16_t i) const {
    return estcase(i) ? tabcases[i].valeur : 0;
}

void clagritiko::setcaseval(std::int16_t i, std::int16_t v) {
    if (estcase(i))
        tabcases[i].valeur = v;
}

bool clagritiko::casestvide(std::int16_t i) const {
    return getcaseval(i) <= 0;
}

bool clagritiko::casenonvide(std::int16_t i) const {
    return getcaseval(i) > 0;
}

bool clagritiko::casestfixe(std::int16_t i) const {
    return estcase(i) && tabcases[i].fixe != 0;
}

void clagritiko::defixercase(std::int16_t i) {
    if (estcase(i))
        tabcases[i].fixe = 0;
}

std::int16_t clagritiko::getvaluposs(std::int16_t i) const {
    return estcase(i) ? tabcases[i].possibles : 0;
}

void clagritiko::setvaluposs(std::int16_t i, std::int16_t mask) {
    if (estcase(i))
        tabcases[i].possibles = mask;
}

const std::int16_t *clagritiko::possitabladr(std::int16_t i) const {
    static const std::int16_t aucun = 0;
    return estcase(i) ? &tabcases[i].possibles : &aucun;
}

std::int16_t clagritiko::getcacentrix(std::int16_t i) const {
    return estcase(i) ? tabcases[i].x : 0;
}

std::int16_t clagritiko::getcacentry(std::int16_t i) const {
    return estcase(i) ? tabcases[i].y : 0;
}

std::int16_t clagritiko::gethexacentrix(std::int16_t h) const {
    return esthexa(h) ? tabhexas[h].x : 0;
}

std::int16_t clagritiko::gethexacentry(std::int16_t h) const {
    return esthexa(h) ? tabhexas[h].y : 0;
}

std::int16_t clagritiko::numerodelacase(const char *name) const {
    return lichemcases.trouvexact(name);
}

bool clagritiko::triaplat(std::int16_t i) const {
    const char *name = lichemcases.adr(i);
    return name != nullptr && triaplat(name);
}

bool clagritiko::triaplat(const char *name) const {
    return foldcontient(name, ":AB");
}

std::int16_t clagritiko::casevoisine(std::int16_t i, std::int16_t k) const {
    if (!tabvoisinsfaite || k < 0 || k >= 12 || !estcase(i) ||
        static_cast<std::size_t>(i) >= tabvoisins.size())
        return 0;
    return tabvoisins[i].voisins[k];
}

void clagritiko::casevaluclear(std::int16_t i) {
    if (!estcase(i))
        return;
    structcase &c = tabcases[i];
    c.valeur = 0;
    c.fixe = 0;
    c.possibles = touslespossibles;
    c.valdef = 0;
    c.nivdef = 0;
}

void clagritiko::casetoutclear(std::int16_t i) {
    if (!estcase(i))
        return;
    casevaluclear(i);
    structcase &c = tabcases[i];
    c.x = c.y = 0;
    c.ligne = c.colonne = 0;
    if (tabvoisinsremplie && static_cast<std::size_t>(i) < tabvoisins.size()) {
        for (std::int16_t &o : tabvoisins[i].opposees)
            o = 0;
    }
}
