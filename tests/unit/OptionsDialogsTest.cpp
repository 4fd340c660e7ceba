// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/GameSettings.h"
#include "dialogs/TNumPlayersDialog.h"
#include "dialogs/TNumPlayersDialog2.h"
#include "dialogs/TPlayersNamesDialog.h"
#include "platform/EventQueue.h"
#include "platform/ReplayDriver.h"
#include "platform/System.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>

#include <gtest/gtest.h>

#include <functional>

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

// Stands in for the program while a replay script answers one dialog.
class DialogTarget : public ReplayTarget, public EventSink {
public:
    explicit DialogTarget(std::function<void()> open) : open_(std::move(open)) {}
    void start(int, int) override { open_(); }
    bool chooseMenu(int) override { return false; }
    void endTune() override {}
    bool saveShot(const std::string&) override { return false; }
    void setZoom(int) override {}
    void handleEvent(const InputEvent&) override {}

private:
    std::function<void()> open_;
};

// Runs a one-line script whose dialog answer goes to the dialog open() runs.
void replay(const std::string& script, const std::function<void()>& open) {
    std::string error;
    auto lines = parseScript(script, error);
    ASSERT_TRUE(lines) << error;
    VirtualClock clock(1000000000);
    ReplayDriver driver(std::move(*lines), clock, &clock);
    DialogTarget target(open);
    driver.setTarget(&target);
    services().host = &driver;
    services().clock = &clock;
    eventQueue().setSink(&target);
    driver.run();
    eventQueue().setSink(nullptr);
    services().host = nullptr;
    services().clock = nullptr;
}

} // namespace

TEST_F(OptionsDialogs, TenThouDialogHasItsControlsByIdAndItsSize) {
    TNumPlayersDialog2 dialog(nullptr, TenThouOptionsRecord{});
    TPlayersNamesDialog names(nullptr);
    EXPECT_EQ(dialog.resourceId(), 203);
    EXPECT_TRUE(dialog.windowTitle().isEmpty());
    // 210 x 187 units against the names dialog's 189 x 103, in the same font.
    EXPECT_NEAR(dialog.width(), names.width() * 210.0 / 189.0, 1.5);
    EXPECT_NEAR(dialog.height(), names.height() * 187.0 / 103.0, 1.5);

    const std::pair<int, const char*> radios[] = {
        {101, "Play vs Apprentice"},
        {102, "Play vs Mage"},
        {103, "Play vs Wizard"},
        {104, "Play vs Player 2"},
        {105, "Change first player's name"},
        {106, "Change second player's name"},
    };
    for (const auto& [id, text] : radios) {
        ASSERT_NE(radio(dialog, id), nullptr) << id;
        EXPECT_EQ(radio(dialog, id)->text(), text);
    }
    auto* name = qobject_cast<QLineEdit*>(dialog.control(107));
    ASSERT_NE(name, nullptr);
    auto* label = dialog.findChild<QLabel*>("110");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), "Enter new player name:");
    EXPECT_NE(dialog.findChild<QWidget*>("108"), nullptr);
    EXPECT_NE(dialog.findChild<QWidget*>("109"), nullptr);
    // Frames are no fields: nothing to fill or report.
    EXPECT_EQ(dialog.control(108), nullptr);
    EXPECT_EQ(dialog.fieldSummary(), "101=0,102=0,103=0,104=0,105=0,106=0,107=");
    // The edit sits right of its label inside the lower frame, as laid out.
    EXPECT_GT(name->x(), label->x());
    EXPECT_LT(radio(dialog, 104)->y(), radio(dialog, 105)->y());
}

TEST_F(OptionsDialogs, TenThouDialogShowsAndReturnsItsRecord) {
    for (Opponent opponent : {Opponent{}, Opponent{Level::Apprentice}, Opponent{Level::Mage},
                              Opponent{Level::Wizard}}) {
        PreferencesRecord r = withTenThouLevel(opponent);
        const TenThouOptionsRecord fill = fillTenThouOptions(r);
        TNumPlayersDialog2 dialog(nullptr, fill);
        const TenThouOptionsRecord shown = dialog.record();
        EXPECT_EQ(shown.apprentice, fill.apprentice);
        EXPECT_EQ(shown.mage, fill.mage);
        EXPECT_EQ(shown.wizard, fill.wizard);
        EXPECT_EQ(shown.player2, fill.player2);
        EXPECT_FALSE(shown.changeFirstName || shown.changeSecondName);
        EXPECT_TRUE(shown.name.empty());
    }
    TenThouOptionsRecord fill;
    fill.changeSecondName = true;
    fill.name = "BOB";
    TNumPlayersDialog2 dialog(nullptr, fill);
    EXPECT_EQ(dialog.fieldSummary(), "101=0,102=0,103=0,104=0,105=0,106=1,107=BOB");
}

TEST_F(OptionsDialogs, EachRadioGroupIsExclusiveOnItsOwn) {
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

    TNumPlayersDialog box(nullptr, ShutTheBoxOptionsRecord{});
    radio(box, 101)->click();
    radio(box, 104)->click();
    radio(box, 102)->click();
    EXPECT_EQ(box.fieldSummary(), "101=0,102=1,103=0,104=1,105=");
}

TEST_F(OptionsDialogs, FramesLetClicksThroughToTheButtonsTheyEnclose) {
    TNumPlayersDialog2 dialog(nullptr, TenThouOptionsRecord{});
    dialog.show();
    for (int id : {101, 102, 103, 104, 105, 106, 107}) {
        QWidget* control = dialog.control(id);
        EXPECT_EQ(dialog.childAt(control->geometry().center()), control) << id;
    }
    dialog.hide();
    TNumPlayersDialog box(nullptr, ShutTheBoxOptionsRecord{});
    box.show();
    for (int id : {101, 102, 103, 104, 105}) {
        QWidget* control = box.control(id);
        EXPECT_EQ(box.childAt(control->geometry().center()), control) << id;
    }
    box.hide();
}

TEST_F(OptionsDialogs, TheNameFieldTakesAtMostEightLetters) {
    TNumPlayersDialog2 dialog(nullptr, TenThouOptionsRecord{});
    type(dialog.control(107), "b0b-Longername");
    EXPECT_EQ(dialog.record().name, "bbLonger");
    TNumPlayersDialog box(nullptr, ShutTheBoxOptionsRecord{});
    type(box.control(105), "a b.c!");
    EXPECT_EQ(box.record().name, "abc");
}

TEST_F(OptionsDialogs, ShutTheBoxDialogHasItsControlsById) {
    ShutTheBoxOptionsRecord fill;
    fill.vsComputer = true;
    TNumPlayersDialog dialog(nullptr, fill);
    TPlayersNamesDialog names(nullptr);
    EXPECT_EQ(dialog.resourceId(), 201);
    EXPECT_TRUE(dialog.windowTitle().isEmpty());
    EXPECT_NEAR(dialog.width(), names.width() * 210.0 / 189.0, 1.5);
    EXPECT_NEAR(dialog.height(), names.height() * 147.0 / 103.0, 1.5);
    EXPECT_EQ(radio(dialog, 101)->text(), "Play vs Computer");
    EXPECT_EQ(radio(dialog, 102)->text(), "Play vs Player 2");
    EXPECT_EQ(radio(dialog, 103)->text(), "Change first player's name");
    EXPECT_EQ(radio(dialog, 104)->text(), "Change second player's name");
    ASSERT_NE(dialog.findChild<QLabel*>("108"), nullptr);
    EXPECT_EQ(dialog.findChild<QLabel*>("108")->text(), "Enter new player name:");
    EXPECT_EQ(dialog.fieldSummary(), "101=1,102=0,103=0,104=0,105=");
    EXPECT_TRUE(dialog.record().vsComputer);
}

TEST_F(OptionsDialogs, TheReplayDriverSetsRadioButtonsById) {
    PreferencesRecord wizard = withTenThouLevel(Level::Wizard);
    std::optional<TenThouOptionsRecord> chosen;
    replay("dialog 203 104=1 106=1 107=bob ok\n",
           [&] { chosen = askTenThouOptions(wizard, nullptr); });
    ASSERT_TRUE(chosen);
    EXPECT_TRUE(chosen->player2);
    EXPECT_FALSE(chosen->wizard); // checking 104 cleared the old choice
    EXPECT_TRUE(chosen->changeSecondName);
    EXPECT_FALSE(chosen->changeFirstName);
    EXPECT_EQ(chosen->name, "bob");

    // A 0 clears a radio button even when it is the one checked.
    replay("dialog 203 103=0 ok\n", [&] { chosen = askTenThouOptions(wizard, nullptr); });
    ASSERT_TRUE(chosen);
    EXPECT_FALSE(chosen->apprentice || chosen->mage || chosen->wizard || chosen->player2);

    std::optional<ShutTheBoxOptionsRecord> boxChosen{ShutTheBoxOptionsRecord{}};
    replay("dialog 201 101=1 103=1 105=zed cancel\n",
           [&] { boxChosen = askShutTheBoxOptions(wizard, nullptr); });
    EXPECT_FALSE(boxChosen); // cancelled: nothing to apply
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
