#include "TNumPlayersDialog2.h"

#include "platform/System.h"

#include <QLineEdit>

namespace tumbledown {

TNumPlayersDialog2::TNumPlayersDialog2(QWidget* parent, const TenThouOptionsRecord& record)
    : ModalDialog(resource, parent) {
    setWindowTitle("");
    setDialogUnitsSize(210, 187);
    addRadioButton(101, "Play vs Apprentice", 20, 11, 75, 12, true);
    addRadioButton(102, "Play vs Mage", 20, 24, 75, 12, false);
    addRadioButton(103, "Play vs Wizard", 20, 37, 75, 12, false);
    addRadioButton(104, "Play vs Player 2", 20, 51, 84, 12, false);
    addFrame(108, 16, 4, 84, 68);
    addRadioButton(105, "Change first player's name", 21, 93, 104, 12, true);
    addRadioButton(106, "Change second player's name", 21, 109, 115, 12, false);
    addLabel(110, "Enter new player name:", 24, 135, 80, 8);
    name_ = addEdit(107, 116, 133, 64, 12);
    makeNameField(name_);
    addFrame(109, 16, 87, 176, 64);
    addOkButton(71, 164, 50, 14);

    setChecked(101, record.apprentice);
    setChecked(102, record.mage);
    setChecked(103, record.wizard);
    setChecked(104, record.player2);
    setChecked(105, record.changeFirstName);
    setChecked(106, record.changeSecondName);
    name_->setText(QString::fromStdString(record.name));
    // A radio group takes the focus on its checked button.
    for (int id : {101, 102, 103, 104})
        if (isChecked(id))
            control(id)->setFocus();
}

TenThouOptionsRecord TNumPlayersDialog2::record() const {
    TenThouOptionsRecord r;
    r.apprentice = isChecked(101);
    r.mage = isChecked(102);
    r.wizard = isChecked(103);
    r.player2 = isChecked(104);
    r.changeFirstName = isChecked(105);
    r.changeSecondName = isChecked(106);
    r.name = name_->text().toStdString();
    return r;
}

std::optional<TenThouOptionsRecord> AskTenThouOptions(const PreferencesRecord& preferences,
                                                      QWidget* parent) {
    TNumPlayersDialog2 dialog(parent, FillTenThouOptions(preferences));
    if (!runModal(dialog))
        return std::nullopt;
    return dialog.record();
}

} // namespace tumbledown
