#pragma once
#include "drawing/clagdiobjet.h"

// A brush.
class clabrosse : public clagdiobjet {};
