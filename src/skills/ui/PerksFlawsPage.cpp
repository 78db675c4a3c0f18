#include "skills/ui/PerksFlawsPage.h"

#include "app/HeroBuilder.h"
#include "app/ui/SearchBox.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {
QListWidget* NewCheckList(QWidget* parent, const QString& name, const QString& heading,
                          QVBoxLayout* column) {
    auto* label = new QLabel(heading, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    column->addWidget(label);
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setToolTip(QObject::tr("Click the box of an entry, or press Space on it, to tick it"));
    label->setBuddy(list);
    column->addWidget(list, 1);
    return list;
}
} // namespace

PerksFlawsPage::PerksFlawsPage(HeroBuilder& builder, QWidget* parent)
    : QWidget(parent), builder_(builder) {
    setObjectName("PagePerksFlaws");
    auto* layout = new QVBoxLayout(this);

    auto* lists = new QHBoxLayout;
    auto* perks = new QVBoxLayout;
    auto* flaws = new QVBoxLayout;
    LstPerks = NewCheckList(this, "LstPerks", tr("Perks"), perks);
    LstFlaws = NewCheckList(this, "LstFlaws", tr("Flaws"), flaws);
    lists->addLayout(perks, 1);
    lists->addLayout(flaws, 1);
    layout->addLayout(lists, 1);

    auto* totals = new QGridLayout;
    const auto total = [&](int row, const QString& caption, const QString& name) {
        totals->addWidget(new QLabel(caption, this), row, 0);
        auto* value = new QLabel(this);
        value->setObjectName(name);
        value->setMinimumWidth(value->fontMetrics().horizontalAdvance(QStringLiteral("-000000")));
        totals->addWidget(value, row, 1);
        return value;
    };
    LblPerksCost = total(0, tr("Perks Cost:"), "LblPerksCost");
    LblFlawBenefit = total(1, tr("Flaw Benefit:"), "LblFlawBenefit");
    LblNetAdjustment = total(2, tr("Net Adjustment to Skill Points:"), "LblNetAdjustment");
    totals->setColumnStretch(2, 1);
    layout->addLayout(totals);

    auto* custom = new QGroupBox(tr("Custom Perk or Flaw"), this);
    auto* row = new QHBoxLayout(custom);
    CmbPerkFlaw = new QComboBox(custom);
    CmbPerkFlaw->setObjectName("CmbPerkFlaw");
    CmbPerkFlaw->addItems({tr("Perk"), tr("Flaw")});
    row->addWidget(CmbPerkFlaw);
    auto* costLabel = new QLabel(tr("Cost/&Benefit:"), custom);
    row->addWidget(costLabel);
    EdCost = new QLineEdit(QStringLiteral("1"), custom);
    EdCost->setObjectName("EdCost");
    EdCost->setMaximumWidth(60);
    costLabel->setBuddy(EdCost);
    row->addWidget(EdCost);
    auto* descriptionLabel = new QLabel(tr("&Description:"), custom);
    row->addWidget(descriptionLabel);
    EdDescription = new QLineEdit(custom);
    EdDescription->setObjectName("EdDescription");
    descriptionLabel->setBuddy(EdDescription);
    EdDescription->setMinimumWidth(120);
    row->addWidget(EdDescription, 1);
    CmdAddPF = new QPushButton(tr("Add Custom"), custom);
    CmdAddPF->setObjectName("CmdAddPF");
    row->addWidget(CmdAddPF);
    layout->addWidget(custom);

    connect(LstPerks, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        builder_.PerksFlaws().TogglePerk(LstPerks->row(item));
    });
    connect(LstFlaws, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        builder_.PerksFlaws().ToggleFlaw(LstFlaws->row(item));
    });
    connect(CmdAddPF, &QPushButton::clicked, this, &PerksFlawsPage::AddCustom);
    connect(EdDescription, &QLineEdit::returnPressed, this, &PerksFlawsPage::AddCustom);
    connect(EdCost, &QLineEdit::returnPressed, this, &PerksFlawsPage::AddCustom);
    SearchBox::Above(LstPerks);
    SearchBox::Above(LstFlaws);
}

void PerksFlawsPage::AddCustom() {
    const PerkOrFlaw kind = CmbPerkFlaw->currentIndex() == 1 ? PerkOrFlaw::Flaw : PerkOrFlaw::Perk;
    const auto result = builder_.PerksFlaws().AddCustomPerkFlaw(
        kind, EdCost->text().toStdString(), EdDescription->text().toStdString());
    if (!result.added) (result.focusDescription ? EdDescription : EdCost)->setFocus();
}

void PerksFlawsPage::RenderList(QListWidget* list, const TableView& rows) {
    const QSignalBlocker blocker(list);
    const int current = list->currentRow();
    if (list->count() != static_cast<int>(rows.size())) {
        list->clear();
        for (std::size_t i = 0; i < rows.size(); ++i) {
            auto* item = new QListWidgetItem(list);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        }
    }
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        const TableRow& row = rows[static_cast<std::size_t>(i)];
        QListWidgetItem* item = list->item(i);
        item->setText(ToQt(row.size() > 1 ? row[1] : std::string()));
        item->setCheckState(!row.empty() && row[0] == "X" ? Qt::Checked : Qt::Unchecked);
    }
    if (current >= 0 && current < list->count()) list->setCurrentRow(current);
}

void PerksFlawsPage::Render(const ViewData& views, const std::set<std::string>& changed) {
    if (Touched(changed, kPerkList)) RenderList(LstPerks, views.Table(kPerkList));
    if (Touched(changed, kFlawList)) RenderList(LstFlaws, views.Table(kFlawList));
    if (Touched(changed, kPerksCostLabel)) RenderLabel(LblPerksCost, views.Label(kPerksCostLabel));
    if (Touched(changed, kFlawBenefitLabel))
        RenderLabel(LblFlawBenefit, views.Label(kFlawBenefitLabel));
    if (Touched(changed, kNetAdjustmentLabel)) {
        const LabelView& net = views.Label(kNetAdjustmentLabel);
        RenderLabel(LblNetAdjustment, net);
        // Red below zero, blue otherwise.
        LblNetAdjustment->setStyleSheet(net.red ? QStringLiteral("color: red;")
                                                : QStringLiteral("color: blue;"));
    }
}
