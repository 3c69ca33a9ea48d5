#pragma once
#include "platform/drawcontext.h"
#include "platform/messages.h"

// Sets up the screen and window devices from the first paint context after the window's creation.
void getalldevice(dchandle context);
// The buttons brought up to date for the grid in play.
void wpaintgrillajouer();
// The paint of the main window while the rules pages are shown: the buttons, then the page.
void wpaintpagederegle();
// Posted by the paint when the arrow help or the congratulations wait: a message box cannot run
// inside the platform's paint.
constexpr unsigned msg_apreslapeinture = msg_user;
// The arrow help once, and the congratulations after a completed grid.
void messagesapres();
// The main window's paint message: the grid through the off-screen layers, then the button
// column's texts, then the messages that wait for a paint.
void wpaintfenetre(winhandle window);
