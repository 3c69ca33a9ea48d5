#pragma once
#include "drawing/clabrosse.h"
#include "drawing/clacrayon.h"
#include "drawing/clapolice.h"
#include "drawing/wkrectan.h"

// The program's current pen, brush and font, shared by every device, and the selection frame.
extern clacrayon moncrayon;
extern clabrosse mabrosse;
extern clapolice mapolice;
extern wkrectan blokadre;
