#pragma once
#include <cstdint>
#include <vector>

#include "foundation/gstring.h"
#include "foundation/lichati.h"
#include "foundation/paraliti.h"
#include "lattice/clagravec.h"
#include "lattice/clatichemin.h"

// One triangular cell of the grid.
struct structcase {
    std::int16_t x = 0; // pixel centre, model axes; 0 while not computed
    std::int16_t y = 0;
    std::int16_t ligne = 0;
    std::int16_t colonne = 0;
    std::int16_t valeur = 0;    // 0 empty, else 1..6
    std::int16_t possibles = 0; // candidate mask
    std::int16_t possuser = 0;  // the player's marks, same encoding
    std::uint8_t fixe = 0;      // a given the player cannot change
    std::int16_t valdef = 0;    // given value of the definition, 0 when none
    std::int16_t nivdef = 0;    // level code of that given value
};

// One hexagon of the grid; the cell slots and their count are reserved and stay 0.
struct structhexa {
    std::int16_t cases[6] = {};
    std::int16_t casesreelles = 0;
    std::int16_t x = 0;
    std::int16_t y = 0;
};

// A frame in model pixels, y upward.
struct cadrepix {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
};

// The grid model: cells, hexagons and neighbour records derived lazily from lists of canonical
// names, the given values with their levels, the candidate masks and the pixel geometry.
// Every indexed access checks its index: outside 1..nbcases a read answers 0 and a write is ignored.
class clagritiko : public clatichemin {
  public:
    // The cells sharing a hexagon of three or more cells with one cell, packed from the start.
    struct structvoi {
        std::int16_t voisins[12] = {};
        std::int16_t opposees[3] = {};
    };

    std::vector<structhexa> tabhexas;
    std::vector<structcase> tabcases;
    std::vector<structvoi> tabvoisins;
    clagravhexa gravcases; // cell geometry, step taillepix
    clagravec gravhexas;   // hexagon geometry, step taillepix / 3 rounded
    std::int16_t nbhexacomplets = 0;
    std::int16_t nbhexapartiels = 0;
    std::int16_t nbhexas = 0;
    std::int16_t nbcases = 0;
    std::int16_t nbpoints = 0;
    std::int16_t taillepix = 40;
    std::int16_t angle = 0;
    std::int16_t niveauvoulu = 100;
    std::int16_t niveaucalcule = 100;
    std::int16_t niveauapplique = 0;
    bool nivajour = false;
    std::int16_t declassement = 0;
    std::int16_t nblignes = 0;
    std::int16_t nbcolonnes = 0;
    gstring nom;
    std::int16_t niveaunominal = 6;
    std::int16_t niveaueffectif = 6;
    std::int16_t niveauaffiche = 0;
    pointpix posmarquesplat[6];
    pointpix posmarquespointe[6];
    bool interdouze = true;
    lichati lichemhexas;
    lichati lichemhexapart;
    lichati lichemcases;
    lichati lipoints;
    lichati livoisins;
    lichati liseginternes;
    lichati lisegcontour;
    lichati licasestrous;
    lichati licasesexter;
    paraliti valdonnees;

    bool basefaite = false;
    bool pointsfaits = false;
    bool voisinsfaits = false;
    bool segmentsfaits = false;
    bool autourfaits = false;
    bool tabcasesfaite = false;
    bool tabhexasfaite = false;
    bool coordfaites = false;
    bool tabvoisinsfaite = false;
    bool tabvoisinsremplie = false;
    bool avaldonnees = false;
    bool valplacees = false;

    clagritiko();
    ~clagritiko();
    clagritiko(const clagritiko &) = delete;
    clagritiko &operator=(const clagritiko &) = delete;

    // Construction and reset (clagritiko.cpp).
    void clear(char mode);
    void vidertoutsauflitiko();
    void videlitikototale();
    void setnom(const char *text);
    void settaillepix(std::int16_t size);
    void setangle(std::int16_t degrees);
    clatichemin &tichemad();

    // Cells and hexagons by index (gridcells.cpp).
    bool estcase(std::int16_t i) const;
    bool esthexa(std::int16_t h) const;
    std::int16_t getcaseval(std::int16_t i) const;
    void setcaseval(std::int16_t i, std::int16_t v);
    bool casestvide(std::int16_t i) const;
    bool casenonvide(std::int16_t i) const;
    bool casestfixe(std::int16_t i) const;
    void defixercase(std::int16_t i);
    std::int16_t getvaluposs(std::int16_t i) const;
    void setvaluposs(std::int16_t i, std::int16_t mask);
    const std::int16_t *possitabladr(std::int16_t i) const;
    std::int16_t getcacentrix(std::int16_t i) const;
    std::int16_t getcacentry(std::int16_t i) const;
    std::int16_t gethexacentrix(std::int16_t h) const;
    std::int16_t gethexacentry(std::int16_t h) const;
    std::int16_t numerodelacase(const char *name) const;
    bool triaplat(std::int16_t i) const;
    bool triaplat(const char *name) const;
    std::int16_t casevoisine(std::int16_t i, std::int16_t k) const;
    void casevaluclear(std::int16_t i);
    void casetoutclear(std::int16_t i);

    // Derived lists (gridlists.cpp).
    void fautbasexhaustive();
    void fautunelitipoint();
    void fautunelistevoisidouble();
    void fautdeslistesegtour();
    void fautdeslistescasautour();
    void videlititri();
    void videlitipoint();
    void videlitipartie();
    void videlistevoisidouble();
    void videlisegmentour();
    void videlicasesautour();
    void videlivalcafixes();

    // Record tables (gridtables.cpp).
    void fautunetabledescases();
    void fautunetabledeshexas();
    void fautcoordentableaux();
    void fautunetablecommune();
    void fautunetablevoisidouble();
    void fautvalfixentables();
    void creatabledescasesvide();
    void creatabledeshexasvide();
    void metcoordentableaux();
    void creatablecommune();
    void creatablevoisidouble();
    void mettrevalfixentables();
    void killtabledescases();
    void killtabledeshexas();
    void killtablecommune();
    void killtablevoisidouble() { killtablecommune(); }
    void supprimecoordentableaux();
    void videvalcasentables();

    // Building from a definition (gridbuild.cpp).
    void setfromgrivecdef(const lichati &lines);
    void debutdaffichagrille();

    // The player's marks (gridmarks.cpp).
    bool isautorisee(std::int16_t i, std::int16_t v) const;
    void swapossuser(std::int16_t i, std::int16_t v);
    void razpuser(std::int16_t i);
    void razallpuser();
    bool yadespossusers() const;
    void calposipusertri();
    void givepossofuser(std::int16_t i, std::int16_t v, std::int16_t &x, std::int16_t &y) const;
    std::int16_t possiproche(std::int16_t i, std::int16_t px, std::int16_t py) const;

    // Candidate propagation and the placement rule (gridrules.cpp).
    void ajustepossicase();
    bool metencase(std::int16_t i, std::int16_t v);
    bool metencaseleger(std::int16_t i, std::int16_t v);
    bool interdiquinze(std::int16_t i, std::int16_t v);
    bool interdidouze(std::int16_t i, std::int16_t v);
    bool interdicaval(std::int16_t n, std::int16_t v);
    bool cestfini() const;
    void retourafixe();

    // Difficulty levels (gridlevels.cpp).
    std::int16_t fixenivoulu(std::int16_t code);
    void bonsniveaux(std::int16_t level);
    bool yaleuboniveau();
    void fautappliquerniveau();
    void appliquerniveau();
    bool yaniveausept();
    void declassecalc();
    void libniveaubis(gstring &out, std::int16_t selector, const char *names) const;

    // Geometry (gridgeometry.cpp) and hit tests (gridhittests.cpp).
    void geretaille();
    void giveposipoint(const char *path, std::int16_t &x, std::int16_t &y);
    void giveposicase(const char *name, std::int16_t &x, std::int16_t &y);
    void givetripoints(pointpix *points4, const char *name);
    void givecasepoints(std::int16_t i, pointpix *points5);
    std::int16_t caseproche(std::int16_t x, std::int16_t y) const;
    std::int16_t hexaproche(std::int16_t x, std::int16_t y);
    std::int16_t hexapartproche(std::int16_t x, std::int16_t y);
    std::int16_t pointproche(std::int16_t x, std::int16_t y);
    void posicadremax(cadrepix &frame) const;
    static std::int16_t positaconv(char axis, const char *name);
    void calnulibase();
    void ecricalignouv(gstring &out, std::int16_t flag, std::int16_t i, const char *separator) const;
    void calcupositionsdouteux();

    // Play-state text (gridplaystate.cpp).
    void getactudata(std::int16_t form, gstring &out) const;
    void setactudatabis(const char *text);
    void injecterpossuval();
};

// Values and marks of a read play-state text waiting for the given values to be applied:
// "v,cell,value" and "p,cell,mask" entries.
extern lichati listepossuval;
