#include "hero/ui/NotesPage.h"

#include "app/HeroBuilder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

NotesPage::NotesPage(HeroBuilder& builder, QWidget* parent) : QWidget(parent), builder_(builder) {
    setObjectName("PageNotes");
    auto* layout = new QVBoxLayout(this);

    layout->addWidget(new QLabel(tr("Notes"), this));
    MemFixedNotes = new QPlainTextEdit(this);
    MemFixedNotes->setObjectName("MemFixedNotes");
    MemFixedNotes->setReadOnly(true);
    layout->addWidget(MemFixedNotes, 2);

    auto* special = new QHBoxLayout;
    LblSpecial = new QLabel(this);
    LblSpecial->setObjectName("LblSpecial");
    CmbSpecial = new QComboBox(this);
    CmbSpecial->setObjectName("CmbSpecial");
    CmbSpecial->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    connect(CmbSpecial, &QComboBox::activated, this, [this](int index) {
        builder_.Professions.CmbSpecialChange(index);
        builder_.NotifyViews();
    });
    special->addWidget(LblSpecial);
    special->addWidget(CmbSpecial);
    special->addStretch(1);
    layout->addLayout(special);

    CbPrimitive = new QCheckBox(this);
    CbPrimitive->setObjectName("CbPrimitive");
    connect(CbPrimitive, &QCheckBox::clicked, this, [this](bool checked) {
        builder_.Species.CbPrimitiveClick(checked);
        builder_.NotifyViews();
    });
    layout->addWidget(CbPrimitive);

    LblFileName = new QLabel(this);
    LblFileName->setObjectName("LblFileName");
    LblFileName->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(LblFileName);

    layout->addWidget(new QLabel(tr("Free Notes"), this));
    MemNotes = new QPlainTextEdit(this);
    MemNotes->setObjectName("MemNotes");
    connect(MemNotes, &QPlainTextEdit::textChanged, this, [this] {
        builder_.SetIdentityText(IdentityField::FreeNotes, MemNotes->toPlainText().toStdString());
    });
    layout->addWidget(MemNotes, 1);
}

void NotesPage::Render(const ViewData& views, const std::set<std::string>& changed) {
    if (Touched(changed, "FixedNotes"))
        RenderText(MemFixedNotes, TableText(views.Table("FixedNotes"), "").toStdString());
    if (Touched(changed, "Specialization")) {
        const ChoiceView& choice = views.Choice("Specialization");
        RenderChoice(CmbSpecial, choice);
        LblSpecial->setText(ToQt(choice.caption));
        LblSpecial->setVisible(choice.visible);
    }
    if (Touched(changed, "Primitive")) RenderCheck(CbPrimitive, views.Check("Primitive"));
    if (Touched(changed, "FileName")) LblFileName->setText(ToQt(views.Label("FileName").text));
    if (Touched(changed, "FreeNotes")) RenderText(MemNotes, views.Label("FreeNotes").text);
}
