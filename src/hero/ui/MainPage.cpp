#include "hero/ui/MainPage.h"

#include "app/HeroBuilder.h"
#include "app/ui/ViewWidgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>

MainPage::MainPage(HeroBuilder& builder, QWidget* parent) : QWidget(parent), builder_(builder) {
    setObjectName("PageMain");
    auto* form = new QFormLayout(this);
    form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);

    auto textField = [&](const QString& objectName, const QString& caption, IdentityField field) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(objectName);
        connect(edit, &QLineEdit::textEdited, this, [this, field](const QString& text) {
            builder_.Identity().SetText(field, text.toStdString());
        });
        form->addRow(caption, edit);
        return edit;
    };
    auto choice = [&](const QString& objectName) {
        auto* combo = new QComboBox(this);
        combo->setObjectName(objectName);
        combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        return combo;
    };
    auto identityChoice = [&](const QString& objectName, IdentityChoice which) {
        auto* combo = choice(objectName);
        connect(combo, &QComboBox::activated, this,
                [this, which](int index) { builder_.Identity().Choose(which, index); });
        return combo;
    };

    EdName = textField("EdName", tr("Character Name"), IdentityField::HeroName);
    EdPlayer = textField("EdPlayer", tr("Player Name"), IdentityField::Player);
    EdGameMaster = textField("EdGameMaster", tr("Game Master"), IdentityField::GameMaster);
    EdCareer = textField("EdCareer", tr("Career"), IdentityField::Career);
    CmbGender = identityChoice("CmbGender", IdentityChoice::Gender);
    form->addRow(tr("Gender"), CmbGender);

    CmbSpecies = choice("CmbSpecies");
    connect(CmbSpecies, &QComboBox::activated, this,
            [this](int index) { builder_.ChooseSpecies(index); });
    CbCyberSkill = new QCheckBox(this);
    CbCyberSkill->setObjectName("CbCyberSkill");
    connect(CbCyberSkill, &QCheckBox::clicked, this,
            [this](bool checked) { builder_.SetCyberSkill(checked); });
    auto* speciesRow = new QHBoxLayout;
    speciesRow->addWidget(CmbSpecies);
    speciesRow->addWidget(CbCyberSkill);
    speciesRow->addStretch(1);
    form->addRow(tr("Species"), speciesRow);

    CmbProfession = choice("CmbProfession");
    connect(CmbProfession, &QComboBox::activated, this,
            [this](int index) { builder_.ChooseProfession(index); });
    form->addRow(tr("Profession"), CmbProfession);

    CmbMotivation = identityChoice("CmbMotivation", IdentityChoice::Motivation);
    form->addRow(tr("Motivation"), CmbMotivation);
    CmbMorality = identityChoice("CmbMorality", IdentityChoice::MoralAttitude);
    form->addRow(tr("Morality"), CmbMorality);
    CmbTrait1 = identityChoice("CmbTrait1", IdentityChoice::Trait1);
    CmbTrait2 = identityChoice("CmbTrait2", IdentityChoice::Trait2);
    auto* traits = new QHBoxLayout;
    traits->addWidget(CmbTrait1);
    traits->addWidget(CmbTrait2);
    traits->addStretch(1);
    form->addRow(tr("Traits"), traits);
}

void MainPage::Render(const ViewData& views, const std::set<std::string>& changed) {
    RenderText(EdName, views.Label(kHeroNameLabel));
    RenderText(EdPlayer, views.Label(kPlayerNameLabel));
    RenderText(EdGameMaster, views.Label(kGameMasterLabel));
    RenderText(EdCareer, views.Label(kCareerLabel));
    const std::pair<QComboBox*, ChoiceName> choices[] = {
        {CmbGender, kGenderChoice},          {CmbSpecies, kSpeciesChoice},
        {CmbProfession, kProfessionChoice},  {CmbMotivation, kMotivationChoice},
        {CmbMorality, kMoralAttitudeChoice}, {CmbTrait1, kTrait1Choice},
        {CmbTrait2, kTrait2Choice}};
    for (const auto& [combo, name] : choices)
        if (Touched(changed, name)) RenderChoice(combo, views.Choice(name));
    if (Touched(changed, kCyberSkillCheck))
        RenderCheck(CbCyberSkill, views.Check(kCyberSkillCheck));
}
