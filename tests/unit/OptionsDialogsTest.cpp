// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/GameSettings.h"
#include "dialogs/TNumPlayersDialog.h"
#include "dialogs/TNumPlayersDialog2.h"
#include "dialogs/TNumPlayersDialog3.h"
#include "dialogs/TPlayersNamesDialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
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

PreferencesRecord withTenThouLevel(Opponent opponent) {
    PreferencesRecord r;
    r.setPlayer1("ANN");
    r.setPlayer2("BEN");
    TenThouSettings(r).setOpponent(opponent);
    return r;
}

} // namespace

// Each options dialog: its id, caption, controls by id with their texts, its
// fill, and its size in dialog units against the names dialog's 189 x 103.
TEST_F(OptionsDialogs, EachDialogHasItsControlsByIdAndItsSize) {
    ShutTheBoxOptionsRecord boxFill;
    boxFill.vsComputer = true;
    PokerDiceOptionsRecord pokerFill;
    pokerFill.mage = pokerFill.threeRolls = pokerFill.acesWild = true;
    TNumPlayersDialog box(nullptr, boxFill);
    TNumPlayersDialog2 ten(nullptr, TenThouOptionsRecord{});
    TNumPlayersDialog3 poker(nullptr, pokerFill);
    TPlayersNamesDialog names(nullptr);
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
        const char* summary;
        int height; // in dialog units; 0: not fixed here
    };
    const Case cases[] = {
        {box,
         201,
         "",
         {{101, "Play vs Computer"},
          {102, "Play vs Player 2"},
          {103, "Change first player's name"},
          {104, "Change second player's name"}},
         "108",
         "101=1,102=0,103=0,104=0,105=",
         147},
        {ten, 203, "", opponents, "110", "101=0,102=0,103=0,104=0,105=0,106=0,107=", 187},
        {poker, 204, "Options for Poker Dice", pokerControls, nullptr,
         "101=0,102=1,103=0,104=0,105=0,106=0,107=,111=0,112=1,113=1,114=0", 0},
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
        EXPECT_EQ(c.dialog.fieldSummary(), c.summary);
        if (c.label) {
            auto* label = c.dialog.findChild<QLabel*>(c.label);
            ASSERT_NE(label, nullptr);
            EXPECT_EQ(label->text(), "Enter new player name:");
        }
        if (c.height) {
            EXPECT_NEAR(c.dialog.width(), names.width() * 210.0 / 189.0, 1.5);
            EXPECT_NEAR(c.dialog.height(), names.height() * c.height / 103.0, 1.5);
        }
    }
    EXPECT_TRUE(box.record().vsComputer);
    // Frames are no fields: nothing to fill or report.
    EXPECT_NE(ten.findChild<QWidget*>("108"), nullptr);
    EXPECT_NE(ten.findChild<QWidget*>("109"), nullptr);
    EXPECT_EQ(ten.control(108), nullptr);
    // Poker Dice's is wider by the rolls and the other options.
    EXPECT_GT(poker.width(), poker.height());

    TenThouOptionsRecord named;
    named.changeSecondName = true;
    named.name = "BOB";
    EXPECT_EQ(TNumPlayersDialog2(nullptr, named).fieldSummary(),
              "101=0,102=0,103=0,104=0,105=0,106=1,107=BOB");
}

TEST_F(OptionsDialogs, EachRadioGroupIsExclusiveOnItsOwnAndTheRecordReadsTheControls) {
    PreferencesRecord r = withTenThouLevel(Level::Mage);
    TNumPlayersDialog2 dialog(nullptr, fillTenThouOptions(r));
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
    radio(box, 101)->click();
    radio(box, 104)->click();
    radio(box, 102)->click();
    EXPECT_EQ(box.fieldSummary(), "101=0,102=1,103=0,104=1,105=");
    type(box.control(105), "a b.c!");
    EXPECT_EQ(box.record().name, "abc");

    PokerDiceOptionsRecord fill;
    fill.player2 = fill.twoRolls = true;
    TNumPlayersDialog3 poker(nullptr, fill);
    for (int id : {103, 106, 112})
        radio(poker, id)->click();
    qobject_cast<QCheckBox*>(poker.control(114))->click();
    const PokerDiceOptionsRecord chosen = poker.record();
    EXPECT_TRUE(chosen.wizard && chosen.changeSecondName && chosen.threeRolls && chosen.resetCoins);
    EXPECT_FALSE(chosen.player2 || chosen.twoRolls || chosen.acesWild);
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
