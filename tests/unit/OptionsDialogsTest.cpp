// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/TNumPlayersDialog.h"
#include "dialogs/TNumPlayersDialog2.h"
#include "dialogs/TNumPlayersDialog3.h"
#include "dialogs/TPlayersNamesDialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>

#include <gtest/gtest.h>

using namespace tumbledown;

namespace {

QApplication& app() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "unit_tests";
    static char* argv[] = {name, nullptr};
    // Never destroyed: Qt's own statics may already be gone at exit.
    static QApplication* application =
        qApp ? qApp : new QApplication(argc, argv); // another suite may have made it
    return *application;
}

class OptionsDialogs : public ::testing::Test {
protected:
    void SetUp() override { app(); }
};

QRadioButton* radio(const ModalDialog& dialog, int id) {
    return qobject_cast<QRadioButton*>(dialog.control(id));
}

void type(QWidget* edit, const std::string& keys) {
    for (char c : keys) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier,
                        QString(QChar::fromLatin1(c)));
        QCoreApplication::sendEvent(edit, &press);
    }
}

} // namespace

// Each options dialog: its id, caption and controls by id with their texts.
// What they are filled with and report is in the scenarios' transcripts.
TEST_F(OptionsDialogs, EachDialogHasItsControlsById) {
    TNumPlayersDialog box(nullptr, ShutTheBoxOptionsRecord{});
    TNumPlayersDialog2 ten(nullptr, TenThouOptionsRecord{});
    TNumPlayersDialog3 poker(nullptr, PokerDiceOptionsRecord{});
    const std::vector<std::pair<int, const char*>> opponents = {
        {101, "Play vs Apprentice"},
        {102, "Play vs Mage"},
        {103, "Play vs Wizard"},
        {104, "Play vs Player 2"},
        {105, "Change first player's name"},
        {106, "Change second player's name"}};
    auto pokerControls = opponents;
    pokerControls.insert(
        pokerControls.end(),
        {{111, "2 rolls"}, {112, "3 rolls"}, {113, "Aces wild"}, {114, "Reset coins to 5000"}});
    struct Case {
        const ModalDialog& dialog;
        int resourceId;
        QString title;
        std::vector<std::pair<int, const char*>> controls;
        const char* label; // the name field's label
    };
    const Case cases[] = {
        {box,
         201,
         "",
         {{101, "Play vs Computer"},
          {102, "Play vs Player 2"},
          {103, "Change first player's name"},
          {104, "Change second player's name"}},
         "108"},
        {ten, 203, "", opponents, "110"},
        {poker, 204, "Options for Poker Dice", pokerControls, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.resourceId);
        EXPECT_EQ(c.dialog.resourceId(), c.resourceId);
        EXPECT_EQ(c.dialog.windowTitle(), c.title);
        for (const auto& [id, text] : c.controls) {
            auto* button = qobject_cast<QAbstractButton*>(c.dialog.control(id));
            ASSERT_NE(button, nullptr) << id;
            EXPECT_EQ(button->text(), text);
        }
        if (c.label) {
            auto* label = c.dialog.findChild<QLabel*>(c.label);
            ASSERT_NE(label, nullptr);
            EXPECT_EQ(label->text(), "Enter new player name:");
        }
    }
    // Frames are no fields: nothing to fill or report.
    EXPECT_NE(ten.findChild<QWidget*>("108"), nullptr);
    EXPECT_NE(ten.findChild<QWidget*>("109"), nullptr);
    EXPECT_EQ(ten.control(108), nullptr);
}

// Clicked as a person does; the scenarios' answers set the other dialogs' groups.
TEST_F(OptionsDialogs, EachRadioGroupIsExclusiveOnItsOwnAndTheRecordReadsTheControls) {
    TenThouOptionsRecord fill;
    fill.mage = true;
    TNumPlayersDialog2 dialog(nullptr, fill);
    radio(dialog, 105)->click();
    EXPECT_TRUE(radio(dialog, 102)->isChecked()); // the other group keeps its choice
    radio(dialog, 104)->click();
    EXPECT_FALSE(radio(dialog, 102)->isChecked());
    EXPECT_TRUE(radio(dialog, 104)->isChecked());
    EXPECT_TRUE(radio(dialog, 105)->isChecked());
    radio(dialog, 106)->click();
    EXPECT_FALSE(radio(dialog, 105)->isChecked());
    EXPECT_TRUE(radio(dialog, 104)->isChecked());
    EXPECT_EQ(dialog.fieldSummary(), "101=0,102=0,103=0,104=1,105=0,106=1,107=");
    type(dialog.control(107), "b0b-Longername");
    const TenThouOptionsRecord ten = dialog.record();
    EXPECT_TRUE(ten.player2 && ten.changeSecondName);
    EXPECT_FALSE(ten.mage || ten.changeFirstName);
    EXPECT_EQ(ten.name, "bbLonger"); // the name field's filter and limit
    // A replay's 0 clears a radio button even when it is the one checked.
    setButtonChecked(*radio(dialog, 104), false);
    EXPECT_FALSE(radio(dialog, 104)->isChecked());

    TNumPlayersDialog box(nullptr, ShutTheBoxOptionsRecord{});
    type(box.control(105), "a b.c!"); // a field of its own, filtered alike
    EXPECT_EQ(box.record().name, "abc");
}

TEST_F(OptionsDialogs, FramesLetClicksThroughToTheButtonsTheyEnclose) {
    TNumPlayersDialog2 ten(nullptr, TenThouOptionsRecord{});
    TNumPlayersDialog box(nullptr, ShutTheBoxOptionsRecord{});
    for (const auto& [dialog, last] : {std::pair<ModalDialog*, int>{&ten, 107}, {&box, 105}}) {
        dialog->show();
        for (int id = 101; id <= last; ++id) {
            QWidget* control = dialog->control(id);
            EXPECT_EQ(dialog->childAt(control->geometry().center()), control) << id;
        }
        dialog->hide();
    }
}

TEST_F(OptionsDialogs, ADialogWithoutAnOwnerOnScreenIsCentredOnTheScreen) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    ASSERT_NE(screen, nullptr);
    const QPoint middle = screen->availableGeometry().center();

    QWidget hiddenOwner; // the main window while it is still being built
    TPlayersNamesDialog early(&hiddenOwner);
    centreIfOwnerHidden(early);
    EXPECT_LE((early.geometry().center() - middle).manhattanLength(), 2);
    EXPECT_TRUE(early.testAttribute(Qt::WA_Moved)); // kept when shown

    TPlayersNamesDialog orphan(nullptr);
    centreIfOwnerHidden(orphan);
    EXPECT_LE((orphan.geometry().center() - middle).manhattanLength(), 2);

    QWidget shownOwner;
    shownOwner.setGeometry(10, 10, 300, 200);
    shownOwner.show();
    TPlayersNamesDialog later(&shownOwner);
    centreIfOwnerHidden(later);
    EXPECT_FALSE(later.testAttribute(Qt::WA_Moved)); // left to be centred over its owner
}
