#include "platform/messagebox.h"

#include "platform/qtext.h"

#include <QApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QPushButton>

#include <memory>

namespace {

QMessageBox::Icon iconof(unsigned flags)
{
    switch (flags & 0xF0) {
    case box_iconstop:
        return QMessageBox::Critical;
    case box_iconquestion:
        return QMessageBox::Question;
    case box_iconexclamation:
        return QMessageBox::Warning;
    case box_iconinformation:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

short answerof(QMessageBox::StandardButton button)
{
    switch (button) {
    case QMessageBox::Cancel:
        return answer_cancel;
    case QMessageBox::Yes:
        return answer_yes;
    case QMessageBox::No:
        return answer_no;
    default:
        return answer_ok;
    }
}

} // namespace

boxhook& messageboxhook()
{
    static boxhook hook;
    return hook;
}

short messagebox(const char* text, const char* caption, unsigned flags)
{
    boxhook& hook = messageboxhook();
    if (hook.answer) {
        // Copies, since the hook may open boxes or change itself while it answers.
        const boxcall call{text != nullptr ? text : "", caption != nullptr ? caption : "", flags};
        const auto answer = hook.answer;
        hook.calls.push_back(call);
        return answer(call);
    }

    QMessageBox::StandardButton first = QMessageBox::Ok;
    QMessageBox::StandardButton second = QMessageBox::NoButton;
    if ((flags & 0x0F) == box_yesno) {
        first = QMessageBox::Yes;
        second = QMessageBox::No;
    } else if ((flags & 0x0F) == box_okcancel) {
        second = QMessageBox::Cancel;
    }
    const short unanswered = answerof(second != QMessageBox::NoButton ? second : first);
    if (QApplication::instance() == nullptr)
        return unanswered;
    auto box = std::make_unique<QMessageBox>(iconof(flags), qtext(caption), qtext(text),
                                             second == QMessageBox::NoButton ? first : first | second);
    box->setTextFormat(Qt::PlainText);
    const bool seconddefault = (flags & box_defbutton2) != 0 && second != QMessageBox::NoButton;
    box->setDefaultButton(seconddefault ? second : first);
    box->setEscapeButton(second != QMessageBox::NoButton ? second : first);
    if ((flags & box_systemmodal) != 0)
        box->setWindowFlag(Qt::WindowStaysOnTopHint);
    // Not modal: the main window keeps getting clicks, which the program's own guard turns away.
    box->setModal(false);
    QEventLoop loop;
    QObject::connect(box.get(), &QMessageBox::finished, &loop, &QEventLoop::quit);
    box->show();
    loop.exec();
    QAbstractButton* clicked = box->clickedButton();
    const QMessageBox::StandardButton chosen = clicked != nullptr ? box->standardButton(clicked) : QMessageBox::NoButton;
    return chosen == QMessageBox::NoButton ? unanswered : answerof(chosen);
}
