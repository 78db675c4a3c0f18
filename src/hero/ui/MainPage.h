#pragma once
// The Main page: the hero's identity, species, profession, motivation, morality and traits.

#include "app/ui/ViewWidgets.h"

#include <QWidget>

class HeroBuilder;
class QCheckBox;
class QComboBox;
class QLineEdit;

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

private:
    HeroBuilder& builder_;
};
