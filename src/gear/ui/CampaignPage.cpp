#include "gear/ui/CampaignPage.h"

#include "app/HeroBuilder.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

CampaignPage::CampaignPage(HeroBuilder& builder, QWidget* parent)
    : QWidget(parent), builder_(builder) {
    setObjectName("PageCampaign");
    auto* layout = new QVBoxLayout(this);

    auto* group = new QGroupBox(tr("Skill Point Used Adjustments"), this);
    group->setToolTip(tr("Enter a negative number to lower skill points used"));
    auto* grid = new QGridLayout(group);
    grid->addWidget(new QLabel(tr("Pts"), group), 0, 0);
    EdAdjPts = new QLineEdit(group);
    EdAdjPts->setObjectName("EdAdjPts");
    EdAdjPts->setMaximumWidth(60);
    EdAdjPts->setToolTip(group->toolTip());
    grid->addWidget(EdAdjPts, 0, 1);
    grid->addWidget(new QLabel(tr("Description"), group), 0, 2);
    EdAdjDesc = new QLineEdit(group);
    EdAdjDesc->setObjectName("EdAdjDesc");
    grid->addWidget(EdAdjDesc, 0, 3);
    CmdAdjSkillpts = new QPushButton(tr("Adjust"), group);
    CmdAdjSkillpts->setObjectName("CmdAdjSkillpts");
    grid->addWidget(CmdAdjSkillpts, 0, 4);
    SgAdjSkillPts = new QTableWidget(group);
    SgAdjSkillPts->setObjectName("SgAdjSkillPts");
    SgAdjSkillPts->setColumnCount(2);
    SgAdjSkillPts->setHorizontalHeaderLabels({"", ""});
    SgAdjSkillPts->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    SgAdjSkillPts->verticalHeader()->setVisible(false);
    SgAdjSkillPts->setSelectionBehavior(QAbstractItemView::SelectRows);
    SgAdjSkillPts->setSelectionMode(QAbstractItemView::SingleSelection);
    SgAdjSkillPts->setEditTriggers(QAbstractItemView::NoEditTriggers);
    SgAdjSkillPts->setToolTip(tr("Double-click an adjustment, or select it and press Delete, "
                                 "to remove it"));
    SgAdjSkillPts->installEventFilter(this);
    grid->addWidget(SgAdjSkillPts, 1, 0, 1, 5);
    layout->addWidget(group);
    layout->addStretch(1);

    connect(CmdAdjSkillpts, &QPushButton::clicked, this, &CampaignPage::Adjust);
    // Enter in either field adjusts, as the default button of the group would.
    connect(EdAdjPts, &QLineEdit::returnPressed, this, &CampaignPage::Adjust);
    connect(EdAdjDesc, &QLineEdit::returnPressed, this, &CampaignPage::Adjust);
    connect(SgAdjSkillPts, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int) { builder_.Budget().RemoveAdjustment(row + 1); });
}

void CampaignPage::Adjust() {
    const auto result = builder_.Budget().EnterAdjustment(EdAdjPts->text().toStdString(),
                                                          EdAdjDesc->text().toStdString());
    if (result.added) {
        EdAdjPts->clear();
        EdAdjDesc->clear();
    }
    (result.focus == SkillBudget::Focus::Points ? EdAdjPts : EdAdjDesc)->setFocus();
}

void CampaignPage::RemoveSelectedAdjustment() {
    const auto rows = SgAdjSkillPts->selectionModel()->selectedRows();
    // With several adjustments and none selected there is nothing to choose from; the one
    // row left (an adjustment or the empty row) answers as a double click on it would.
    if (rows.isEmpty() && SgAdjSkillPts->rowCount() > 1) return;
    builder_.Budget().RemoveAdjustment(rows.isEmpty() ? 1 : rows.first().row() + 1);
}

bool CampaignPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == SgAdjSkillPts && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        RemoveSelectedAdjustment();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void CampaignPage::Render(const ViewData& views, const std::set<std::string>& changed) {
    if (!Touched(changed, kAdjustmentTable)) return;
    const TableView& table = views.Table(kAdjustmentTable);
    SgAdjSkillPts->setRowCount(table.empty() ? 0 : static_cast<int>(table.size()) - 1);
    for (std::size_t r = 1; r < table.size(); ++r)
        for (std::size_t c = 0; c < 2 && c < table[r].size(); ++c)
            SgAdjSkillPts->setItem(static_cast<int>(r) - 1, static_cast<int>(c),
                                   new QTableWidgetItem(ToQt(table[r][c])));
}
