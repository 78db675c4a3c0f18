#include "gear/ui/AchievementsPage.h"

#include "app/HeroBuilder.h"
#include "app/ui/SearchBox.h"
#include "gear/GearViews.h"
#include "gear/ui/GearGrid.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
QTableWidget* NewGrid(QWidget* parent, const QString& name, const QString& second,
                      const QString& tip) {
    QTableWidget* grid = NewTwoColumnGrid(parent, name, tip);
    grid->setHorizontalHeaderLabels({QObject::tr("Pts"), second});
    return grid;
}

void RenderRows(QTableWidget* grid, const TableView& rows) {
    const int selected = grid->currentRow();
    grid->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r)
        for (int c = 0; c < 2; ++c) {
            const TableRow& row = rows[static_cast<std::size_t>(r)];
            auto* item = new QTableWidgetItem(
                ToQt(c < static_cast<int>(row.size()) ? row[static_cast<std::size_t>(c)] : ""));
            if (c == 0) item->setTextAlignment(Qt::AlignCenter);
            grid->setItem(r, c, item);
        }
    if (selected >= 0 && selected < grid->rowCount()) grid->selectRow(selected);
}
} // namespace

AchievementsPage::AchievementsPage(HeroBuilder& builder, QWidget* parent)
    : QWidget(parent), builder_(builder) {
    setObjectName("PageAchievements");
    auto* layout = new QVBoxLayout(this);

    auto* entry = new QHBoxLayout;
    auto* pointsLabel = new QLabel(tr("&Points"), this);
    EdPoints = new QLineEdit(this);
    EdPoints->setObjectName("EdPoints");
    EdPoints->setMaximumWidth(70);
    pointsLabel->setBuddy(EdPoints);
    auto* detailLabel = new QLabel(tr("Achievement &Detail"), this);
    EdDetail = new QLineEdit(this);
    EdDetail->setObjectName("EdDetail");
    detailLabel->setBuddy(EdDetail);
    CmdAddPts = new QPushButton(tr("Add Points"), this);
    CmdAddPts->setObjectName("CmdAddPts");
    entry->addWidget(pointsLabel);
    entry->addWidget(EdPoints);
    entry->addWidget(detailLabel);
    entry->addWidget(EdDetail, 1);
    entry->addWidget(CmdAddPts);
    layout->addLayout(entry);

    auto* grids = new QHBoxLayout;
    SgAchievements = NewGrid(this, "SgAchievements", tr("Description"),
                             tr("Double-click an entry, or press Delete on it, to remove it"));
    SgAvlBenefits = NewGrid(this, "SgAvlBenefits", tr("Benefit"),
                            tr("Double-click a benefit, or press Enter on it, to buy it"));
    SgSelBenefits =
        NewGrid(this, "SgSelBenefits", tr("Benefit"),
                tr("Double-click a bought benefit, or press Delete on it, to remove it"));
    const auto column = [&](const QString& heading, QTableWidget* grid) {
        auto* box = new QGroupBox(heading, this);
        auto* inner = new QVBoxLayout(box);
        inner->addWidget(grid);
        grids->addWidget(box, 1);
    };
    column(tr("Achievements"), SgAchievements);
    column(tr("Available Benefits"), SgAvlBenefits);
    column(tr("Benefits Bought"), SgSelBenefits);
    layout->addLayout(grids, 1);

    auto* figures = new QGridLayout;
    const auto figure = [&](int row, int col, const QString& caption, const QString& name) {
        figures->addWidget(new QLabel(caption, this), row, col * 2);
        auto* value = new QLabel(this);
        value->setObjectName(name);
        value->setMinimumWidth(value->fontMetrics().horizontalAdvance(QStringLiteral("0000000")));
        figures->addWidget(value, row, col * 2 + 1);
        return value;
    };
    LblPointsEarned = figure(0, 0, tr("Points Earned:"), "LblPointsEarned");
    LblLevel = figure(1, 0, tr("Level:"), "LblLevel");
    LblPointsNeeded = figure(2, 0, tr("Points Needed:"), "LblPointsNeeded");
    LblBenefitsPurchased = figure(0, 1, tr("Benefits Purchased:"), "LblBenefitsPurchased");
    LblPointsAvailable = figure(1, 1, tr("Points Available:"), "LblPointsAvailable");
    figures->setColumnStretch(4, 1);
    layout->addLayout(figures);

    connect(CmdAddPts, &QPushButton::clicked, this, &AchievementsPage::AddPoints);
    connect(EdPoints, &QLineEdit::returnPressed, this, &AchievementsPage::AddPoints);
    connect(EdDetail, &QLineEdit::returnPressed, this, &AchievementsPage::AddPoints);
    for (QTableWidget* grid : {SgAchievements, SgAvlBenefits, SgSelBenefits}) {
        grid->installEventFilter(this);
        connect(grid, &QTableWidget::cellDoubleClicked, this, [this, grid] { Activate(grid); });
    }
    SearchBox::Above(SgAvlBenefits, 1);
}

int AchievementsPage::SelectedRow(const QTableWidget* grid) {
    const auto rows = grid->selectionModel()->selectedRows();
    return rows.isEmpty() ? 0 : rows.first().row() + 1;
}

void AchievementsPage::AddPoints() {
    if (!builder_.Advancement().AddPoints(EdPoints->text().toStdString(),
                                          EdDetail->text().toStdString())) {
        EdPoints->setFocus();
        return;
    }
    EdPoints->clear();
    EdDetail->clear();
    EdPoints->setFocus();
    SgAchievements->selectRow(SgAchievements->rowCount() - 1);
}

void AchievementsPage::Activate(QTableWidget* grid) {
    const int row = SelectedRow(grid);
    Achievements& advancement = builder_.Advancement();
    if (grid == SgAchievements) {
        advancement.RemoveAchievement(row);
    } else if (grid == SgAvlBenefits) {
        if (const int bought = advancement.BuyBenefit(row); bought > 0) {
            SgSelBenefits->selectRow(bought - 1);
            SgSelBenefits->scrollToBottom();
        }
    } else {
        advancement.RemoveBenefit(row);
    }
}

bool AchievementsPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* grid = qobject_cast<QTableWidget*>(watched);
        const int key = static_cast<QKeyEvent*>(event)->key();
        const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
        if (grid && ((grid == SgAvlBenefits && enter) ||
                     (grid != SgAvlBenefits && key == Qt::Key_Delete))) {
            Activate(grid);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void AchievementsPage::Render(const ViewData& views, const std::set<std::string>& changed) {
    if (Touched(changed, kAchievementTable))
        RenderRows(SgAchievements, views.Table(kAchievementTable));
    if (Touched(changed, kAvailableBenefitsTable))
        RenderRows(SgAvlBenefits, views.Table(kAvailableBenefitsTable));
    if (Touched(changed, kBenefitsTable)) RenderRows(SgSelBenefits, views.Table(kBenefitsTable));
    const std::pair<QLabel*, LabelName> figures[] = {
        {LblPointsEarned, kPointsEarnedLabel},
        {LblLevel, kLevelLabel},
        {LblPointsNeeded, kPointsNeededLabel},
        {LblBenefitsPurchased, kBenefitsPurchasedLabel},
        {LblPointsAvailable, kPointsAvailableLabel}};
    for (const auto& [label, name] : figures)
        if (Touched(changed, name)) RenderLabel(label, views.Label(name));
}
