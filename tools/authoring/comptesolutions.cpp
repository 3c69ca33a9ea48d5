#include "tools/authoring/comptesolutions.h"

#include <algorithm>
#include <array>
#include <bit>
#include <vector>

#include "lattice/topology.h"

namespace {

// Candidates of every cell (the value alone once placed) and the values placed.
struct etat {
    std::vector<std::uint8_t> domaine;
    std::vector<std::uint8_t> valeur;
};

// Depth-first search over candidate masks. Forced values are placed first (a cell with one
// candidate left, a value with one place left in a complete hexagon); then the cell with the
// fewest candidates for the failures already met there, among those the one with the most placed
// neighbours, so the search grows from what is known and turns to where it fails. Parts of the grid that no longer touch each other are searched apart:
// a dead end in one part must not make the search retry every choice made in another.
class chercheur {
  public:
    explicit chercheur(clagritiko &grid) {
        const int n = grid.nbcases;
        voisins.resize(static_cast<std::size_t>(n) + 1);
        for (std::int16_t i = 1; i <= n; ++i) {
            for (std::int16_t k = 0; k < 12; ++k) {
                const std::int16_t v = grid.casevoisine(i, k);
                if (v > 0 && v <= n && v != i) {
                    lie(i, v);
                    lie(v, i);
                }
            }
        }
        gstring cells;
        gstring item;
        for (const lichati::lxnoeud *p = grid.lichemhexas.head; p; p = p->next) {
            topocasespotcethexa(cells, p->text.adr());
            std::array<std::int16_t, 6> hexa{};
            bool complet = true;
            for (std::int16_t &c : hexa) {
                item.depilefrom(cells);
                c = grid.numerodelacase(item.adr());
                complet = complet && c > 0;
            }
            if (complet)
                hexagones.push_back(hexa);
        }
        poids.assign(static_cast<std::size_t>(n) + 1, 1);
        depart.domaine.assign(static_cast<std::size_t>(n) + 1, 63);
        depart.valeur.assign(static_cast<std::size_t>(n) + 1, 0);
        depart.domaine[0] = 0;
        for (std::int16_t i = 1; i <= n && coherent; ++i) {
            const std::int16_t v = grid.getcaseval(i);
            if (grid.casestfixe(i) && v >= 1 && v <= 6)
                coherent = place(depart, i, v);
        }
        coherent = coherent && propage(depart);
    }

    // The product of the counts of the separate parts, up to limit.
    int compte(int limit) {
        if (!coherent)
            return 0;
        const std::vector<std::vector<std::int16_t>> parts = composantes();
        for (const auto &part : parts) {
            if (comptepartie(part, 1) == 0)
                return 0;
        }
        if (limit < 2)
            return 1;
        for (const auto &part : parts) {
            if (comptepartie(part, 2) >= 2)
                return 2;
        }
        return 1;
    }

  private:
    std::vector<std::vector<std::int16_t>> voisins;
    std::vector<std::array<std::int16_t, 6>> hexagones;
    std::vector<int> poids; // failures met at each cell: the search turns to where it fails
    etat depart;
    bool coherent = true;
    int limite = 0;
    int trouvees = 0;

    void lie(std::int16_t a, std::int16_t b) {
        std::vector<std::int16_t> &list = voisins[static_cast<std::size_t>(a)];
        if (std::find(list.begin(), list.end(), b) == list.end())
            list.push_back(b);
    }

    // The empty cells grouped by the neighbour links between empty cells.
    std::vector<std::vector<std::int16_t>> composantes() const {
        std::vector<std::vector<std::int16_t>> parts;
        std::vector<bool> vu(depart.valeur.size(), false);
        for (std::size_t s = 1; s < depart.valeur.size(); ++s) {
            if (vu[s] || depart.valeur[s] != 0)
                continue;
            std::vector<std::int16_t> part{static_cast<std::int16_t>(s)};
            vu[s] = true;
            for (std::size_t k = 0; k < part.size(); ++k) {
                for (std::int16_t n : voisins[static_cast<std::size_t>(part[k])]) {
                    const auto u = static_cast<std::size_t>(n);
                    if (vu[u] || depart.valeur[u] != 0)
                        continue;
                    vu[u] = true;
                    part.push_back(n);
                }
            }
            parts.push_back(std::move(part));
        }
        return parts;
    }

    int comptepartie(const std::vector<std::int16_t> &part, int limit) {
        limite = limit;
        trouvees = 0;
        etat e = depart;
        explore(e, part);
        return trouvees;
    }

    // Places v in cell c and every single candidate it leaves; false on a contradiction.
    bool place(etat &e, std::int16_t c, std::int16_t v) {
        std::vector<std::pair<std::int16_t, std::int16_t>> pile{{c, v}};
        while (!pile.empty()) {
            const auto [cell, value] = pile.back();
            pile.pop_back();
            const auto at = static_cast<std::size_t>(cell);
            const auto bit = static_cast<std::uint8_t>(1 << (value - 1));
            if (e.valeur[at] != 0) {
                if (e.valeur[at] != value)
                    return echec(at);
                continue;
            }
            if ((e.domaine[at] & bit) == 0)
                return echec(at);
            e.valeur[at] = static_cast<std::uint8_t>(value);
            e.domaine[at] = bit;
            for (std::int16_t n : voisins[at]) {
                const auto k = static_cast<std::size_t>(n);
                if (e.valeur[k] == value)
                    return echec(k);
                if (e.valeur[k] != 0 || (e.domaine[k] & bit) == 0)
                    continue;
                e.domaine[k] = static_cast<std::uint8_t>(e.domaine[k] & ~bit);
                if (e.domaine[k] == 0)
                    return echec(k);
                if (std::has_single_bit(e.domaine[k]))
                    pile.emplace_back(n, static_cast<std::int16_t>(std::countr_zero(e.domaine[k]) + 1));
            }
        }
        return true;
    }

    bool echec(std::size_t cell) {
        ++poids[cell];
        return false;
    }

    // Every complete hexagon holds each value once: a value with one place left goes there.
    bool propage(etat &e) {
        for (bool avance = true; avance;) {
            avance = false;
            for (const auto &hexa : hexagones) {
                for (std::int16_t v = 1; v <= 6; ++v) {
                    const auto bit = static_cast<std::uint8_t>(1 << (v - 1));
                    int places = 0;
                    std::int16_t ou = 0;
                    for (std::int16_t c : hexa) {
                        if ((e.domaine[static_cast<std::size_t>(c)] & bit) != 0) {
                            ++places;
                            ou = c;
                        }
                    }
                    if (places == 0) {
                        for (std::int16_t c : hexa)
                            echec(static_cast<std::size_t>(c));
                        return false;
                    }
                    if (places == 1 && e.valeur[static_cast<std::size_t>(ou)] == 0) {
                        if (!place(e, ou, v))
                            return false;
                        avance = true;
                    }
                }
            }
        }
        return true;
    }

    void explore(etat &e, const std::vector<std::int16_t> &part) {
        if (!propage(e))
            return;
        std::int16_t choix = 0;
        int moins = 1 << 20;
        for (std::int16_t i : part) {
            const auto at = static_cast<std::size_t>(i);
            if (e.valeur[at] != 0)
                continue;
            int placees = 0;
            for (std::int16_t n : voisins[at])
                placees += e.valeur[static_cast<std::size_t>(n)] != 0 ? 1 : 0;
            const int score = std::popcount(e.domaine[at]) * 4096 / poids[at] - placees;
            if (score < moins) {
                moins = score;
                choix = i;
            }
        }
        if (choix == 0) {
            ++trouvees;
            return;
        }
        for (std::int16_t v = 1; v <= 6 && trouvees < limite; ++v) {
            if ((e.domaine[static_cast<std::size_t>(choix)] & (1 << (v - 1))) == 0)
                continue;
            etat suite = e;
            if (place(suite, choix, v))
                explore(suite, part);
        }
    }
};

} // namespace

std::int16_t comptesolutions(clagritiko &grid, std::int16_t limit) {
    if (limit <= 0)
        return 0;
    grid.fautunetabledescases();
    grid.fautunetablevoisidouble();
    chercheur search(grid);
    return static_cast<std::int16_t>(std::min<int>(limit, search.compte(limit)));
}
