#include "grid/candidatemasks.h"
#include "grid/clagritiko.h"

void clagritiko::ajustepossicase() {
    fautunetabledescases();
    fautunetablevoisidouble();
    for (std::int16_t i = 1; i <= nbcases; ++i)
        setvaluposs(i, touslespossibles);
    for (std::int16_t i = 1; i <= nbcases; ++i) {
        const std::int16_t v = getcaseval(i);
        if (v > 0)
            metencase(i, v);
    }
}

bool clagritiko::metencase(std::int16_t i, std::int16_t v) {
    return metencaseleger(i, v);
}

bool clagritiko::metencaseleger(std::int16_t i, std::int16_t v) {
    if (!estcase(i))
        return false;
    bool change = false;
    if (getcaseval(i) != v) {
        setcaseval(i, v);
        change = true;
    }
    setvaluposs(i, possunevaleur(v));
    return interdiquinze(i, v) || change;
}

bool clagritiko::interdiquinze(std::int16_t i, std::int16_t v) {
    return interdidouze(i, v);
}

bool clagritiko::interdidouze(std::int16_t i, std::int16_t v) {
    if (!interdouze)
        return false;
    bool removed = false;
    for (std::int16_t k = 0; k < 12; ++k) {
        const std::int16_t n = casevoisine(i, k);
        if (n > 0 && casestvide(n) && interdicaval(n, v))
            removed = true;
    }
    return removed;
}

bool clagritiko::interdicaval(std::int16_t n, std::int16_t v) {
    if (n <= 0 || !casestvide(n) || !isautorisee(n, v))
        return false;
    setvaluposs(n, shortet(getvaluposs(n), possunevalinv(v)));
    return true;
}

bool clagritiko::cestfini() const {
    for (std::int16_t i = 1; i <= nbcases; ++i) {
        if (getcaseval(i) == 0)
            return false;
    }
    return true;
}

void clagritiko::retourafixe() {
    for (std::int16_t i = 1; i <= nbcases; ++i) {
        if (!casestfixe(i))
            setcaseval(i, 0);
    }
}
