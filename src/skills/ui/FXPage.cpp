#include "skills/ui/FXPage.h"

#include "app/HeroBuilder.h"
#include "skills/FXPurchases.h"
#include "skills/SkillBudget.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <vector>

FXPage::FXPage(HeroBuilder& builder, QWidget* parent)
    : PurchasePage({.name = "FX",
                    .prefix = "FX",
                    .title = QString(),
                    .tree = kFXTree,
                    .table = kFXTable,
                    .buy = [&builder](int node) { return builder.FX().BuyFX(node); },
                    .raise = [&builder](int row) { builder.FX().RaiseRowRank(row); },
                    .lower = [&builder](int row) { builder.FX().LowerRowRank(row); },
                    .remove = [&builder](int row) { builder.FX().RemoveFX(row); }},
                   parent),
      builder_(builder) {
    auto* page = static_cast<QVBoxLayout*>(layout());

    auto* heading = new QHBoxLayout;
    LblFX = new QLabel(this);
    LblFX->setObjectName("LblFX");
    QFont font = LblFX->font();
    font.setBold(true);
    font.setPointSize(font.pointSize() + 4);
    LblFX->setFont(font);
    heading->addWidget(LblFX);
    heading->addSpacing(24);
    LblFXSpec = new QLabel(tr("Specialization:"), this);
    LblFXSpec->setObjectName("LblFXSpec");
    heading->addWidget(LblFXSpec);
    CmbFXSpec = NewChoice(this, "CmbFXSpec", 20);
    LblFXSpec->setBuddy(CmbFXSpec);
    heading->addWidget(CmbFXSpec);
    heading->addStretch(1);
    page->insertLayout(0, heading);
    connect(CmbFXSpec, &QComboBox::activated, this,
            [this](int index) { builder_.FX().ChooseFXSpecialization(index); });

    auto* active = new QHBoxLayout;
    auto* list = new QVBoxLayout;
    list->addWidget(new QLabel(tr("Always Active Super Powers"), this));
    LstFXActive = new QListWidget(this);
    LstFXActive->setObjectName("LstFXActive");
    LstFXActive->setMaximumHeight(LstFXActive->fontMetrics().height() * 6);
    list->addWidget(LstFXActive);
    auto* points = new QHBoxLayout;
    points->addWidget(new QLabel(tr("FX Points Available:"), this));
    LblFXPoints = new QLabel(this);
    LblFXPoints->setObjectName("LblFXPoints");
    points->addWidget(LblFXPoints);
    points->addStretch(1);
    list->addLayout(points);
    active->addLayout(list, 1);
    auto* side = new QVBoxLayout;
    CmdFXActive = new QPushButton(tr("Make Always Active"), this);
    CmdFXActive->setObjectName("CmdFXActive");
    CmdFXActive->setToolTip(tr("Make the FX of the selected row always active"));
    CmdFXActive->setEnabled(false);
    side->addWidget(CmdFXActive);
    side->addStretch(1);
    active->addLayout(side);
    page->addLayout(active);

    connect(Grid, &QTableWidget::itemSelectionChanged, this, [this] { UpdateActiveButton(); });
    connect(CmdFXActive, &QPushButton::clicked, this,
            [this] { builder_.FX().MakeAlwaysActive(SelectedRow()); });
}

void FXPage::UpdateActiveButton() {
    CmdFXActive->setEnabled(builder_.FX().CanMakeActive(SelectedRow()));
}

void FXPage::RenderTree(const TableView& tree) {
    const int current = SelectedNode();
    Tree->clear();
    // The last item of each depth so far: a node hangs under the last one a level up.
    std::vector<QTreeWidgetItem*> last;
    QTreeWidgetItem* currentItem = nullptr;
    for (int i = 0; i < static_cast<int>(tree.size()); ++i) {
        const TableRow& node = tree[static_cast<std::size_t>(i)];
        const std::size_t depth = std::min(
            node.empty() ? std::size_t{0}
                         : static_cast<std::size_t>(std::max(0, std::atoi(node[0].c_str()))),
            last.size());
        auto* item = depth == 0 ? new QTreeWidgetItem(Tree) : new QTreeWidgetItem(last[depth - 1]);
        item->setText(0, ToQt(node.size() > 1 ? node[1] : std::string()));
        item->setData(0, Qt::UserRole, i);
        last.resize(depth);
        last.push_back(item);
        if (depth == 0) item->setExpanded(true);
        if (i == current) currentItem = item;
    }
    if (currentItem) Tree->setCurrentItem(currentItem);
}

void FXPage::Render(const ViewData& views, const std::set<std::string>& changed) {
    PurchasePage::Render(views, changed);
    if (Touched(changed, kFXTree)) RenderTree(views.Table(kFXTree));
    if (Touched(changed, kFXLabel)) RenderLabel(LblFX, views.Label(kFXLabel));
    if (Touched(changed, kFXSpecializationChoice)) {
        const ChoiceView& choice = views.Choice(kFXSpecializationChoice);
        RenderChoice(CmbFXSpec, choice);
        LblFXSpec->setVisible(choice.visible);
    }
    if (Touched(changed, kAlwaysActiveTable)) {
        LstFXActive->clear();
        for (const TableRow& row : views.Table(kAlwaysActiveTable))
            LstFXActive->addItem(ToQt(row.empty() ? std::string() : row[0]));
    }
    if (Touched(changed, kFXPointsLabel)) RenderLabel(LblFXPoints, views.Label(kFXPointsLabel));
    if (Touched(changed, kFXTable)) UpdateActiveButton();
}
