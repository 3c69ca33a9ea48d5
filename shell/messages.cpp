#include "shell/messages.h"

#include "platform/messagebox.h"
#include "shell/decryptiko.h"
#include "shell/shellstate.h"
#include "storedtexts.h"

#include <cstring>

gstring winboxident;

namespace {

const storedlist &selonlangue(const storedlist &fr, const storedlist &en) {
    return globish ? en : fr;
}

const char *piece(const storedlist &list, std::int16_t k) {
    return decryptiko(storedtext(list, k));
}

// The texts of a list as paragraphs.
void paragraphes(gstring &out, const storedlist &list) {
    for (std::int16_t k = 0; k < list.count; ++k) {
        if (k > 0)
            out.cat("\n\n");
        out.cat(piece(list, k));
    }
}

void grilledejaenjeu(gstring &out, const char *data) {
    if (globish) {
        out.set("Grid #", data, " is already in use.");
        out.cat("\n\nReload grid #", data);
    } else {
        out.set(piece(cryptmsg1fr, 0), " ", data);
        out.cat(" ", piece(cryptmsg1fr, 1));
        out.cat("\n\n", piece(cryptmsg1fr, 2));
        out.cat(" ", data);
    }
    out.cat(" ?");
}

void chargergrille(gstring &out, const char *data) {
    if (globish)
        out.set("Load Grid #", data);
    else
        out.set(piece(cryptmsg4fr, 0), " ", data);
    out.cat(" ?");
}

void felicitations(gstring &out, const char *data) {
    out.set(piece(selonlangue(cryptmsg5fr, cryptmsg5en), 0));
    if (std::strlen(data) <= std::strlen("zukv"))
        out.replaceone("zukv", data);
    out.cat("\n\n*** BRAVO ***");
}

void grilleetcases(gstring &out, const char *data, const char *extra) {
    out.set(globish ? "Grid: " : "Grille ", data, "\n");
    out.cat(extra, globish ? " cells." : " cases.");
}

short boite(const char *text, unsigned flags) {
    if (winboxident.isempty())
        winboxident = ceprog;
    return messagebox(text, winboxident.adr(), flags | box_systemmodal);
}

} // namespace

void createmsg(gstring &out, std::int16_t number, const char *data, const char *extra) {
    // Copies, since the caller may pass a text of out itself.
    const gstring d(data);
    const gstring e(extra);
    out.clear();
    switch (number) {
    case 1:
        grilledejaenjeu(out, d.adr());
        break;
    case 2:
        paragraphes(out, selonlangue(cryptmsg2fr, cryptmsg2en));
        break;
    case 3:
        paragraphes(out, selonlangue(cryptmsg3fr, cryptmsg3en));
        break;
    case 4:
        chargergrille(out, d.adr());
        break;
    case 5:
        felicitations(out, d.adr());
        break;
    case 6:
        grilleetcases(out, d.adr(), e.adr());
        break;
    case 7:
        paragraphes(out, selonlangue(cryptmsg7fr, cryptmsg7en));
        break;
    case 8:
        if (globish)
            paragraphes(out, cryptmsg8en);
        else
            out.set(noncrypte("Retour valeurs fixes?"));
        break;
    case 9:
        paragraphes(out, selonlangue(cryptmsg9fr, cryptmsg9en));
        break;
    case 10:
        paragraphes(out, selonlangue(cryptmsg10fr, cryptmsg10en));
        break;
    case 11:
        paragraphes(out, selonlangue(cryptmsg11fr, cryptmsg11en));
        break;
    case 12:
        paragraphes(out, selonlangue(cryptmsg12fr, cryptmsg12en));
        break;
    default:
        break;
    }
}

short winvalider(const char *text, unsigned flags) {
    return boite(text, box_ok | (flags == 0 ? box_iconexclamation : flags));
}

short winboxerreur(const char *text) {
    return winvalider(text, box_iconstop);
}

bool winboxouinon(const char *text, unsigned flags) {
    return boite(text, box_yesno | (flags == 0 ? box_iconquestion : flags)) == answer_yes;
}

bool winboxokcancel(const char *text, unsigned flags) {
    return boite(text, box_okcancel | (flags == 0 ? box_iconquestion : flags)) == answer_ok;
}
