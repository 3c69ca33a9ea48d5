#pragma once
#include "platform/messages.h"

// The main window's procedure: every message of the window and its buttons.
long WindProc(winhandle window, unsigned message, wparam w, lparam l);
