#include "shell/undoredo.h"

#include "foundation/gstring.h"
#include "foundation/textfold.h"
#include "foundation/texttools.h"
#include "platform/beep.h"
#include "shell/shellstate.h"

namespace {

bool annuleprecedente(const char *a, const char *b) {
    return a[0] == '/' && foldequal(a + 1, b);
}

void compacte(lichati &liste) {
    const std::int16_t count = liste.effectif();
    if (count <= 3)
        return;
    for (std::int16_t k = count - 3; k >= 1; --k) {
        if (k > liste.effectif())
            continue;
        gstring s(liste.adr(k));
        if (!debute(s, "/"))
            continue;
        liste.kill(k);
        for (std::int16_t j = k - 1; j >= 1; --j)
            if (foldequal(liste.adr(j), s.adr()))
                liste.kill(j);
    }
}

} // namespace

void memorisaction(std::int16_t placement, std::int16_t value, std::int16_t cell) {
    gstring entry(placement == 0 ? "/" : "");
    entry.cat(vi(value).adr(), ",");
    entry.cat(vi(cell).adr());
    boutondefaire.ajoute(entry.adr());

    lichati &liste = boutondefaire.liste;
    const std::int16_t count = liste.effectif();
    if (count > 1) {
        const char *a = liste.adr(count - 1);
        const char *b = liste.adr(count);
        if (annuleprecedente(a, b) || annuleprecedente(b, a))
            boutondefaire.viredeux();
    }
    compacte(liste);
    boutondefaire.gaffeniv();
}

void refaitaction(std::int16_t forward) {
    if (forward == 0 ? !boutondefaire.peutreculer() : !boutondefaire.peutavancer()) {
        Beep(200, 50);
        return;
    }
    gstring entry;
    if (forward == 0)
        boutondefaire.retire(entry);
    else
        boutondefaire.avance(entry);
    const bool erasure = debute(entry, "/");
    const std::int16_t value = static_cast<std::int16_t>(depilint(entry));
    const std::int16_t cell = static_cast<std::int16_t>(depilint(entry));
    // Undoing an erasure or redoing a placement writes the value back; the others empty the cell.
    const bool writes = erasure == (forward == 0);
    grilleram[0].setcaseval(cell, writes ? value : 0);
}
