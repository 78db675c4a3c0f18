#include "hero/ui/MainPage.h"

#include "app/HeroBuilder.h"
#include "app/ui/ViewWidgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
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
    auto identityChoice = [&](const QString& objectName, IdentityChoice which) {
        auto* combo = NewChoice(this, objectName, kChoiceWidth);
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

    // The species with its Cyberskill and, for a primitive species, the penalty choice.
    CmbSpecies = NewChoice(this, "CmbSpecies", kChoiceWidth);
    connect(CmbSpecies, &QComboBox::activated, this,
            [this](int index) { builder_.ChooseSpecies(index); });
    CbCyberSkill = new QCheckBox(this);
    CbCyberSkill->setObjectName("CbCyberSkill");
    CbCyberSkill->setToolTip(CyberSkillTip());
    connect(CbCyberSkill, &QCheckBox::clicked, this,
            [this](bool checked) { builder_.SetCyberSkill(checked); });
    CbPrimitive = NewPrimitiveBox(builder_, this);
    auto* speciesRow = new QHBoxLayout;
    speciesRow->addWidget(CmbSpecies);
    speciesRow->addWidget(CbCyberSkill);
    speciesRow->addWidget(CbPrimitive);
    speciesRow->addStretch(1);
    form->addRow(tr("Species"), speciesRow);

    // The profession with its specialization, when the profession offers one.
    CmbProfession = NewChoice(this, "CmbProfession", kChoiceWidth);
    connect(CmbProfession, &QComboBox::activated, this,
            [this](int index) { builder_.ChooseProfession(index); });
    CmbSpecial = NewSpecializationChoice(builder_, this, &LblSpecial);
    auto* professionRow = new QHBoxLayout;
    professionRow->addWidget(CmbProfession);
    professionRow->addWidget(LblSpecial);
    professionRow->addWidget(CmbSpecial);
    professionRow->addStretch(1);
    form->addRow(tr("Profession"), professionRow);

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
    if (Touched(changed, kPrimitiveCheck)) RenderCheck(CbPrimitive, views.Check(kPrimitiveCheck));
    if (Touched(changed, kSpecializationChoice))
        RenderSpecialization(LblSpecial, CmbSpecial, views.Choice(kSpecializationChoice));
}

QString CyberSkillTip() {
    return QObject::tr("The hero's skill with cyberware: free for some species, otherwise paid "
                       "in skill points");
}

QComboBox* NewSpecializationChoice(HeroBuilder& builder, QWidget* parent, QLabel** label) {
    *label = new QLabel(parent);
    (*label)->setObjectName("LblSpecial");
    QComboBox* combo = NewChoice(parent, "CmbSpecial", kChoiceWidth);
    (*label)->setBuddy(combo);
    QObject::connect(combo, &QComboBox::activated, parent,
                     [&builder](int index) { builder.ChooseSpecialization(index); });
    return combo;
}

QCheckBox* NewPrimitiveBox(HeroBuilder& builder, QWidget* parent) {
    auto* box = new QCheckBox(parent);
    box->setObjectName("CbPrimitive");
    box->setToolTip(QObject::tr(
        "Spend skill points to lower this primitive species' penalty from +2 to +1 step"));
    QObject::connect(box, &QCheckBox::clicked, parent,
                     [&builder](bool checked) { builder.SetPrimitive(checked); });
    return box;
}

void RenderSpecialization(QLabel* label, QComboBox* combo, const ChoiceView& view) {
    RenderChoice(combo, view);
    label->setText(ToQt(view.caption));
    label->setVisible(view.visible);
}
