#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "lattice/clatichemin.h"
#include "lattice/topology.h"

namespace {

lichati listof(std::initializer_list<const char *> names) {
    lichati list;
    for (const char *n : names)
        list.padd(n);
    return list;
}

// The list as its items each followed by ",".
std::string itemsof(const lichati &list) {
    std::string text;
    for (const lichati::lxnoeud *p = list.head; p; p = p->next)
        text += std::string(p->text.adr()) + ",";
    return text;
}

// The lists of a grid built from declared hexagons and cells, as the grid model completes them.
struct grid {
    lichati hexagons, cells, partial, points, neighbours, inner, outline, holes, exterior;

    grid(std::initializer_list<const char *> centres,
         std::initializer_list<const char *> declaredcells = {}) {
        hexagons = listof(centres);
        cells = listof(declaredcells);
        hexagons.trikilldoubles();
        cells.trikilldoubles();
        topocompletecases(cells, hexagons);
        topoajoutcompartiels(hexagons, partial, cells);
        topocalculipoint(points, cells);
        toponouvoisidouze(neighbours, cells, hexagons, partial);
        topocontourtritop(hexagons, inner, outline);
        topocasesautourgri(holes, exterior, cells, hexagons);
    }
};

std::string relation(void (*give)(gstring &, const char *), const char *name) {
    gstring out;
    give(out, name);
    return out.adr();
}

} // namespace

TEST(TopologyBase, RelativeTextsTurnedSixTimes) {
    globinittikotopo();
    globinittikotopo(); // built once; a second call changes nothing
    EXPECT_STREQ(sixcasesdunhexa.adr(), ":AB,C:AF,D:AB,D:AF,E:AB,:AF,");
    EXPECT_STREQ(sixvoisineshexapcote.adr(), "B:AF,C:AB,CD:AF,DE:AB,E:AF,F:AB,");
    EXPECT_STREQ(douzevoisineshexapsommet.adr(),
                 "A:AB,A:AF,BC:AF,B:AB,CD:AB,CC:AF,DD:AF,DD:AB,EE:AB,DE:AF,F:AF,EF:AB,");
    EXPECT_EQ(std::string(dixhuitvoisineshexa.adr()),
              std::string(sixvoisineshexapcote.adr()) + douzevoisineshexapsommet.adr());
    EXPECT_STREQ(sixsegminternes.adr(), ":A,:B,:C,D:A,E:B,F:C,");
    EXPECT_STREQ(sixsegmexternes.adr(), "C:A,D:B,E:C,E:A,F:B,A:C,");
}

TEST(TopologyBase, RotationTurnsLettersOnlyAndFoldsLowerCase) {
    gstring text(":AB,cf-f%xyz");
    tirotagausoixante(text);
    EXPECT_STREQ(text.adr(), ":BC,DA-A%xyz");
}

TEST(TopologyRelations, HexagonCellsCornersAndEdgeNeighbours) {
    struct Case {
        void (*give)(gstring &, const char *);
        const char *name;
        const char *expected;
    } cases[] = {
        {topocasespotcethexa, "B", "B:AB,BC:AF,C:AB,C:AF,:AB,B:AF,"},
        {topocasespotcethexa, "", ":AB,C:AF,D:AB,D:AF,E:AB,:AF,"},
        {topogivetroispointscase, "A:AB", "A,AA,AB,"},
        {topogivetroispointscase, ":AF", ",A,F,"},
        {topogivetroisvoisicase, ":AB", ":AF,B:AF,C:AF,"},
        {topogivetroisvoisicase, "A:AF", "A:AB,F:AB,AF:AB,"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(relation(c.give, c.name), c.expected) << c.name;
}

TEST(TopologyRelations, CellsPresentAroundAPoint) {
    const lichati cells = listof({":AB", "c:af", "D:AF", "A:AB"});
    EXPECT_EQ(nbrecasesreelleshexa("", cells), 3);
    EXPECT_EQ(nbrecasesreelleshexa("A", cells), 2);
    EXPECT_EQ(nbrecasesreelleshexa("AAA", cells), 0);
}

TEST(TopologyRelations, StepCountsOfLetters) {
    struct Case {
        const char *path;
        const char *letters;
        int expected;
    } cases[] = {
        {"AAB:AB", "AB", 3}, {"AAB:AB", "EF", 0}, {"AAB:AB", "ba", 3},
        {"A9A3F", "FA", 13}, {"AD", "AD", 2}, // counted as written, not normalised
        {"", "AB", 0},
    };
    for (const Case &c : cases)
        EXPECT_EQ(topodistanseg(c.path, c.letters), c.expected) << c.path << " " << c.letters;
}

TEST(TopologyRelations, CrowdingFromTheMostNeighbouredHexagon) {
    struct Case {
        std::initializer_list<const char *> centres;
        int expected;
    } cases[] = {
        {{}, 3},
        {{""}, 3},
        {{"", "AA", "BB", "DD"}, 3},               // no centre has a neighbouring centre
        {{"", "A", "B", "C"}, 3},                  // three neighbours
        {{"", "A", "B", "C", "D"}, 2},             // four
        {{"", "A", "B", "C", "D", "E"}, 1},        // five
        {{"", "A", "B", "C", "D", "E", "F"}, 0},   // a full flower
        {{"AB", "AAB", "ABB", "B", "A", "AA"}, 1}, // full form names: AB has five
    };
    for (const Case &c : cases) {
        clatichemin path;
        EXPECT_EQ(path.valeurdeclasst(listof(c.centres)), c.expected) << itemsof(listof(c.centres));
    }
}

TEST(TopologyGrid, OneHexagon) {
    const grid g({""});
    EXPECT_EQ(itemsof(g.cells), ":AB,:AF,C:AF,D:AB,D:AF,E:AB,");
    EXPECT_EQ(itemsof(g.hexagons), ",");
    EXPECT_EQ(itemsof(g.partial), "");
    EXPECT_EQ(itemsof(g.points), ",A,B,C,D,E,F,");
    EXPECT_EQ(g.neighbours.effectif(), 6);
    EXPECT_STREQ(g.neighbours.adr(1), ":AB,C:AF,D:AB,D:AF,E:AB,:AF,");
    EXPECT_EQ(itemsof(g.inner), "D:AA,E:BB,F:CC,");
    EXPECT_EQ(itemsof(g.outline), "C:A,E:A,D:B,F:B,A:C,E:C,");
    EXPECT_EQ(g.holes.effectif(), 0);
    EXPECT_EQ(g.exterior.effectif(), 18);
}

TEST(TopologyGrid, TwoNeighbouringHexagons) {
    const grid g({"A", ""});
    EXPECT_EQ(itemsof(g.cells), ":AB,:AF,A:AB,A:AF,B:AF,C:AF,D:AB,D:AF,E:AB,F:AB,");
    EXPECT_EQ(itemsof(g.hexagons), ",A,");
    EXPECT_EQ(itemsof(g.partial), "B,F,");
    EXPECT_EQ(itemsof(g.outline), "C:AA,E:AA,AF:B,D:B,AA:C,E:C,");
    EXPECT_EQ(itemsof(g.inner), "D:AAA,E:BB,F:BB,AF:CC,F:CC,");
    EXPECT_EQ(g.holes.effectif(), 0);
    EXPECT_EQ(g.exterior.effectif(), 22);
    // Corners in the order origin, A, B; the cells around each corner in sector order.
    EXPECT_STREQ(g.neighbours.adr(1), ":AB,C:AF,D:AB,D:AF,E:AB,:AF,A:AB,B:AF,F:AB,A:AF,");
    EXPECT_STREQ(g.neighbours.adr(3), "A:AB,B:AF,:AB,:AF,F:AB,A:AF,");
}

TEST(TopologyGrid, RingOfTwelveHexagonsEnclosesTheCellsAroundTheOrigin) {
    const grid g({"AA", "AB", "BB", "BC", "CC", "CD", "DD", "DE", "EE", "EF", "FF", "AF"});
    EXPECT_EQ(itemsof(g.holes), ":AB,:AF,C:AF,D:AB,D:AF,E:AB,");
    EXPECT_EQ(g.hexagons.trouvexact(""), 0);
    EXPECT_EQ(g.hexagons.effectif(), 12);
    EXPECT_EQ(g.cells.effectif(), 48);
    EXPECT_EQ(g.exterior.effectif(), 42);
    EXPECT_EQ(itemsof(g.outline), "C:A,CCC:AAA,E:A,EEE:AAA,D:B,DDD:BBB,F:B,FFF:BBB,A:C,AAA:CCC,E:C,EEE:CCC,");
}

TEST(TopologyGrid, SixDeclaredCellsMakeACompleteHexagon) {
    const grid g({}, {"e:ab", ":AB", "C:AF", "D:AB", "D:AF", ":AF"});
    EXPECT_EQ(itemsof(g.hexagons), ",");
    EXPECT_EQ(g.cells.effectif(), 6);
}

TEST(TopologyGrid, StrayCellsAndPartialHexagons) {
    // Three cells around the origin make it partial; a lone cell far off touches no hexagon.
    const grid g({}, {":AB", ":AF", "E:AB", "AAAA:AB"});
    EXPECT_EQ(itemsof(g.hexagons), "");
    EXPECT_EQ(itemsof(g.partial), ",");
    EXPECT_EQ(itemsof(g.neighbours), ":AB,E:AB,:AF,,:AF,:AB,E:AB,,E:AB,:AB,:AF,,");
    // Without hexagons there is no ring and no outline.
    EXPECT_EQ(g.exterior.effectif() + g.holes.effectif() + g.outline.effectif() + g.inner.effectif(), 0);
}

TEST(TopologyGrid, CompletionAddsOnlyMissingCellsAndSorts) {
    lichati cells = listof({"Z", "d:af", "A:AB"});
    topocompletecases(cells, listof({""}));
    EXPECT_EQ(itemsof(cells), ":AB,:AF,A:AB,C:AF,D:AB,d:af,E:AB,Z,");
}

TEST(TopologyGrid, PartialListIsReplacedAndCompleteListKept) {
    lichati complete = listof({"BB"});
    lichati partial = listof({"stale"});
    topoajoutcompartiels(complete, partial, listof({":AB", ":AF", "C:AF", "D:AB", "D:AF", "E:AB", "A:AB"}));
    EXPECT_EQ(itemsof(complete), ",BB,");
    EXPECT_EQ(itemsof(partial), "A,");
}

TEST(TopologyOutline, RunsJoinEdgesEndToEnd) {
    struct Case {
        std::initializer_list<const char *> edges;
        const char *expected;
    } cases[] = {
        {{"AA:A", ":A", "A:A"}, ":AAA,"},
        {{"B:A", ":A", "A:A", "AB:A"}, ":AA,B:AA,"},
        {{"C:B", "BC:B", "BBC:B", "BBBC:B", ":B"}, ":B,C:BBBB,"},
        {{":A", ":A"}, ":A,"},
        {{}, ""},
    };
    for (const Case &c : cases) {
        lichati edges = listof(c.edges);
        topocombinetop(edges);
        EXPECT_EQ(itemsof(edges), c.expected);
    }
}

TEST(TopologyOutline, SharedOutlineEdgesMoveInside) {
    lichati inner = listof({"D:A", ":A"});
    lichati outer = listof({"C:A", "C:A", "D:A", "E:A", "AA:A", "AA:A"});
    topotraquefauxext(inner, outer);
    EXPECT_EQ(itemsof(inner), ":A,AA:A,C:A,D:A,");
    EXPECT_EQ(itemsof(outer), "E:A,");
}
