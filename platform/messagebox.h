#pragma once
#include <functional>
#include <string>
#include <vector>

// A message box's buttons (one of the first three), icon (one of the next four), default button
// and modality, combined with "|".
enum boxflag : unsigned {
    box_ok = 0,
    box_okcancel = 1,
    box_yesno = 4,
    box_iconstop = 0x10,
    box_iconquestion = 0x20,
    box_iconexclamation = 0x30,
    box_iconinformation = 0x40,
    box_defbutton2 = 0x100,
    box_systemmodal = 0x1000, // above every window, with no owner
};

enum boxanswer : short {
    answer_ok = 1,
    answer_cancel = 2,
    answer_yes = 6,
    answer_no = 7,
};

// Shows the text (Windows-1252 bytes) under the caption and waits for the answer while the
// program's other windows keep receiving their messages. A box closed without a button answers
// ok, cancel or no, by its kind.
short messagebox(const char* text, const char* caption, unsigned flags);

class boxcall {
public:
    std::string text;
    std::string caption;
    unsigned flags;
};

// For tests: while answer is set, every box is answered by it and recorded in calls, and
// nothing is shown.
class boxhook {
public:
    std::function<short(const boxcall&)> answer;
    std::vector<boxcall> calls;
};

boxhook& messageboxhook();
