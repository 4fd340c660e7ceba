#include "TNumPlayersDialog3.h"

#include "platform/System.h"

#include <QLineEdit>

namespace tumbledown {

namespace {
constexpr int noId = 0; // the template's frames and labels have none
}

TNumPlayersDialog3::TNumPlayersDialog3(QWidget* parent, const PokerDiceOptionsRecord& record)
    : ModalDialog(resource, parent) {
    setWindowTitle("Options for Poker Dice");
    setDialogUnitsSize(339, 214);
    addRadioButton(101, "Play vs Apprentice", 20, 11, 75, 12, true);
    addRadioButton(102, "Play vs Mage", 20, 24, 75, 12, false);
    addRadioButton(103, "Play vs Wizard", 20, 37, 75, 12, false);
    addRadioButton(104, "Play vs Player 2", 20, 51, 84, 12, false);
    addFrame(noId, 16, 4, 84, 68);
    addRadioButton(105, "Change first player's name", 21, 93, 104, 12, true);
    addRadioButton(106, "Change second player's name", 21, 109, 115, 12, false);
    addLabel(noId, "Enter new player name:", 24, 135, 80, 8);
    name_ = addEdit(107, 116, 133, 64, 12);
    makeNameField(name_);
    addFrame(noId, 16, 87, 176, 64);
    addLabel(noId, "Number of Rolls", 200, 4, 60, 8);
    addRadioButton(111, "2 rolls", 196, 22, 60, 12, true);
    addRadioButton(112, "3 rolls", 196, 38, 60, 12, false);
    addFrame(noId, 188, 17, 80, 35);
    addCheckBox(113, "Aces wild", 227, 105, 60, 12);
    addCheckBox(114, "Reset coins to 5000", 227, 120, 92, 12);
    addLabel(noId, "Other options", 244, 82, 60, 8);
    addFrame(noId, 220, 96, 96, 46);
    addOkButton(130, 177, 50, 14);

    setChecked(101, record.apprentice);
    setChecked(102, record.mage);
    setChecked(103, record.wizard);
    setChecked(104, record.player2);
    setChecked(105, record.changeFirstName);
    setChecked(106, record.changeSecondName);
    name_->setText(QString::fromStdString(record.name));
    setChecked(111, record.twoRolls);
    setChecked(112, record.threeRolls);
    setChecked(113, record.acesWild);
    setChecked(114, record.resetCoins);
    // A radio group takes the focus on its checked button.
    for (int id : {101, 102, 103, 104})
        if (isChecked(id))
            control(id)->setFocus();
}

PokerDiceOptionsRecord TNumPlayersDialog3::record() const {
    PokerDiceOptionsRecord r;
    r.apprentice = isChecked(101);
    r.mage = isChecked(102);
    r.wizard = isChecked(103);
    r.player2 = isChecked(104);
    r.changeFirstName = isChecked(105);
    r.changeSecondName = isChecked(106);
    r.name = name_->text().toStdString();
    r.twoRolls = isChecked(111);
    r.threeRolls = isChecked(112);
    r.acesWild = isChecked(113);
    r.resetCoins = isChecked(114);
    return r;
}

std::optional<PokerDiceOptionsRecord> AskPokerDiceOptions(const PreferencesRecord& preferences,
                                                          QWidget* parent) {
    TNumPlayersDialog3 dialog(parent, FillPokerDiceOptions(preferences));
    if (!runModal(dialog))
        return std::nullopt;
    return dialog.record();
}

} // namespace tumbledown
