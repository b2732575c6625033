#include "selecthand.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

class SelectHand : public ::testing::Test {
protected:
    void SetUp() override { CreateSelectHandForm(nullptr); }
    void TearDown() override { delete SelectHandForm; }

    // Opens the dialog on the current hand, lets the player act once it is
    // up, and returns what the game window receives.
    int Run(int current, std::function<void(TSelectHandForm&)> act) {
        bool acted = false;
        QTimer::singleShot(0, [&] {
            acted = true;
            act(*SelectHandForm);
            // Whatever the player did, a dialog still open is a failure.
            if (SelectHandForm->isVisible()) {
                ADD_FAILURE() << "the dialog stayed open";
                SelectHandForm->done(QDialog::Rejected);
            }
        });
        const int chosen = SelectHandNumber(nullptr, current);
        EXPECT_TRUE(acted);
        return chosen;
    }
    static void Type(TSelectHandForm& form, const char* text) {
        form.EditHandNumber->selectAll();
        QTest::keyClicks(form.EditHandNumber, QString::fromLatin1(text));
    }
};

TEST_F(SelectHand, OpensWithTheCurrentNumberSelectedAndLaidOutAsDesigned) {
    Run(4711, [](TSelectHandForm& form) {
        EXPECT_EQ(form.windowTitle(), "Select Hand");
        EXPECT_EQ(form.size(), QSize(227, 128));
        EXPECT_EQ(form.EditHandNumber->text(), "4711");
        EXPECT_EQ(form.EditHandNumber->selectedText(), "4711");
        EXPECT_EQ(form.focusWidget(), form.EditHandNumber);
        EXPECT_EQ(form.EditHandNumber->maxLength(), 10);
        EXPECT_EQ(form.EditHandNumber->geometry(), QRect(108, 36, 65, 21));
        EXPECT_EQ(form.UpDownHandNumber->geometry(), QRect(173, 36, 15, 21));
        EXPECT_EQ(form.OKBtn->geometry(), QRect(35, 96, 75, 25));
        EXPECT_EQ(form.CancelBtn->geometry(), QRect(115, 96, 75, 25));
        EXPECT_EQ(form.Label1->text(), "Hand Number:");
        EXPECT_TRUE(form.OKBtn->isDefault());
        QTest::mouseClick(form.CancelBtn, Qt::LeftButton);
    });
}

TEST_F(SelectHand, WhatTheGameWindowReceives) {
    struct Case {
        const char* name;
        std::function<void(TSelectHandForm&)> act;
        int expected;
    };
    const Case cases[] = {
        {"Cancel", [](TSelectHandForm& f) { QTest::mouseClick(f.CancelBtn, Qt::LeftButton); }, -1},
        {"Esc", [](TSelectHandForm& f) { QTest::keyClick(f.EditHandNumber, Qt::Key_Escape); }, -1},
        // The title bar's close box counts as Cancel, not as a re-deal.
        {"close box", [](TSelectHandForm& f) { f.close(); }, -1},
        {"OK unchanged", [](TSelectHandForm& f) { QTest::mouseClick(f.OKBtn, Qt::LeftButton); },
         300},
        {"a number and Enter",
         [](TSelectHandForm& f) {
             Type(f, "12345");
             QTest::keyClick(f.EditHandNumber, Qt::Key_Return);
         },
         12345},
        {"text that is no number keeps the current deal",
         [](TSelectHandForm& f) {
             Type(f, "12ab");
             QTest::mouseClick(f.OKBtn, Qt::LeftButton);
         },
         300},
        {"an empty edit keeps the current deal",
         [](TSelectHandForm& f) {
             Type(f, "");
             f.EditHandNumber->clear();
             QTest::mouseClick(f.OKBtn, Qt::LeftButton);
         },
         300},
        {"-1 acts as Cancel",
         [](TSelectHandForm& f) {
             Type(f, "-1");
             QTest::mouseClick(f.OKBtn, Qt::LeftButton);
         },
         -1},
        {"-2 asks for a new random deal",
         [](TSelectHandForm& f) {
             Type(f, "-2");
             QTest::mouseClick(f.OKBtn, Qt::LeftButton);
         },
         -2},
        {"numbers beyond the arrows' range are dealt as typed",
         [](TSelectHandForm& f) {
             Type(f, "99999");
             QTest::mouseClick(f.OKBtn, Qt::LeftButton);
         },
         99999},
        {"0",
         [](TSelectHandForm& f) {
             Type(f, "0");
             QTest::mouseClick(f.OKBtn, Qt::LeftButton);
         },
         0},
        {"beyond 32 bits is no number",
         [](TSelectHandForm& f) {
             Type(f, "9999999999");
             QTest::mouseClick(f.OKBtn, Qt::LeftButton);
         },
         300},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Run(300, c.act), c.expected);
    }
}

TEST_F(SelectHand, TheArrowsStepWithinOneTo32535WithoutWrapping) {
    struct Case {
        const char* start;
        int key;
        const char* expected;
    };
    const Case cases[] =
        {
            {"41", Qt::Key_Up, "42"},         {"41", Qt::Key_Down, "40"},
            {"32535", Qt::Key_Up, "32535"},   {"1", Qt::Key_Down, "1"},
            {"50000", Qt::Key_Down, "32534"}, // typed numbers are held to the range first
            {"-7", Qt::Key_Up, "2"},
        };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.start);
        Run(1, [&c](TSelectHandForm& f) {
            Type(f, c.start);
            QTest::keyClick(f.EditHandNumber, static_cast<Qt::Key>(c.key));
            EXPECT_EQ(f.EditHandNumber->text(), c.expected);
            // No thousands separator, ever.
            EXPECT_FALSE(f.EditHandNumber->text().contains(','));
            f.reject();
        });
    }
    // The arrow buttons themselves, clicked with the mouse.
    EXPECT_EQ(Run(9999,
                  [](TSelectHandForm& f) {
                      const QRect arrows = f.UpDownHandNumber->rect();
                      QTest::mouseClick(f.UpDownHandNumber->childAt(QPoint(7, 3)), Qt::LeftButton);
                      QTest::mouseClick(f.UpDownHandNumber->childAt(QPoint(7, 3)), Qt::LeftButton);
                      QTest::mouseClick(f.UpDownHandNumber->childAt(QPoint(7, arrows.height() - 3)),
                                        Qt::LeftButton);
                      QTest::mouseClick(f.OKBtn, Qt::LeftButton);
                  }),
              10000);
}

} // namespace
