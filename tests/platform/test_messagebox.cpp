#include "offscreenapp.h"

#include "platform/controls.h"
#include "platform/messagebox.h"
#include "platform/windowobject.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<std::uint16_t> commands;

long commandproc(winhandle, unsigned message, wparam w, lparam)
{
    if (message == msg_command)
        commands.push_back(lowword(w));
    return 0;
}

QMessageBox* openbox()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(w); box != nullptr && box->isVisible())
            return box;
    return nullptr;
}

} // namespace

class MessageBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        startoffscreen();
        messageboxhook().answer = nullptr;
        messageboxhook().calls.clear();
    }
    void TearDown() override { messageboxhook().answer = nullptr; }
};

TEST_F(MessageBoxTest, HookAnswersAndRecordsWithoutShowing)
{
    messageboxhook().answer = [](const boxcall& call) {
        EXPECT_EQ(openbox(), nullptr);
        return static_cast<short>((call.flags & box_yesno) != 0 ? answer_yes : answer_ok);
    };
    EXPECT_EQ(messagebox("Retour valeurs fixes?", "TIKO101", box_yesno | box_iconexclamation | box_defbutton2),
              answer_yes);
    EXPECT_EQ(messagebox("English", "TIKO101", box_iconinformation), answer_ok);
    EXPECT_EQ(messagebox(nullptr, nullptr, box_ok), answer_ok);
    const auto& calls = messageboxhook().calls;
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0].text, "Retour valeurs fixes?");
    EXPECT_EQ(calls[0].caption, "TIKO101");
    EXPECT_EQ(calls[0].flags, unsigned(box_yesno | box_iconexclamation | box_defbutton2));
    EXPECT_EQ(calls[1].flags, unsigned(box_iconinformation));
    EXPECT_EQ(calls[2].text, "");
}

TEST_F(MessageBoxTest, RealBoxLeavesTheMainWindowReceivingClicks)
{
    registerwinclass("DemoTIKO", commandproc, colour_buttonface);
    winhandle window = createwin("DemoTIKO", "TIKO101", style_framed, 60, 60, 300, 200);
    winhandle button = createbutton(window, 28, "S", 45, 415, 20, 20, ctl_visible);
    setwinpos(window, 60, 60, 300, 500, pos_show);
    commands.clear();
    QMessageBox* seenbox = nullptr;
    QTimer::singleShot(0, [&] {
        seenbox = openbox();
        QTest::mouseClick(static_cast<QPushButton*>(windowwidget(button)), Qt::LeftButton, {}, QPoint(5, 5));
        if (seenbox == nullptr)
            return;
        EXPECT_EQ(seenbox->text(), QString::fromUtf8("Quitter la partie ?"));
        EXPECT_EQ(seenbox->windowTitle(), "TIKO101");
        EXPECT_EQ(seenbox->icon(), QMessageBox::Critical);
        EXPECT_EQ(seenbox->defaultButton(), seenbox->button(QMessageBox::No));
        EXPECT_TRUE(seenbox->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        seenbox->button(QMessageBox::Yes)->click();
    });
    const short answer = messagebox("Quitter la partie ?", "TIKO101",
                                    box_yesno | box_iconstop | box_defbutton2 | box_systemmodal);
    ASSERT_NE(seenbox, nullptr);
    EXPECT_EQ(answer, answer_yes);
    EXPECT_EQ(commands, std::vector<std::uint16_t>{28}) << "the click reached the window while the box was open";
    destroywin(window);
}

TEST_F(MessageBoxTest, ClosedWithoutAButtonAnswersByKind)
{
    const struct {
        unsigned flags;
        short answer;
    } cases[] = {
        {box_ok | box_iconinformation, answer_ok},
        {box_okcancel | box_iconinformation, answer_cancel},
        {box_yesno | box_iconquestion, answer_no},
    };
    for (const auto& c : cases) {
        QTimer::singleShot(0, [] {
            if (QMessageBox* box = openbox())
                box->close();
        });
        EXPECT_EQ(messagebox("?", "TIKO101", c.flags), c.answer) << c.flags;
    }
}

TEST_F(MessageBoxTest, ButtonsFollowTheKind)
{
    const struct {
        unsigned flags;
        QMessageBox::StandardButton pressed;
        short answer;
    } cases[] = {
        {box_ok, QMessageBox::Ok, answer_ok},
        {box_okcancel, QMessageBox::Ok, answer_ok},
        {box_okcancel, QMessageBox::Cancel, answer_cancel},
        {box_yesno, QMessageBox::No, answer_no},
    };
    for (const auto& c : cases) {
        QTimer::singleShot(0, [&c] {
            QMessageBox* box = openbox();
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->defaultButton(), box->buttons().isEmpty() ? nullptr : box->button(
                (c.flags & 0x0F) == box_yesno ? QMessageBox::Yes : QMessageBox::Ok));
            EXPECT_EQ(box->textFormat(), Qt::PlainText);
            box->button(c.pressed)->click();
        });
        EXPECT_EQ(messagebox("<b>plain</b>", "TIKO101", c.flags), c.answer);
    }
}
