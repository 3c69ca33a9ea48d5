#pragma once
#include "platform/messages.h"

// Measuring, placing and showing the main window, and serving repaint requests.
void getsizefenetre(winhandle window);
void lancerunpaint(winhandle window);
void taillegrifen();
void mainwinposornot();
void setgriwinposition(winhandle window);
void getwinposition(winhandle window);
void mainwinshowornot();
// The window rectangular again, at the rules pages' size.
void fenetraffiregle(winhandle window);
