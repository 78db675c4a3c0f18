#pragma once
// The Main page: the hero's identity, species (with the Cyberskill and, for a primitive
// species, the penalty choice), profession (with its specialization, where it offers one),
// motivation, morality and traits.

#include "app/ui/ViewWidgets.h"

#include <QWidget>

class HeroBuilder;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

// The width, in characters, of the page's drop-down lists.
inline constexpr int kChoiceWidth = 24;

// What the Cyberskill box means, in one line.
QString CyberSkillTip();
// The specialization choice with its label, and the primitive penalty box, as the Main and
// Notes pages both show them, wired to the builder.
QComboBox* NewSpecializationChoice(HeroBuilder& builder, QWidget* parent, QLabel** label);
QCheckBox* NewPrimitiveBox(HeroBuilder& builder, QWidget* parent);
// The specialization choice with its label, hidden when the profession offers none.
void RenderSpecialization(QLabel* label, QComboBox* combo, const ChoiceView& view);

class MainPage : public QWidget, public ViewPage {
    Q_OBJECT
public:
    MainPage(HeroBuilder& builder, QWidget* parent = nullptr);
    void Render(const ViewData& views, const std::set<std::string>& changed) override;

    QLineEdit* EdName = nullptr;
    QLineEdit* EdPlayer = nullptr;
    QLineEdit* EdGameMaster = nullptr;
    QLineEdit* EdCareer = nullptr;
    QComboBox* CmbGender = nullptr;
    QComboBox* CmbSpecies = nullptr;
    QComboBox* CmbProfession = nullptr;
    QComboBox* CmbMotivation = nullptr;
    QComboBox* CmbMorality = nullptr;
    QComboBox* CmbTrait1 = nullptr;
    QComboBox* CmbTrait2 = nullptr;
    QCheckBox* CbCyberSkill = nullptr;
    QCheckBox* CbPrimitive = nullptr;
    QLabel* LblSpecial = nullptr;
    QComboBox* CmbSpecial = nullptr;

private:
    HeroBuilder& builder_;
};
