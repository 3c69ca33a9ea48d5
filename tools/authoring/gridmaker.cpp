#include "tools/authoring/gridmaker.h"

#include <algorithm>
#include <array>
#include <bit>
#include <random>
#include <string>
#include <vector>

#include "grid/candidatemasks.h"
#include "grid/clagritiko.h"
#include "lattice/topology.h"
#include "tools/authoring/comptesolutions.h"

namespace {

constexpr std::size_t storedroom = 151;
constexpr std::int16_t codes[6] = {100, 95, 90, 85, 80, 75};

using voisinage = std::vector<std::vector<std::int16_t>>;

voisinage voisinsde(clagritiko &g) {
    g.fautunetablevoisidouble();
    voisinage v(static_cast<std::size_t>(g.nbcases) + 1);
    for (std::int16_t i = 1; i <= g.nbcases; ++i)
        for (std::int16_t k = 0; k < 12; ++k) {
            const std::int16_t n = g.casevoisine(i, k);
            if (n > 0 && n != i)
                v[static_cast<std::size_t>(i)].push_back(n);
        }
    return v;
}

int libres(const voisinage &v, const std::vector<std::int16_t> &val, std::size_t i) {
    int mask = 63;
    for (const std::int16_t n : v[i])
        if (val[static_cast<std::size_t>(n)])
            mask &= ~(1 << (val[static_cast<std::size_t>(n)] - 1));
    return mask;
}

// A random complete filling: the cell with the fewest free values first, values in random order.
bool remplit(const voisinage &v, std::vector<std::int16_t> &val, std::mt19937 &rng, long &budget) {
    if (--budget < 0)
        return false;
    std::size_t best = 0;
    int bestcount = 7;
    for (std::size_t i = 1; i < val.size(); ++i) {
        if (val[i])
            continue;
        const int c = std::popcount(static_cast<unsigned>(libres(v, val, i)));
        if (c < bestcount || (c == bestcount && rng() % 2))
            best = i, bestcount = c;
    }
    if (best == 0)
        return true;
    std::array<std::int16_t, 6> order = {1, 2, 3, 4, 5, 6};
    std::shuffle(order.begin(), order.end(), rng);
    const int mask = libres(v, val, best);
    for (const std::int16_t value : order) {
        if (!(mask & (1 << (value - 1))))
            continue;
        val[best] = value;
        if (remplit(v, val, rng, budget))
            return true;
    }
    val[best] = 0;
    return false;
}

// Empty cells settled by singles alone: a cell left with one value, or a value left with one
// place in a complete hexagon.
std::int16_t propagation(const voisinage &v, std::vector<std::int16_t> val,
                         const std::vector<std::array<std::int16_t, 6>> &hexagones) {
    std::int16_t settled = 0;
    for (bool progress = true; progress;) {
        progress = false;
        for (std::size_t i = 1; i < val.size(); ++i) {
            const int m = val[i] ? 0 : libres(v, val, i);
            if (std::popcount(static_cast<unsigned>(m)) == 1) {
                val[i] = static_cast<std::int16_t>(std::countr_zero(static_cast<unsigned>(m)) + 1);
                ++settled, progress = true;
            }
        }
        for (const auto &h : hexagones)
            for (std::int16_t value = 1; value <= 6; ++value) {
                std::int16_t place = 0, count = 0;
                bool present = false;
                for (const std::int16_t c : h) {
                    present = present || val[static_cast<std::size_t>(c)] == value;
                    if (!val[static_cast<std::size_t>(c)] &&
                        (libres(v, val, static_cast<std::size_t>(c)) & (1 << (value - 1))))
                        place = c, ++count;
                }
                if (!present && count == 1) {
                    val[static_cast<std::size_t>(place)] = value;
                    ++settled, progress = true;
                }
            }
    }
    return settled;
}

std::vector<std::array<std::int16_t, 6>> hexagonescomplets(const clagritiko &g) {
    std::vector<std::array<std::int16_t, 6>> out;
    gstring cells, item;
    for (const lichati::lxnoeud *p = g.lichemhexas.head; p; p = p->next) {
        topocasespotcethexa(cells, p->text.adr());
        std::array<std::int16_t, 6> h{};
        bool complete = true;
        for (std::int16_t &c : h) {
            item.depilefrom(cells);
            c = g.numerodelacase(item.adr());
            complete = complete && c > 0;
        }
        if (complete)
            out.push_back(h);
    }
    return out;
}

std::string compacte(const char *path) {
    clatichemin c;
    c.setchemin(path);
    gstring s;
    c.givecompacte(s);
    return s.adr();
}

// Appends item to the texts, opening a new text (that repeats the level item) when it would not fit.
void ajoute(std::vector<std::string> &texts, const std::string &item, const std::string &levelitem) {
    if (texts.empty() || texts.back().size() + item.size() + 1 > storedroom)
        texts.push_back(levelitem.empty() ? std::string() : levelitem + ",");
    texts.back() += item + ",";
}

void ecrittextes(const clagritiko &g, const std::vector<std::int16_t> &val,
                 const std::vector<std::int16_t> &code, std::vector<std::string> &texts) {
    for (const lichati::lxnoeud *p = g.lichemhexas.head; p; p = p->next)
        ajoute(texts, "X" + compacte(p->text.adr()), "");
    for (const std::int16_t c : {120, 100, 95, 90, 85, 80, 75}) {
        const std::string levelitem = "%" + std::to_string(c);
        bool opened = false;
        std::int16_t i = 1;
        for (const lichati::lxnoeud *p = g.lichemcases.head; p; p = p->next, ++i) {
            if (code[static_cast<std::size_t>(i)] != c)
                continue;
            const std::string name = p->text.adr();
            const std::size_t colon = name.find(':');
            const std::string item = compacte(name.substr(0, colon).c_str()) +
                                     (name.substr(colon) == ":AB" ? "W" : "V") +
                                     static_cast<char>('P' + val[static_cast<std::size_t>(i)] - 1) + "K";
            if (!opened) {
                if (texts.empty() || texts.back().size() + levelitem.size() + item.size() + 2 > storedroom)
                    texts.push_back(std::string());
                texts.back() += levelitem + ",";
                opened = true;
            }
            ajoute(texts, item, levelitem);
        }
    }
}

} // namespace

bool fabriquegrille(const lichati &shape, std::uint32_t seed, grillefabriquee &made) {
    globinitticalcul();
    clagritiko g;
    g.setfromgrivecdef(shape);
    g.debutdaffichagrille();
    g.fautdeslistescasautour();
    const voisinage v = voisinsde(g);
    const std::size_t n = static_cast<std::size_t>(g.nbcases);
    std::mt19937 rng(seed);

    std::vector<std::int16_t> val(n + 1, 0);
    long budget = 200000;
    if (n == 0 || !remplit(v, val, rng, budget))
        return false;

    for (std::size_t i = 1; i <= n; ++i) {
        g.tabcases[i].valeur = val[i];
        g.tabcases[i].fixe = 1;
    }
    std::vector<std::int16_t> order;
    for (std::int16_t i = 1; i <= g.nbcases; ++i)
        order.push_back(i);
    std::shuffle(order.begin(), order.end(), rng);
    std::vector<std::int16_t> removed;
    for (const std::int16_t i : order) {
        structcase &c = g.tabcases[static_cast<std::size_t>(i)];
        c.valeur = 0, c.fixe = 0;
        if (comptesolutions(g, 2) == 1) {
            removed.push_back(i);
        } else {
            c.valeur = val[static_cast<std::size_t>(i)], c.fixe = 1;
        }
    }

    std::vector<std::int16_t> code(n + 1, 0);
    for (std::size_t i = 1; i <= n; ++i)
        code[i] = g.tabcases[i].fixe ? 120 : 0;
    const std::size_t slice = std::max<std::size_t>(1, n / 15);
    std::reverse(removed.begin(), removed.end());
    for (std::size_t k = 0; k < removed.size() && k / slice < 6; ++k)
        code[static_cast<std::size_t>(removed[k])] = codes[k / slice];

    made = grillefabriquee();
    ecrittextes(g, val, code, made.texts);
    made.cells = g.nbcases;
    made.complete = g.nbhexacomplets;
    made.partial = g.nbhexapartiels;
    made.holes = g.licasestrous.effectif();
    // The levels as the grid model computes them, from the codes the givens carry.
    for (std::size_t i = 1; i <= n; ++i)
        g.tabcases[i].nivdef = code[i];
    const auto hexagones = hexagonescomplets(g);
    for (std::int16_t level = 1; level <= 7; ++level) {
        g.bonsniveaux(level);
        made.offset = g.declassement;
        const std::int16_t threshold = g.niveaucalcule;
        std::vector<std::int16_t> shown(n + 1, 0);
        for (std::size_t i = 1; i <= n; ++i)
            if (code[i] >= threshold)
                shown[i] = val[i], ++made.givens[level - 1];
        made.settled[level - 1] = propagation(v, shown, hexagones);
    }
    return true;
}
