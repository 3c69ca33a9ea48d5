#pragma once
#include "drawing/clagdiobjet.h"

// A pen.
class clacrayon : public clagdiobjet {};
