#include "GameOptions.h"

#include "core/NameRules.h"

#include <utility>

namespace tumbledown {

bool ApplyNameChoice(bool renameFirst, bool renameSecond, std::string name,
                     PreferencesRecord& record) {
    UpperCaseName(name);
    if (name.empty())
        return false;
    if (renameFirst)
        record.setPlayer1(name);
    else if (renameSecond)
        record.setPlayer2(name);
    else
        return false;
    return true;
}

TenThouOpponent TenThouOpponentOf(const PreferencesRecord& record) {
    // Loading leaves at most one level set; the first set one wins regardless.
    if (record.tenThouApprentice)
        return TenThouOpponent::Apprentice;
    if (record.tenThouMage)
        return TenThouOpponent::Mage;
    if (record.tenThouWizard)
        return TenThouOpponent::Wizard;
    return TenThouOpponent::Player2;
}

void SetTenThouOpponent(PreferencesRecord& record, TenThouOpponent opponent) {
    record.tenThouApprentice = opponent == TenThouOpponent::Apprentice;
    record.tenThouMage = opponent == TenThouOpponent::Mage;
    record.tenThouWizard = opponent == TenThouOpponent::Wizard;
}

TenThouOptionsRecord FillTenThouOptions(const PreferencesRecord& record) {
    TenThouOptionsRecord fill;
    switch (TenThouOpponentOf(record)) {
    case TenThouOpponent::Apprentice:
        fill.apprentice = true;
        break;
    case TenThouOpponent::Mage:
        fill.mage = true;
        break;
    case TenThouOpponent::Wizard:
        fill.wizard = true;
        break;
    case TenThouOpponent::Player2:
        fill.player2 = true;
        break;
    }
    return fill;
}

std::optional<TenThouOpponent> ApplyTenThouOpponent(const TenThouOptionsRecord& chosen,
                                                    PreferencesRecord& record) {
    const TenThouOpponent current = TenThouOpponentOf(record);
    const std::pair<bool, TenThouOpponent> choices[] = {
        {chosen.apprentice, TenThouOpponent::Apprentice},
        {chosen.mage, TenThouOpponent::Mage},
        {chosen.wizard, TenThouOpponent::Wizard},
        {chosen.player2, TenThouOpponent::Player2},
    };
    for (const auto& [checked, opponent] : choices) {
        if (checked && opponent != current) {
            SetTenThouOpponent(record, opponent);
            return opponent;
        }
    }
    return std::nullopt;
}

bool ApplyTenThouName(const TenThouOptionsRecord& chosen, PreferencesRecord& record) {
    return ApplyNameChoice(chosen.changeFirstName, chosen.changeSecondName, chosen.name, record);
}

TenThouOptionsOutcome ApplyTenThouOptions(const TenThouOptionsRecord& chosen,
                                          PreferencesRecord& record) {
    TenThouOptionsOutcome outcome;
    outcome.newOpponent = ApplyTenThouOpponent(chosen, record);
    outcome.nameChanged = ApplyTenThouName(chosen, record);
    return outcome;
}

ShutTheBoxOptionsRecord FillShutTheBoxOptions(const PreferencesRecord& record) {
    ShutTheBoxOptionsRecord fill;
    fill.vsComputer = record.shutTheBoxVsComputer != 0;
    fill.vsPlayer2 = !fill.vsComputer;
    return fill;
}

std::optional<bool> ApplyShutTheBoxOpponent(const ShutTheBoxOptionsRecord& chosen,
                                            PreferencesRecord& record) {
    const bool vsComputer = record.shutTheBoxVsComputer != 0;
    if (chosen.vsComputer && !vsComputer) {
        record.shutTheBoxVsComputer = 1;
        return true;
    }
    if (chosen.vsPlayer2 && vsComputer) {
        record.shutTheBoxVsComputer = 0;
        return false;
    }
    return std::nullopt;
}

bool ApplyShutTheBoxName(const ShutTheBoxOptionsRecord& chosen, PreferencesRecord& record) {
    return ApplyNameChoice(chosen.changeFirstName, chosen.changeSecondName, chosen.name, record);
}

ShutTheBoxOptionsOutcome ApplyShutTheBoxOptions(const ShutTheBoxOptionsRecord& chosen,
                                                PreferencesRecord& record) {
    ShutTheBoxOptionsOutcome outcome;
    outcome.newVsComputer = ApplyShutTheBoxOpponent(chosen, record);
    outcome.nameChanged = ApplyShutTheBoxName(chosen, record);
    return outcome;
}

} // namespace tumbledown
