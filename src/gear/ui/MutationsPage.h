#pragma once
// The Mutations page: the advantageous mutations and mutational drawbacks on offer beside the
// hero's taken ones. A double click (or Enter) on an offered row takes it; a double click (or
// Delete) on a taken row gives it up.

#include "app/ui/ViewWidgets.h"

#include <QWidget>

class HeroBuilder;
class QTableWidget;

class MutationsPage : public QWidget, public ViewPage {
    Q_OBJECT
public:
    MutationsPage(HeroBuilder& builder, QWidget* parent = nullptr);
    void Render(const ViewData& views, const std::set<std::string>& changed) override;

    QTableWidget* SgAdvantages = nullptr;
    QTableWidget* SgDrawbacks = nullptr;
    QTableWidget* SgSelAdvantages = nullptr;
    QTableWidget* SgSelDrawbacks = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Activate(QTableWidget* grid);

    HeroBuilder& builder_;
};
