#include "hero/ui/NotesPage.h"

#include "app/HeroBuilder.h"
#include "app/ui/ViewWidgets.h"
#include "hero/ui/MainPage.h"

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
    CmbSpecial = NewSpecializationChoice(builder_, this, &LblSpecial);
    special->addWidget(LblSpecial);
    special->addWidget(CmbSpecial);
    special->addStretch(1);
    layout->addLayout(special);

    CbPrimitive = NewPrimitiveBox(builder_, this);
    layout->addWidget(CbPrimitive);

    LblFileName = new QLabel(this);
    LblFileName->setObjectName("LblFileName");
    LblFileName->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(LblFileName);

    layout->addWidget(new QLabel(tr("Free Notes"), this));
    MemNotes = new QPlainTextEdit(this);
    MemNotes->setObjectName("MemNotes");
    connect(MemNotes, &QPlainTextEdit::textChanged, this, [this] {
        builder_.Identity().SetText(IdentityField::FreeNotes,
                                    MemNotes->toPlainText().toStdString());
    });
    layout->addWidget(MemNotes, 1);
}

void NotesPage::Render(const ViewData& views, const std::set<std::string>& changed) {
    if (Touched(changed, kFixedNotesTable))
        RenderText(MemFixedNotes, TableText(views.Table(kFixedNotesTable), "").toStdString());
    if (Touched(changed, kSpecializationChoice))
        RenderSpecialization(LblSpecial, CmbSpecial, views.Choice(kSpecializationChoice));
    if (Touched(changed, kPrimitiveCheck)) RenderCheck(CbPrimitive, views.Check(kPrimitiveCheck));
    if (Touched(changed, kFileNameLabel))
        LblFileName->setText(ToQt(views.Label(kFileNameLabel).text));
    if (Touched(changed, kFreeNotesLabel)) RenderText(MemNotes, views.Label(kFreeNotesLabel).text);
}
