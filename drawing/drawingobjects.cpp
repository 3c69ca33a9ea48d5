#include "drawing/drawingobjects.h"

clacrayon moncrayon;
clabrosse mabrosse;
clapolice mapolice;
wkrectan blokadre;
